#pragma once

#include <QWidget>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
namespace qm {
class InsertTarget;
}

// The multimedia wizard: one EMBED element for a media file, with an
// optional size and alignment, inserted as one line.
class TForm14 : public QWidget {
 public:
  explicit TForm14(qm::InsertTarget& host);

  QLineEdit* Edit1 = nullptr;      // media file
  QPushButton* Button1 = nullptr;  // "..." file dialog
  QComboBox* ComboBox1 = nullptr;  // alignment; item 0 "ללא" writes none
  QGroupBox* GroupBox1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;  // "קבע גודל"
  QLineEdit* Edit2 = nullptr;      // width
  QLineEdit* Edit3 = nullptr;      // height
  QPushButton* Button2 = nullptr;  // "הוסף"
  QPushButton* Button3 = nullptr;  // "ביטול"

  void Button1Click();
  void Button2Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  qm::InsertTarget& host_;
  QString chosen_;  // the last path the file dialog gave Edit1
};
