// Markup insertion into the active document, the commands of the palette,
// the popup menus and the Edit and Tools menus, the quick-edit line and the
// keyboard-language switching.
//
// Every insertion is one step of the active page (PageView): exactly one undo
// snapshot and one colouring, also when it puts in several lines or wraps a
// selection in two tags, and in Hebrew edit mode (which ends first).
#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QTextDocument>
#include <QToolBar>
#include <algorithm>

#include "app/Html_U.h"
#include "core/hebrew/VisualHebrew.h"
#include "core/markup/Entities.h"
#include "core/markup/WizardMarkup.h"
#include "core/text/Encoding.h"
#include "editor/Work_F.h"
#include "hebrew/HebEdit.h"
#include "platform/Cp1255Bridge.h"
#include "platform/KeyboardLayout.h"
#include "platform/Prompts.h"

namespace {

constexpr const char* kCrLf = "\r\n";

std::int32_t len(const std::string& s) { return static_cast<std::int32_t>(s.size()); }

// Puts the selected text between the two tags as one step and selects it
// again between them.
void wrapSelection(qm::PageView* page, const std::string& programOpen, const std::string& programClose) {
  const std::string open = page->PageFromProgram(programOpen);
  const std::string close = page->PageFromProgram(programClose);
  page->PageOneStep([&] {
    const std::int32_t start = page->PageSelStart();
    const std::int32_t length = page->PageSelLength();
    page->PageReplaceSelection(open + page->PageSelectedText() + close);
    page->PageSelect(start + len(open), length);
  });
}

// Replaces the whole text of a page by a function of it, as one undo step
// (PageReplaceAll).
template <class Transform>
void ReplaceWholeText(qm::PageView* page, Transform transform) {
  page->PageReplaceAll(transform(page->PageText()));
}

// Focus, key and mouse events of the quick-edit field and its bar.
class QuickEditEvents : public QObject {
 public:
  explicit QuickEditEvents(TForm1* form) : QObject(form), form_(form) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Focus that comes and goes with the whole window (another program
    // activated, a menu opened) is no entering or leaving of the field: the
    // keyboard layout is shared with the other programs and must not change.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    }
    if (watched == form_->Edit1) {
      switch (event->type()) {
        // The bar itself never takes the focus: entering the field enters it.
        case QEvent::FocusIn:
          form_->Panel2Enter();
          form_->Edit1Enter();
          break;
        case QEvent::FocusOut: form_->Edit1Exit(); break;
        case QEvent::KeyPress: form_->Edit1KeyDown(); break;
        case QEvent::KeyRelease: form_->Edit1KeyUp(); break;
        case QEvent::MouseButtonPress: form_->Edit1MouseDown(); break;
        case QEvent::MouseButtonRelease: form_->Edit1Click(); break;
        default: break;
      }
    } else if (watched == form_->Panel2) {
      switch (event->type()) {
        case QEvent::MouseButtonRelease: form_->Panel2Click(); break;
        case QEvent::Resize: form_->Panel2Resize(); break;
        default: break;
      }
    }
    return false;
  }

 private:
  TForm1* form_;
};

}  // namespace

// ---- Insertion --------------------------------------------------------------

void TForm1::insrt2(const std::string& s) {
  if (qm::PageView* page = ActivePage()) page->PageReplaceSelection(page->PageFromProgram(s));
}

void TForm1::insrt2ln(const std::string& s) {
  if (textRequestActive_) return;
  insrt2(s + kCrLf);
}

void TForm1::insrt2smrt(const std::string& open, const std::string& close) {
  qm::PageView* page = ActivePage();
  if (!page) return;
  if (page->PageSelLength() <= 0 || !optionChecked("N24")) {
    insrt2ln(open);
    return;
  }
  wrapSelection(page, open, close);
}

void TForm1::insrt2smrt2(const std::string& open, const std::string& close) {
  qm::PageView* page = ActivePage();
  if (!page) return;
  if (page->PageSelLength() > 0 && optionChecked("N24")) {
    wrapSelection(page, open, close);
    return;
  }
  // Both tags replace the selection, the caret between them.
  page->PageOneStep([&] {
    const std::int32_t start = page->PageSelStart();
    page->PageReplaceSelection(page->PageFromProgram(open + close));
    page->PageSelect(start + len(page->PageFromProgram(open)), 0);
  });
}

