#pragma once

#include <QColor>
#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
namespace qm {
class InsertTarget;
}  // namespace qm

// The frames wizard: a frame set of a main frame with up to four side frames
// (above, below, left, right), divided first into rows or into columns. The
// side frames of the second division are offered only while a frame of the
// first one is included; a schematic shows the layout in colour. "הוספה"
// writes the frame set after the page's "</title>" as one undo step and
// leaves the window open.
class TForm8 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm8(qm::InsertTarget& host);

  // One frame's row; index 0 main, 1 top, 2 bottom, 3 left, 4 right.
  struct FrameRow {
    QFrame* panel = nullptr;        // Panel10, Panel12, Panel14, Panel16, panel18
    QCheckBox* include = nullptr;   // CheckBox12..CheckBox15 (none for the main frame)
    QLineEdit* name = nullptr;
    QLineEdit* file = nullptr;
    QPushButton* browse = nullptr;
    QComboBox* scrolling = nullptr;
    QCheckBox* border = nullptr;
    QCheckBox* fixedSize = nullptr;
    QLineEdit* size = nullptr;      // MaskEdit2..MaskEdit5 (none for the main frame)
    QColor colour;
  };
  std::array<FrameRow, 5> Frames;

  // --- components ---
  QGroupBox* RadioGroup1 = nullptr;
  QRadioButton* RadioGroup1_0 = nullptr;  // rows first
  QRadioButton* RadioGroup1_1 = nullptr;  // columns first
  QCheckBox* CheckBox11 = nullptr;        // outer frame border
  QPushButton* Button1 = nullptr;         // "הוספה"
  QPushButton* Button2 = nullptr;         // "סגור"
  QPushButton* Button3 = nullptr;         // "עזרה"
  QFrame* Panel1 = nullptr;               // the schematic: the main frame
  // Strips (top, bottom, left, right) and corners (top-left, bottom-left, top-right, bottom-right).
  QFrame *Panel2 = nullptr, *Panel3 = nullptr, *Panel4 = nullptr, *Panel5 = nullptr;
  QFrame *Panel6 = nullptr, *Panel7 = nullptr, *Panel8 = nullptr, *Panel9 = nullptr;

  // --- operations ---
  void Button1Click();
  void RadioGroup1Click();
  void IncludeClick(int frame);
  // Colours the schematic's corners so that the first division's frames span the page.
  void BorderCol();

 private:
  QWidget* buildRow(int frame);
  bool columnsPrimary() const;
  void showSecondary(bool show);

  qm::InsertTarget& host_;
};
