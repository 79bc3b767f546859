#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
namespace qm {
class InsertTarget;
}

// The forms wizard: one form control at a time (text line, text area,
// selection list, check box or radio button, push button), each page with
// its own "אישור" and "ביטול". Several-line controls go in as one undo step.
class TForm15 : public QWidget {
 public:
  explicit TForm15(qm::InsertTarget& host);

  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // text line
  QWidget* TabSheet2 = nullptr;  // text area
  QWidget* TabSheet3 = nullptr;  // selection list
  QWidget* TabSheet4 = nullptr;  // check box / radio button
  QWidget* TabSheet5 = nullptr;  // push button (showing at start)

  QGroupBox* RadioGroup1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;  // plain text
  QRadioButton* RadioButton2 = nullptr;  // password
  QLineEdit* Edit1 = nullptr;            // NAME
  QLineEdit* Edit2 = nullptr;            // VALUE
  QSlider* TrackBar1 = nullptr;          // SIZE, shown in Label10
  QSlider* TrackBar2 = nullptr;          // MAXLENGTH, shown in Label11
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;

  QLineEdit* Edit3 = nullptr;       // NAME
  QSlider* TrackBar4 = nullptr;     // ROWS, shown in Label16
  QSlider* TrackBar3 = nullptr;     // COLS, shown in Label15
  QLabel* Label16 = nullptr;
  QLabel* Label15 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;  // initial text
  QCheckBox* CheckBox2 = nullptr;   // read-only
  QCheckBox* CheckBox3 = nullptr;   // disabled

  QLineEdit* Edit4 = nullptr;       // NAME
  QLineEdit* Edit5 = nullptr;       // new option
  QListWidget* ListBox1 = nullptr;  // options
  QComboBox* ComboBox1 = nullptr;   // the same options; the default
  QPushButton* Button11 = nullptr;  // add the option
  QPushButton* Button12 = nullptr;  // empty both lists

  QGroupBox* RadioGroup2 = nullptr;
  QRadioButton* RadioButton3 = nullptr;  // check box
  QRadioButton* RadioButton4 = nullptr;  // radio button
  QLineEdit* Edit6 = nullptr;            // NAME
  QCheckBox* CheckBox1 = nullptr;        // CHECKED

  QComboBox* ComboBox2 = nullptr;  // "SUBMIT", "RESET"
  QLineEdit* Edit7 = nullptr;      // VALUE

  // "אישור" (odd) and "ביטול" (even) of the five pages: Button1 ... Button10.
  QPushButton* Button1 = nullptr;
  QPushButton* Button3 = nullptr;
  QPushButton* Button5 = nullptr;
  QPushButton* Button7 = nullptr;
  QPushButton* Button9 = nullptr;

  void Button1Click();
  void Button3Click();
  void Button5Click();
  void Button7Click();
  void Button9Click();
  void Button11Click();
  void Button12Click();

 private:
  // Puts the page's "אישור" and "ביטול" at its foot; "אישור" runs `click`.
  QPushButton* addButtons(QWidget* sheet, const char* ok, const char* cancel, void (TForm15::*click)());
  // Several lines as one undo step at the caret.
  void insertLines(const std::vector<std::string>& lines);

  qm::InsertTarget& host_;
};
