#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
namespace qm {
class PageHost;
}

// The go-to-line window: opens on the caret's line number and puts the caret
// at the end of the line typed. A tool window: hidden, not closed.
class TForm17 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm17(qm::PageHost& host);

  // --- components ---
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;  // the line number
  QPushButton* Button1 = nullptr;  // go
  QPushButton* Button2 = nullptr;  // cancel
  QFrame* Bevel1 = nullptr;

  // --- event handlers ---
  void FormShow();
  void Button1Click();
  void Button2Click();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  qm::PageHost& host_;
};
