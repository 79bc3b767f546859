#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The download offer of the update check: the installed and the newer
// version, and "הורד עכשיו", which opens the download page. A tool window,
// shown by Check_Update without waiting, hidden rather than closed.
class TForm19 : public QWidget {
  Q_OBJECT
 public:
  TForm19();

  QLabel* Label1 = nullptr;  // headline
  QLabel* Label2 = nullptr;  // the installed version
  QLabel* Label3 = nullptr;  // title of the new version
  QLabel* Label4 = nullptr;  // the new version, set by the check
  QPushButton* Button1 = nullptr;  // download now
  QPushButton* Button2 = nullptr;  // close

  void Button1Click();
};
