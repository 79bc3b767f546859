#pragma once

#include <QWidget>
#include <string>

#include "core/wizards/PageBody.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class THebEdit;
namespace qm {
class InsertTarget;
class PageView;
}  // namespace qm

// The page body wizard: edits the page's BODY start tag (colours, background,
// onLoad / onUnLoad handlers) and its title. Opening reads both from the
// active page; "הוסף" writes a new BODY tag over the old one (or at the caret)
// and replaces the title text, as one undo step.
class TForm7 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm7(qm::InsertTarget& host);

  // --- components ---
  QLabel* Label7 = nullptr;
  THebEdit* HebEdit1 = nullptr;  // the title
  QFrame* Panel1 = nullptr;      // the colour rows; shows the background colour
  QCheckBox *CheckBox1 = nullptr, *CheckBox4 = nullptr, *CheckBox5 = nullptr, *CheckBox3 = nullptr;
  QLabel *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr;
  QLabel *Label1 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label8 = nullptr;  // "צבע" in the row's colour
  QPushButton *Button3 = nullptr, *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr;
  QCheckBox* CheckBox2 = nullptr;  // include a background
  QLabel* Label6 = nullptr;
  QRadioButton* RadioButton1 = nullptr;  // background colour
  QLabel* Label2 = nullptr;
  QPushButton* Button4 = nullptr;
  QRadioButton* RadioButton2 = nullptr;  // background image
  QLabel* Label3 = nullptr;
  QPushButton* Button5 = nullptr;
  QLineEdit* Edit1 = nullptr;  // image file
  QCheckBox* CheckBox6 = nullptr;  // fixed background
  QLabel* Label9 = nullptr;
  QCheckBox* CheckBox7 = nullptr;  // onLoad
  QLabel* Label10 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QCheckBox* CheckBox8 = nullptr;  // onUnLoad
  QLabel* Label11 = nullptr;
  QLineEdit* Edit3 = nullptr;
  QPushButton* Button1 = nullptr;  // "הוסף"
  QPushButton* Button2 = nullptr;  // "סגור"

  // Colours "RRGGBB" (or what the page held), written after "#".
  std::string BodyTextColor, BodyLinkColor, BodyVLinkColor, BodyALinkColor, BodyBgColor;

  // --- operations ---
  // Reads the title and BODY tag of the page into the window and shows it.
  void LoadFromDocument(qm::PageView* page);
  void Button1Click();
  void Button2Click();

 private:
  // The fields as the controls hold them.
  qm::wizards::BodyChoices choices() const;
  void pickRowColour(QCheckBox* tick, std::string& colour, QLabel* label);
  void Button4Click();
  void Button5Click();
  void repaintPanel();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:

  qm::InsertTarget& host_;
  QColor panelColour_;        // the last background colour chosen or read
  QString chosenImage_;       // Edit1 as the file dialog left it
};
