#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;
namespace qm {
class InsertTarget;
class PageView;
}

// The JavaScript wizard: four ready-made scripts filled in from a few fields
// (an image that changes under the mouse, a status-bar scroller, a slide
// show, a redirect page). Each script goes in at the active page's caret as
// one undo step, coloured once.
class TForm12 : public QWidget {
 public:
  explicit TForm12(qm::InsertTarget& host);

  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // dynamic link
  QWidget* TabSheet2 = nullptr;  // status-bar scroller
  QWidget* TabSheet3 = nullptr;  // slide show
  QWidget* TabSheet4 = nullptr;  // redirect page (showing at start)

  QLineEdit* Edit1 = nullptr;      // image under the mouse
  QPushButton* Button1 = nullptr;  // "..."
  QLineEdit* Edit2 = nullptr;      // image otherwise
  QPushButton* Button2 = nullptr;  // "..."
  QLineEdit* HebEdit1 = nullptr;   // optional text
  QLineEdit* Edit3 = nullptr;      // link address
  QPushButton* Button3 = nullptr;  // add

  QLineEdit* HebEdit2 = nullptr;  // the message, at most 60 characters
  QSlider* TrackBar1 = nullptr;   // delay in milliseconds
  QPushButton* Button4 = nullptr;

  QListWidget* ListBox1 = nullptr;  // image files, in order
  QPushButton* Button5 = nullptr;   // add a file
  QPushButton* Button7 = nullptr;   // empty the list
  QPushButton* Button6 = nullptr;

  QLineEdit* Edit4 = nullptr;   // target address
  QSlider* TrackBar2 = nullptr;  // seconds
  QPushButton* Button8 = nullptr;
  QPushButton* Button9 = nullptr;  // close

  // Numbers the dynamic links of a run: raised before each one goes in.
  int ChangeCounter = 0;

  static constexpr int MaxMessage = 60;

  void Button3Click();
  void Button4Click();
  void Button6Click();
  void Button8Click();

 private:
  // Asks for an image file; empty when cancelled.
  QString chooseImage();
  // The field's path as the page names it (a path the dialog gave counts as a local file).
  std::string pagePath(const QLineEdit* field, const QString& chosen) const;
  // Runs `edits` on the active page as one step, then hides the window and
  // gives the page the keyboard. Nothing without a page.
  void emitScript(const std::function<void(qm::PageView&)>& edits);
  void HebEdit2Change();

  qm::InsertTarget& host_;
  QString chosen1_, chosen2_;  // what the file dialog put into Edit1 / Edit2
};
