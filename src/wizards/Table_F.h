#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TForm11;
namespace qm {
class InsertTarget;
}  // namespace qm

// The table wizard's first page: rows, columns, border, cell width, caption
// and header. "<< הבא" checks the counts and builds the grid page (TForm11,
// which this page owns) with one field per cell.
class TForm10 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm10(qm::InsertTarget& host);
  ~TForm10() override;

  // --- components ---
  QLineEdit* MaskEdit1 = nullptr;  // rows
  QLineEdit* MaskEdit2 = nullptr;  // columns
  QLineEdit* MaskEdit3 = nullptr;  // border
  QLineEdit* MaskEdit4 = nullptr;  // width of a cell field, the header's COLSPAN
  QLineEdit* Edit1 = nullptr;      // caption
  QLineEdit* Edit2 = nullptr;      // header
  QPushButton* Button1 = nullptr;  // "ביטול"
  QPushButton* Button2 = nullptr;  // "<< הבא"
  QProgressBar* ProgressBar1 = nullptr;

  // The grid page.
  TForm11* Grid() const { return grid_.get(); }

  // --- operations ---
  // The table command: hides the grid page, shows this one.
  void Open();
  void Button2Click();
  // Builds the grid page's cells from the fields (already checked).
  void Create_Table();

 private:
  qm::InsertTarget& host_;
  std::unique_ptr<TForm11> grid_;
};
