#pragma once

#include <string>

#include "core/markup/WizardMarkup.h"
#include "wizards/WizardForm.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class THebEdit;
class THebLabel;
class THebRadioButton;

// The hyperlink wizard: one anchor element from an address, a target frame,
// mouse-over and mouse-out handlers (typed, or composed from the effects
// panel) and a text or image content. "הוסף" inserts it into the active page
// (wrapping the page's selection when there is one); GetText hands it to a
// caller instead (a file dropped on a page).
class TForm3 : public TWizardForm {
  Q_OBJECT
 public:
  explicit TForm3(qm::InsertTarget& host);

  // --- components ---
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;  // HREF
  QCheckBox* CheckBox1 = nullptr;
  QLineEdit* Edit4 = nullptr;  // target frame
  THebLabel* Label4 = nullptr;  // shown instead of the content when the page has a selection
  THebRadioButton* HebRadioButton1 = nullptr;  // text content
  THebEdit* Edit2 = nullptr;                   // link text
  THebRadioButton* HebRadioButton2 = nullptr;  // image content
  QLineEdit* Edit3 = nullptr;                  // image file
  QPushButton* Button1 = nullptr;              // browse for the image
  QCheckBox* CheckBox2 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Edit5 = nullptr;  // mouse-over handler
  QCheckBox* CheckBox3 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* Edit6 = nullptr;  // mouse-out handler
  QPushButton* Button8 = nullptr;  // effects panel on/off
  QPushButton* Button2 = nullptr;  // "הוסף"
  QPushButton* Button3 = nullptr;  // "סגור"
  // The effects panel and its rows.
  QFrame* Panel1 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QCheckBox* CheckBox4 = nullptr;  // bold
  QCheckBox* CheckBox5 = nullptr;  // text colour
  QCheckBox* CheckBox6 = nullptr;  // background colour
  QPushButton* Button4 = nullptr;  // mouse-over background -> Panel2
  QPushButton* Button5 = nullptr;  // mouse-over text -> Panel4
  QPushButton* Button6 = nullptr;  // mouse-out background -> Panel3
  QPushButton* Button7 = nullptr;  // mouse-out text -> Panel5
  QFrame* Panel2 = nullptr;
  QFrame* Panel3 = nullptr;
  QFrame* Panel4 = nullptr;
  QFrame* Panel5 = nullptr;

  // "RRGGBB" from the colour dialog, or empty.
  std::string OverBackColor, OutBackColor, OverTextColor, OutTextColor;

  // --- operations ---
  // The link command: the layout for the active page (with a selection the
  // content fields give way to Label4), then the window shows.
  void ShowForInsertion();
  // Shows the window for a text request with the address given (already
  // through TruncPath), content fields showing.
  void ShowForRequest(const QString& address);
  // Text request: waits for the user; the element (no line break) when
  // confirmed, empty when closed.
  std::string GetText();
  // The field values; the effects count only with `withEffects` and the panel showing.
  qm::wizard::LinkFields Fields(bool withEffects) const;

  // --- event handlers ---
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button8Click();
  void ColourButtonClick(QCheckBox* row, std::string& field, QFrame* swatch);

 protected:
  void FormActivate() override;

 private:
  void SetContentShown(bool shown);
  void TruncImage();
};