void TForm1::TInsert(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kCrLf;
  }
  insrt2(text);
}

std::string TForm1::PickColor() {
  QColor initial(Qt::black);
  if (lastPickedColor_.size() == 6) {
    const QColor last(QStringLiteral("#") + QString::fromLatin1(lastPickedColor_.c_str()));
    if (last.isValid()) initial = last;
  }
  const std::optional<QColor> chosen = qm::prompts().color(this, initial);
  if (!chosen || !chosen->isValid()) return {};
  lastPickedColor_ = QStringLiteral("%1%2%3")
                        .arg(chosen->red(), 2, 16, QLatin1Char('0'))
                        .arg(chosen->green(), 2, 16, QLatin1Char('0'))
                        .arg(chosen->blue(), 2, 16, QLatin1Char('0'))
                        .toUpper()
                        .toStdString();
  return lastPickedColor_;
}

std::string TForm1::TruncPath(std::string_view path, qm::PathOrigin origin) const {
  return qm::TruncPath(path, optionChecked("N23"), origin);
}

// ---- Commands ---------------------------------------------------------------

void TForm1::connectInsertCommands() {
  auto on = [this](const char* name, Command c) { setCommand(QString::fromLatin1(name), std::move(c)); };
  // A command that needs a document does nothing without one.
  auto withDoc = [this](std::function<void(TWorkForm*)> f) -> Command {
    return [this, f = std::move(f)] {
      if (TWorkForm* w = AWForm()) f(w);
    };
  };
  auto text = [this](std::string s) -> Command { return [this, s = std::move(s)] { insrt2(s); }; };
  auto line = [this](std::string s) -> Command { return [this, s = std::move(s)] { insrt2ln(s); }; };
  auto wrapA = [this](std::string o, std::string c) -> Command {
    return [this, o = std::move(o), c = std::move(c)] { insrt2smrt(o, c); };
  };
  auto wrapB = [this](std::string o, std::string c) -> Command {
    return [this, o = std::move(o), c = std::move(c)] { insrt2smrt2(o, c); };
  };

  // Tool bar and Edit menu.
  for (const char* n : {"ToolButton5", "N7"}) on(n, withDoc([](TWorkForm* w) { w->VisibleEditorAction(TWorkForm::EditAction::Copy); }));
  for (const char* n : {"ToolButton6", "N8"}) on(n, withDoc([](TWorkForm* w) { w->VisibleEditorAction(TWorkForm::EditAction::Cut); }));
  for (const char* n : {"ToolButton7", "N9"}) on(n, withDoc([](TWorkForm* w) { w->VisibleEditorAction(TWorkForm::EditAction::Paste); }));
  for (const char* n : {"ToolButton9", "N12"}) on(n, withDoc([](TWorkForm* w) { w->RestoreUndoBuf(); }));
  on("N57", withDoc([](TWorkForm* w) { w->RedoUndoBuf(); }));
  on("N20", withDoc([](TWorkForm* w) { w->VisibleEditorAction(TWorkForm::EditAction::SelectAll); }));

  // Palette page "בסיסי".
  on("BrB", text("<BR>"));
  on("SpeedButton1", wrapA("<P ALIGN=LEFT>", "</P>"));
  on("SpeedButton2", wrapA("<CENTER>", "</CENTER>"));
  on("SpeedButton3", wrapA("<P ALIGN=RIGHT>", "</P>"));
  on("SpeedButton4", wrapA("<P>", "</P>"));
  on("SpeedButton5", line("<HR>"));
  // Cancelling the colour dialog inserts nothing, which removes a selected text.
  on("SpeedButton12", [this] { insrt2(PickColor()); });
  on("SpeedButton7", wrapB("<!--", "-->"));

  // "גופנים".
  on("SpeedButton9", wrapB("<B>", "</B>"));
  on("SpeedButton10", wrapB("<I>", "</I>"));
  on("SpeedButton11", wrapB("<U>", "</U>"));

  // "מסגרות".
  on("SpeedButton14", line("<FRAMESET></FRAMESET>"));
  on("SpeedButton15", line("<FRAME>"));
  on("SpeedButton16", line("<IFRAME></IFRAME>"));
  on("SpeedButton17", line("<NOFRAMES></NOFRAMES>"));
  on("SpeedButton18", line("SCROLLING=\"\""));
  on("SpeedButton19", line("FRAME SRC=\"\""));
  on("SpeedButton20", line("<BASE TARGET=\"\">"));
  on("SpeedButton21", line("FRAMEBORDER=\"\""));

  // "טבלאות": the table's two lines are one insertion (one undo step).
  on("SpeedButton23", [this] {
    if (textRequestActive_) return;
    insrt2(std::string("<TABLE>") + kCrLf + "</TABLE>" + kCrLf);
  });
  on("SpeedButton24", line("<TR></TR>"));
  on("SpeedButton25", line("<TD></TD>"));
  on("SpeedButton26", line("<TH></TH>"));
  on("SpeedButton27", line("<CAPTION></CAPTION>"));

  // Popup menus.
  for (int h = 1; h <= 6; ++h) {
    const std::string n = std::to_string(h);
    setCommand(QStringLiteral("H%1").arg(h) + QLatin1Char('1'), wrapB("<H" + n + ">", "</H" + n + ">"));
  }
  on("N51", wrapB("<%", "%>"));
  on("includefile1", wrapB("<!--#include file=\"", "\"-->"));
  on("N54", wrapB("<%=", "%>"));
  on("If1", wrapB("<% If ", " %>"));
  on("EndIf1", text("<% End If %>"));
  on("includefile2", wrapB("<!--#include file=\"", "\" -->"));
  on("execcgi1", wrapB("<!--#exec cgi=\"", "\" -->"));
  on("label1", wrapB("<!--#label=\"", "\" -->"));
  on("goto1", wrapB("<!--#goto=\"", "\" -->"));
  on("break1", text("<!--#break -->"));
  on("MenuItem31", wrapB("<? ", " ?>"));
  on("MenuItem32", wrapB("<? include (\"", "\"); ?>"));
  on("MenuItem33", wrapB("<? require (\"", "\"); ?>"));
  on("MenuItem34", wrapB("<? echo ", " ?>"));
  on("MenuItem35", wrapB("<? if (", ") { } else { } ?>"));
  // The server-variable menus: each item's caption is the variable's name.
  const struct {
    const char* menu;
    const char* before;
    const char* after;
  } variableMenus[] = {{"PopupMenu4", "<%= Request.ServerVariables(\"", "\") %>"},
                       {"PopupMenu6", "<!--#ECHO VAR=\"", "\" -->"}};
  for (const auto& vm : variableMenus) {
    const QMenu* menu = SubMenu(QString::fromLatin1(vm.menu));
    if (!menu) continue;
    for (const QAction* item : menu->actions()) {
      if (item->isSeparator() || item->objectName().isEmpty()) continue;
      setCommand(item->objectName(), text(vm.before + qm::toCp1255(item->text()) + vm.after));
    }
  }

  // Tools menu.
  const QString sure = QStringLiteral("?  האם אתה בטוח");
  on("N33", withDoc([this, sure](TWorkForm* w) {
       if (qm::prompts().okCancel(this, sure) != qm::Answer::Ok) return;
       ReplaceWholeText(w, [](const std::string& t) { return qm::wizard::RemovePathNames(t); });
     }));
  on("N34", withDoc([this, sure](TWorkForm* w) {
       if (qm::prompts().okCancel(this, sure) != qm::Answer::Ok) return;
       ReplaceWholeText(w, [](const std::string& t) { return qm::StripTag(t); });
     }));
  on("NCIE1", withDoc([](TWorkForm* w) {
       const bool utf8 = w->Memo1->utf8();
       ReplaceWholeText(w, [utf8](const std::string& t) { return qm::convertEntityHebrew(t, utf8); });
     }));

  // Hebrew menu: the Hebrew edit mode of the document.
  on("N48", withDoc([](TWorkForm* w) { w->HebEditMode(); }));
}

