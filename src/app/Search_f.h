#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "core/text/FindReplace.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace qm {
class PageHost;
class PageView;
}

// The find window: in find mode "חפש" selects the next occurrence of the
// text in the active page, in replace mode "החלף" replaces every occurrence
// as one undo step. Each search tries the text as typed and, under the visual
// standard, its visual form, so a Hebrew word typed in reading order is found
// in a page stored in visual order. A tool window: hidden, not closed.
class TForm9 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm9(qm::PageHost& host);

  // --- components ---
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;  // the text to find
  QPushButton* Button1 = nullptr;  // find next / replace all
  QPushButton* Button2 = nullptr;  // close
  QCheckBox* CheckBox1 = nullptr;  // case sensitive
  QLabel* Label2 = nullptr;
  QLineEdit* Edit2 = nullptr;  // the replacement (replace mode only)

  // The offset where the next search starts; -1: the start of the text.
  std::int32_t LastFindPos = -1;

  // Shows the window in find mode (N19) or replace mode (N35).
  void ShowFind();
  void ShowReplace();
  // The mode is whether Edit2 is shown.
  bool ReplaceMode() const;

  // --- event handlers ---
  void Button1Click();
  void Button2Click();
  void Edit1Change();
  // Selects the next occurrence of Edit1's text after the last one found.
  void FindNext();

 private:
  // The search for the typed text (code page 1255) in the page's own encoding.
  qm::find::Pattern pagePattern(const qm::PageView& page, const std::string& typed) const;
  void ReplaceAll();
  void Centre();
  void UpdateFindCaption();

  qm::PageHost& host_;
};
