#pragma once

#include <QWidget>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
namespace qm {
class InsertTarget;
}

// The font wizard: a FONT element with size, colour and faces around the
// active page's selection, with a small preview of the size and face. The
// colour is the program's last picked colour (the host's), so a colour chosen
// later in another window is the one written while the colour box is ticked.
class TForm6 : public QWidget {
 public:
  explicit TForm6(qm::InsertTarget& host);

  QCheckBox* CheckBox1 = nullptr;  // SIZE
  QComboBox* ComboBox1 = nullptr;
  QCheckBox* CheckBox3 = nullptr;  // FACE
  QComboBox* ComboBox2 = nullptr;
  QCheckBox* CheckBox4 = nullptr;  // second face
  QComboBox* ComboBox3 = nullptr;
  QCheckBox* CheckBox2 = nullptr;  // COLOR
  QPushButton* Button3 = nullptr;  // "בחר צבע"
  QFrame* Panel1 = nullptr;        // preview
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QPushButton* Button1 = nullptr;  // "הוסף"
  QPushButton* Button2 = nullptr;  // "סגור"

  void Button1Click();
  void Button3Click();
  void UpdatePreview();
  // The colour "הוסף" writes: the last picked one, black before any was picked.
  std::string Colour() const;

 private:
  qm::InsertTarget& host_;
  QLabel* colourLabel_ = nullptr;  // "צבע", painted in the colour
};
