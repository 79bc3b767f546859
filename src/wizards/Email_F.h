#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
namespace qm {
class InsertTarget;
}

// The e-mail link wizard: an anchor to a mail address with an optional
// subject, around the user's link text, inserted as one line.
class TForm5 : public QWidget {
 public:
  explicit TForm5(qm::InsertTarget& host);

  QLineEdit* Edit1 = nullptr;  // address
  QLineEdit* Edit2 = nullptr;  // link text (Hebrew)
  QLineEdit* Edit3 = nullptr;  // subject (Hebrew)
  QPushButton* Button1 = nullptr;  // "הוסף"
  QPushButton* Button2 = nullptr;  // "סגור"

  void Button1Click();

 private:
  qm::InsertTarget& host_;
};
