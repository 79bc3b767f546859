#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "core/scripts/ScriptDb.h"
#include "scripts/ScriptStore.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TForm23;
namespace qm {
class ScriptHost;
class WindowHolder;
}  // namespace qm

// The script library window: the user picks a script from the library kept
// in "JSDB.dat" in the start-up folder, fills in its variables and inserts it
// into the active page (its caret text, its HEAD and BODY texts and its load
// and unload code) as one undo step. It opens the script editor (TForm23) to
// add or change a script and deletes scripts; every change is saved at once.
class TForm22 : public QWidget {
  Q_OBJECT
 public:
  // Loads the library from the host's start-up folder; the script editor
  // is one of `windows`.
  TForm22(qm::ScriptHost& host, qm::WindowHolder& windows);
  ~TForm22() override;

  // --- components ---
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;
  QListWidget* ListBox1 = nullptr;  // script names, sorted
  QLabel* Label3 = nullptr;         // name of the shown script
  QPlainTextEdit* Memo1 = nullptr;  // its description
  QWidget* Panel4 = nullptr;        // the variable editor, shown when the script has variables
  QLabel* Label2 = nullptr;
  // Variables: name, description, current value, type code (the last column hidden).
  QTreeWidget* ListView1 = nullptr;
  QLabel* Label1 = nullptr;     // " הכנס :" + the variable's description
  QLineEdit* Edit1 = nullptr;   // the selected variable's value
  QPushButton* Button4 = nullptr;   // colour
  QPushButton* Button5 = nullptr;   // picture file
  QPushButton* Button6 = nullptr;   // HTML file
  QPushButton* Button9 = nullptr;   // next variable
  QPushButton* Button10 = nullptr;  // previous variable
  QPushButton* Button1 = nullptr;   // insert
  QPushButton* Button2 = nullptr;   // hide
  QPushButton* Button7 = nullptr;   // shows or hides the three library buttons
  QPushButton* Button3 = nullptr;   // new script
  QPushButton* Button12 = nullptr;  // edit the shown script
  QPushButton* Button11 = nullptr;  // delete the shown script

  // --- the library ---
  qm::scripts::ScriptRec* CurScript = nullptr;  // the script shown, or none

  // The records, front first.
  qm::scripts::ScriptList& Scripts() { return store_.scripts(); }
  // Replaces the library with the file's contents (see ScriptStore::load)
  // and tells the user what went wrong.
  void LoadDB();
  // Writes the library (ScriptStore::save); throws when it cannot.
  void SaveDB();
  void DisposeDB();
  // Shows the window; a library whose file could not be read is read again
  // first, and while it still cannot be the window stays hidden.
  void Open();
  // Lists the records' names and shows the first.
  void RefreshList();
  // Shows the script selected in ListBox1 with its variables.
  void LoadScriptinfo();
  // Inserts the shown script into the active page as one undo step.
  void mergeScript();
  // The variables as ListView1 holds them, values as typed.
  std::vector<qm::scripts::ScriptVar> Variables() const;
  // The script editor, from the main window's window holder.
  TForm23* Form23();
  // Hides this window and the script editor.
  void HideWindows();

  // --- event handlers ---
  void ListView1SelectItem(QTreeWidgetItem* item);
  void Edit1Change();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button9Click();
  void Button10Click();
  void Button11Click();
  void Button12Click();

 private:
  void buildWindow();
  void showNoScript();
  void editorSaved();

  qm::ScriptHost& host_;
  qm::WindowHolder& windows_;
  qm::scripts::ScriptStore store_;
  bool loadedOnce_ = false;
  QTreeWidgetItem* curVar_ = nullptr;  // the variable item last selected
};
