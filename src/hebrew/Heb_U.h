#pragma once

#include <QMainWindow>
#include <string>
#include <vector>

#include "core/hebrew/HebrewText.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolBar;
class THebMainMenu;
class THebMemo;
namespace qm {
class InsertTarget;
class PageView;
}  // namespace qm

// The Hebrew text entry window: the user types Hebrew in reading order in a
// right-to-left memo; "הוספה" converts every line for the page (visual order
// under the ISO standard), closes it with "<BR>" or lays the lines out as a
// table, and inserts them at the active document's caret as one undo step.
// It can be loaded with a document's selection, brought back to reading order.
// One instance lives as long as the main window; it is hidden, not closed.
class TForm2 : public QMainWindow {
  Q_OBJECT
 public:
  // Reads the setting "SelectAllHebWiz" of the host's store.
  explicit TForm2(qm::InsertTarget& host);
  ~TForm2() override;

  // --- components ---
  THebMemo* Memo1 = nullptr;        // the text the user edits
  QPlainTextEdit* Memo2 = nullptr;  // hidden working copy
  QWidget* Panel1 = nullptr;
  QPushButton* Button1 = nullptr;  // "הוספה"
  QPushButton* Button2 = nullptr;  // "סגור"
  QToolBar* ToolBar1 = nullptr;
  // Tool-bar buttons (actions named ToolButton1 ... ToolButton13).
  QAction* ToolButton1 = nullptr;   // clear
  QAction* ToolButton2 = nullptr;   // open a text file
  QAction* ToolButton3 = nullptr;   // save to a text file
  QAction* ToolButton5 = nullptr;   // copy
  QAction* ToolButton6 = nullptr;   // cut
  QAction* ToolButton7 = nullptr;   // paste
  QAction* ToolButton9 = nullptr;   // undo
  QAction* ToolButton11 = nullptr;  // "<BR>" after every line (check)
  QAction* ToolButton13 = nullptr;  // mirror brackets (check)
  QAction* ToolButton12 = nullptr;  // reverse Hebrew only (check)
  THebMainMenu* HebMainMenu1 = nullptr;
  // Menu items.
  QAction* N2 = nullptr;   // open
  QAction* N4 = nullptr;   // save as
  QAction* N5 = nullptr;   // close
  QAction* N7 = nullptr;   // copy
  QAction* N8 = nullptr;   // cut
  QAction* N9 = nullptr;   // paste
  QAction* N3 = nullptr;   // undo
  QAction* N11 = nullptr;  // always on top (check)
  QAction* N12 = nullptr;  // table layout (check)
  QAction* N13 = nullptr;  // take the whole document when nothing is selected (check)

  // --- operations ---
  // Shows the window loaded from a document: its selection (or, with N13
  // ticked and nothing selected, its whole text) in reading order. With
  // nothing to take, or no document, the window shows what it last held.
  void LoadFromDocument(qm::PageView* page);
  // The layout the check buttons and N12 choose.
  qm::hebrew::EntryLayout Layout() const;
  // The lines of Memo1 (a final line break starts no line).
  std::vector<std::string> TypedLines() const;

  // --- event handlers ---
  void Button1Click();  // convert and insert into the active document
  void Button2Click();  // empty Memo1 and hide
  void FormActivate();
  void FormHide();
  void Memo1Enter();
  void OpenTextFile();  // N2, ToolButton2
  void SaveTextFile();  // N4, ToolButton3
  void N5Click();
  void N11Click();
  void N13Click();
  void ToolButton1Click();
  void UndoClick();  // N3, ToolButton9

 protected:
  bool event(QEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void buildMenus();
  void buildPanel();
  qm::HebrewStandard Standard() const;

  qm::InsertTarget& host_;
  bool restyling_ = false;  // the window is hidden only to take new window flags
};