// ---- The quick-edit line ----------------------------------------------------

void TForm1::connectQuickEdit() {
  auto* events = new QuickEditEvents(this);
  Edit1->installEventFilter(events);
  qm::switchLanguageOnFocus(Edit1, qm::Language::Hebrew, qm::Language::English);
  Panel2->installEventFilter(events);
  connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
}

void TForm1::RefreshQEdit() {
  TWorkForm* w = AWForm();
  if (!w) {
    Edit1->clear();
    return;
  }
  const std::int32_t y = w->Memo1->caretLine();
  const auto& buf = w->LineBuf();
  if (Panel2->isHidden() || quickEditActive_ || y < 0 || static_cast<std::size_t>(y) >= buf.lineCount()) return;
  const qm::HebrewStandard standard = isoVisual() ? qm::HebrewStandard::IsoVisual : qm::HebrewStandard::WinLogical;
  const std::string_view line = buf.line(static_cast<std::size_t>(y));
  // A logical UTF-8 line is shown as it is stored, every character of it; the
  // code pages (and a UTF-8 page kept visual) go through the Hebrew order.
  if (w->Memo1->utf8() && standard == qm::HebrewStandard::WinLogical) {
    Edit1->setText(qm::editorString(line, true));
  } else {
    Edit1->setText(qm::fromCp1255(qm::xferheb(w->PageToProgram(line), true, true, standard)));
  }
}

