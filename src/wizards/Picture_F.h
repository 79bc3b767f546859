#pragma once

#include <string>

#include "core/markup/WizardMarkup.h"
#include "wizards/WizardForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class THebEdit;

// The image wizard: one IMG element from a file name, an optional
// alternative text and an optional alignment. "הוסף" inserts it as a line of
// the active page; gettext hands it to a caller instead (a file dropped on a
// page).
class TForm4 : public TWizardForm {
  Q_OBJECT
 public:
  explicit TForm4(qm::InsertTarget& host);

  // --- components ---
  QPushButton* Button1 = nullptr;  // "סייר"
  QLineEdit* Edit1 = nullptr;      // SRC
  QCheckBox* CheckBox1 = nullptr;  // ALT
  THebEdit* Edit2 = nullptr;       // alternative text
  QCheckBox* CheckBox2 = nullptr;  // ALIGN
  QComboBox* ComboBox1 = nullptr;  // alignment value
  QPushButton* Button2 = nullptr;  // "הוסף"
  QPushButton* Button3 = nullptr;  // "סגור"

  // --- operations ---
  void ShowForInsertion();
  // Shows the window for a text request with the file name given (already through TruncPath).
  void ShowForRequest(const QString& file);
  // Text request: the element (no line break) when confirmed, empty when closed.
  std::string gettext();
  // The element of the fields; Edit1 goes through TruncPath first (the field is rewritten).
  std::string BuildElement();

  // --- event handlers ---
  void Button1Click();
  void Button2Click();
  void Button3Click();
};
