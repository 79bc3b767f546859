#pragma once

#include <QWidget>
#include <vector>

#include "core/scripts/ScriptDb.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The script editor: a new script for the library, or changes to one, with
// its name, description, load and unload code, the three texts it inserts and
// its variables. Saving puts the record into the library and tells the
// library window (Saved), which writes the file and shows itself again.
class TForm23 : public QWidget {
  Q_OBJECT
 public:
  TForm23();
  ~TForm23() override;

  enum class Mode { New, Edit };

  // --- components ---
  QTabWidget* PageControl1 = nullptr;
  QLineEdit* Edit1 = nullptr;       // name
  QPlainTextEdit* Memo4 = nullptr;  // description
  QLineEdit* Edit2 = nullptr;       // load code
  QLineEdit* Edit3 = nullptr;       // unload code
  QPushButton* Button1 = nullptr;   // cancel
  QPushButton* Button9 = nullptr;   // clear everything
  QPlainTextEdit* Memo1 = nullptr;  // caret text
  QPlainTextEdit* Memo2 = nullptr;  // head text
  QPlainTextEdit* Memo3 = nullptr;  // body text
  QComboBox* ComboBox1 = nullptr;
  QComboBox* ComboBox2 = nullptr;
  QComboBox* ComboBox3 = nullptr;
  QPushButton* Button6 = nullptr;  // a variable reference into Memo1
  QPushButton* Button7 = nullptr;  // ... into Memo2
  QPushButton* Button8 = nullptr;  // ... into Memo3
  // Variables: name, description, initial value, type code (the last column hidden).
  QTreeWidget* ListView1 = nullptr;
  QPushButton* Button4 = nullptr;  // delete the variable
  QPushButton* Button5 = nullptr;  // new variable
  QLineEdit* Edit4 = nullptr;      // variable name, at most 20 characters
  QLineEdit* Edit5 = nullptr;      // variable description
  QLineEdit* Edit6 = nullptr;      // initial value
  QGroupBox* GroupBox1 = nullptr;  // "סוג משתנה"
  QRadioButton* RadioButton1 = nullptr;  // "I"
  QRadioButton* RadioButton2 = nullptr;  // "S"
  QRadioButton* RadioButton3 = nullptr;  // "SH"
  QRadioButton* RadioButton4 = nullptr;  // "FH"
  QRadioButton* RadioButton5 = nullptr;  // "FP"
  QRadioButton* RadioButton6 = nullptr;  // "C"
  QPushButton* Button2 = nullptr;  // cancel
  QPushButton* Button3 = nullptr;  // save

  // Shows the editor, emptied, for a new script of `library`.
  void OpenNew(qm::scripts::ScriptList& library);
  // Shows the editor filled from `rec`, with the variables as the library window holds them.
  void OpenEdit(qm::scripts::ScriptList& library, qm::scripts::ScriptRec& rec,
                const std::vector<qm::scripts::ScriptVar>& vars);
  // The library dropped `rec`: an edit of it saves as a new script.
  void Forget(const qm::scripts::ScriptRec* rec);
  Mode mode() const { return mode_; }

  void zeroall();
  void Button3Click();  // save
  void Button4Click();
  void Button5Click();
  void ListView1SelectItem(QTreeWidgetItem* item);

 signals:
  // A record was written into the library.
  void Saved();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void buildWindow();
  void refillCombos();
  void setVarField(int column, const QString& text);

  Mode mode_ = Mode::New;
  qm::scripts::ScriptList* library_ = nullptr;
  qm::scripts::ScriptRec* edited_ = nullptr;
  QTreeWidgetItem* curVar_ = nullptr;
};