void TForm1::Edit1Change() {
  TWorkForm* w = AWForm();
  if (!quickEditActive_ || !w) return;
  // The field edits the page's source: Hebrew edit mode would write its own
  // text back over the change when it ends.
  w->LeaveHebrewMode();
  qm::RichEdit* m = w->Memo1;
  const auto& buf = w->LineBuf();
  const std::size_t y = static_cast<std::size_t>(std::max(0, m->caretLine()));
  if (y >= buf.editLineCount()) return;
  const qm::HebrewStandard standard = isoVisual() ? qm::HebrewStandard::IsoVisual : qm::HebrewStandard::WinLogical;
  std::string bytes;
  if (m->utf8() && standard == qm::HebrewStandard::WinLogical) {
    const QString typed = Edit1->text();
    const std::u16string_view units(reinterpret_cast<const char16_t*>(typed.utf16()), static_cast<std::size_t>(typed.size()));
    bytes = qm::encoding::encode(units, qm::encoding::Charset::Utf8).bytes;
  } else {
    bytes = w->PageFromProgram(qm::xferheb(qm::toCp1255(Edit1->text()), true, true, standard));
  }
  m->select(static_cast<std::int32_t>(buf.lineStart(y)), static_cast<std::int32_t>(buf.lineLength(y)));
  m->replaceSelection(bytes);
}

void TForm1::Edit1Enter() {
  quickEditActive_ = true;
  if (AWForm()) {
    Edit1->setEnabled(true);
  } else {
    Edit1->clear();
    Edit1->setEnabled(false);
  }
}

void TForm1::Edit1Exit() { quickEditActive_ = false; }

void TForm1::Edit1KeyDown() { quickEditActive_ = true; }
void TForm1::Edit1KeyUp() { quickEditActive_ = true; }
void TForm1::Edit1Click() { quickEditActive_ = true; }

void TForm1::Edit1MouseDown() {
  quickEditActive_ = true;
  qm::SetHebrew();
}

void TForm1::Panel2Click() {
  RefreshQEdit();
  quickEditActive_ = true;
}

void TForm1::Panel2Enter() {
  // The field shows and edits a line of the page's source: Hebrew edit mode
  // ends first, keeping what was typed in it.
  if (TWorkForm* w = AWForm()) w->LeaveHebrewMode();
  RefreshQEdit();
  quickEditActive_ = true;
}

void TForm1::Panel2Resize() { Edit1->setFixedWidth(std::max(0, Panel2->width() - Label2->width() - 45)); }
