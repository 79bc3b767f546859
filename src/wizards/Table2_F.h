#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class THebEdit;
namespace qm {
class InsertTarget;
}  // namespace qm

// The table wizard's grid page: one right-to-left edit field per cell, laid
// out as the table, a prefix put at the start of every cell, and "הוסף",
// which writes the table into the active page as one undo step and discards
// the grid.
class TForm11 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kMax = 99;

  // What the first page holds: BORDER, the width (COLSPAN), caption, header.
  struct TableHead {
    std::string border, width, caption, header;
  };

  explicit TForm11(qm::InsertTarget& host);

  // --- components ---
  QWidget* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Button1 = nullptr;  // "הוסף"
  QPushButton* Button2 = nullptr;  // "ביטול"
  QComboBox* ComboBox1 = nullptr;  // the prefix list
  QLineEdit* CustomEdit = nullptr;  // the prefix

  // Cells[c][r]: column c, row r, both from 1; valid up to ColCount / RowCount.
  std::array<std::array<THebEdit*, kMax + 1>, kMax + 1> Cells{};
  std::uint8_t ColCount = 0;
  std::uint8_t RowCount = 0;

  // Where the table's head comes from (the first page's fields).
  std::function<TableHead()> Head;

  // --- operations ---
  // Builds a grid of cols x rows fields, each `width` pixels wide (the old
  // grid must be gone), advancing `progress` once per row.
  void CreateTable(int cols, int rows, int width, QProgressBar* progress);
  // Frees every cell field; both counts 0.
  void FreeCells();
  // Widens column c to the longest text typed in it (never below the width
  // the grid was made with) and moves the columns after it along.
  void FitColumn(int c);
  void Button1Click();
  void Button2Click();
  void ComboBox1Click();

 protected:

 private:
  qm::InsertTarget& host_;
  QScrollArea* scroll_ = nullptr;
  QWidget* grid_ = nullptr;  // owns the cell fields
  int minCellWidth_ = 1;
  std::array<int, kMax + 1> colWidths_{};
};
