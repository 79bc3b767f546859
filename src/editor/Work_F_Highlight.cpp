// Colouring of the document window's editor: the full colouring, the forward
// recolouring while typing, and the key rules that choose the typing colour.
//
// Memo1 is coloured by a per-block colour model (editor/Colouring.h) from the
// same scan that writes the RTF document of the page (core/markup/Highlight.h),
// so the editor shows exactly the colours and fonts of that document without
// loading it. The typing rules and fwdcoloring set colours of their own on
// top (overrides); a full colouring drops them.
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>

#include "core/markup/Highlight.h"
#include "editor/Colouring.h"
#include "editor/Work_F.h"

namespace {

// Everything the colouring does is invisible until it is done, moves neither
// caret nor view, and is no change of the text for the change pipeline.
class QuietEdit {
 public:
  explicit QuietEdit(qm::RichEdit* e) : edit_(e), scroll_(e->scrollPosition()) {
    edit_->detachNotifications();
    edit_->suspendUpdates();
  }
  ~QuietEdit() {
    edit_->setScrollPosition(scroll_);
    edit_->resumeUpdates();
    edit_->reattachNotifications();
  }
  QuietEdit(const QuietEdit&) = delete;
  QuietEdit& operator=(const QuietEdit&) = delete;

 private:
  qm::RichEdit* edit_;
  int scroll_;
};

// A typing colour of its own at the caret (set by the key rules) goes; the
// caret takes the format of the text around it again.
void dropCaretColour(qm::RichEdit* e) {
  const QTextCursor old = e->textCursor();
  if (!old.charFormat().hasProperty(QTextFormat::ForegroundBrush)) return;
  QTextCursor fresh(e->document());
  fresh.setPosition(old.anchor());
  fresh.setPosition(old.position(), QTextCursor::KeepAnchor);
  e->setTextCursor(fresh);
}

}  // namespace

qm::Colouring* TWorkForm::ColourModel() {
  if (!colours_) colours_ = new qm::Colouring(Memo1->document(), this);
  return colours_;
}

qm::ColourScheme TWorkForm::CurrentScheme() const { return qm::ColourScheme::From(Settings()); }

void TWorkForm::DoHighLight() {
  if (host_ && !host_->ColourCoding()) return;
  const qm::ColourScheme scheme = CurrentScheme();
  {
    QuietEdit quiet(Memo1);
    // Latin text is set in the editor's own font; a new font or size relays
    // the text out, so it is only set when it differs.
    const QFont current = Memo1->font();
    if (current.family() != scheme.englishFont || current.pointSizeF() != scheme.pointSize)
      Memo1->setFont(scheme.latinFont());
    ColourModel()->colourAll(scheme);
    dropCaretColour(Memo1);
  }
  HLLines = DocLines();
  HLLength = DocLength();
}

void TWorkForm::fwdcoloring(const QColor& color, std::string_view terminator) {
  const std::int32_t start = Memo1->selStart();
  const auto length = qm::highlight::fwdColoringLength(DocText(), static_cast<std::size_t>(start), terminator);
  if (!length || *length == 0) return;
  QuietEdit quiet(Memo1);
  const int from = Memo1->positionOf(start);
  const int to = Memo1->positionOf(start + static_cast<std::int32_t>(*length));
  ColourModel()->overrideColour(from, to - from, color);
}

QColor TWorkForm::TypingColour() const {
  const QColor own = Memo1->palette().color(QPalette::Text);
  const QTextCursor c = Memo1->textCursor();
  const QTextCharFormat f = c.charFormat();
  if (f.hasProperty(QTextFormat::ForegroundBrush)) return f.foreground().color();
  if (!colours_) return own;
  // The toolkit types in the format of the character left of the caret, or
  // of the first character at the start of a line that has one.
  const QTextBlock b = c.block();
  const int at = c.position() == b.position() && b.length() > 1 ? c.position() : c.position() - 1;
  if (at < 0) return colours_->active() ? colours_->scheme().text : own;
  return colours_->colourAt(at, own);
}

void TWorkForm::ColourCodingSwitched(bool on) {
  if (on) {
    DoHighLight();
    return;
  }
  QuietEdit quiet(Memo1);
  ColourModel()->switchOff();
  dropCaretColour(Memo1);
}

void TWorkForm::TypingColourRules(char16_t c) {
  const qm::ColourScheme s = CurrentScheme();
  const std::string& text = DocText();
  const auto p = static_cast<std::size_t>(Memo1->selStart());
  const char before = p > 0 && p <= text.size() ? text[p - 1] : '\0';
  const char after = p < text.size() ? text[p] : '\0';
  auto leftOfCaret = [&](std::string_view what) {
    return p >= what.size() && std::string_view(text).substr(p - what.size(), what.size()) == what;
  };

  QColor typing = TypingColour();
  auto setTyping = [&](const QColor& col) {
    Memo1->setTypingColor(col);
    typing = col;
  };
  if (c != 8 && (before == '>' || after == '<') && typing == s.tag) setTyping(s.text);
  if (c == '<' && (typing == s.text || typing == s.tag)) {
    fwdcoloring(s.tag, ">");
    setTyping(s.tag);
  }
  if (c == '>') {
    if (typing == s.tag) {
      PendingFwdColor = true;
      PendingColor = s.text;
    }
    if (typing == s.remark && leftOfCaret("--")) {
      setTyping(s.text);
      PendingFwdColor = true;
      PendingColor = s.text;
    }
  }
  if (c == '-' && leftOfCaret("<!-")) {
    fwdcoloring(s.remark, "-->");
    setTyping(s.remark);
  }
}

void TWorkForm::BackspaceColourRules() {
  const qm::ColourScheme s = CurrentScheme();
  const std::string& text = DocText();
  const auto p = static_cast<std::size_t>(Memo1->selStart());
  const char before = p > 0 && p <= text.size() ? text[p - 1] : '\0';
  const QColor typing = TypingColour();
  if (before == '<' && typing == s.tag) {
    fwdcoloring(s.text, "<");
    Memo1->setTypingColor(s.text);
  } else if (before == '>' && typing == s.tag) {
    fwdcoloring(s.tag, ">");
    Memo1->setTypingColor(s.tag);
  }
}
