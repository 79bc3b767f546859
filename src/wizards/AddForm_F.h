#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
namespace qm {
class InsertTarget;
}

// The add-form dialog: the FORM element around the active page's selection.
class TForm16 : public QWidget {
 public:
  explicit TForm16(qm::InsertTarget& host);

  QComboBox* ComboBox1 = nullptr;  // METHOD: "POST", "GET"
  QLineEdit* Edit1 = nullptr;      // ACTION
  QLineEdit* Edit2 = nullptr;      // ENCTYPE
  QPushButton* Button2 = nullptr;  // "אישור"
  QPushButton* Button1 = nullptr;  // "ביטול"

  void Button2Click();

 private:
  qm::InsertTarget& host_;
};
