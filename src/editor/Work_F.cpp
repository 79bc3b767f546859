#include "editor/Work_F.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "core/hebrew/LineReorder.h"
#include "core/hebrew/SourceBidi.h"
#include "core/util/Paths.h"
#include "platform/Application.h"
#include "platform/Browser.h"
#include "platform/EditorSettings.h"
#include "platform/FileIO.h"
#include "platform/KeyboardLayout.h"
#include "platform/Prompts.h"

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setToolTip(hint);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

QAction* makeAction(QMenu* menu, const char* name, const QString& caption) {
  auto* a = menu->addAction(caption);
  a->setObjectName(QString::fromLatin1(name));
  return a;
}

const qm::EditorSettings kDefaultSettings;

}  // namespace

TWorkForm::TWorkForm(qm::DocumentHost* host, QWidget* parent) : QWidget(parent), host_(host) {
  setObjectName(QStringLiteral("WorkForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  setLayoutDirection(Qt::RightToLeft);
  resize(552, 368);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  auto* client = new QWidget(this);
  auto* clientLayout = new QHBoxLayout(client);
  clientLayout->setContentsMargins(0, 0, 0, 0);
  clientLayout->setSpacing(0);
  // Left to right regardless of the window's direction: the scroll bar sits at the left edge.
  client->setLayoutDirection(Qt::LeftToRight);

  ScrollBar1 = new QScrollBar(Qt::Vertical, client);
  ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
  ScrollBar1->setFixedWidth(16);
  ScrollBar1->hide();
  clientLayout->addWidget(ScrollBar1);

  Memo1 = new qm::RichEdit(client);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  // Source lines run left to right, also those whose first letter is Hebrew
  // (a comment or a text line): markup in source order, each Hebrew run read
  // right to left by itself; a visual page's lines exactly as stored.
  Memo1->setRightToLeft(false);
  Memo1->setLineOrder([this] { return VisualPage() ? qm::bidi::Order::Stored : qm::bidi::Order::Logical; });
  clientLayout->addWidget(Memo1);

  RichEdit1 = new qm::RichEdit(client);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setRightToLeft(true);
  // Each line stands as in Memo1, right-aligned: a visual page's lines come
  // here reordered, and are shown in the order they were stored in.
  RichEdit1->setLineOrder([this] { return VisualPage() ? qm::bidi::Order::Reordered : qm::bidi::Order::Logical; });
  // ScrollBar1 beside RichEdit1 scrolls it up and down; a line wider than the
  // view scrolls sideways.
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  RichEdit1->hide();
  clientLayout->addWidget(RichEdit1);

  WebBrowser1 = new QWidget(client);
  WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
  WebBrowser1->hide();
  clientLayout->addWidget(WebBrowser1);
  outer->addWidget(client, 1);

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(22);
  auto* bar = new QHBoxLayout(Panel1);
  bar->setContentsMargins(2, 0, 2, 0);
  bar->setSpacing(2);
  Button1 = makeButton(Panel1, "Button1", QStringLiteral("אשף העברית"), QStringLiteral("עריכת/הוספת עברית"));
  Button4 = makeButton(Panel1, "Button4", QStringLiteral("ע->>"), QStringLiteral("הפיכת עברית חצי לוגית"));
  Button2 = makeButton(Panel1, "Button2", QStringLiteral("עריכה"), QStringLiteral("עריכת העמוד בטקסט"));
  Button3 = makeButton(Panel1, "Button3", QStringLiteral("תצוגה"), QStringLiteral("תצוגה מקדימה של העמוד"));
  BitBtn1 = makeButton(Panel1, "BitBtn1", QStringLiteral("חזור"), QStringLiteral("חזרה אחורה"));
  BitBtn2 = makeButton(Panel1, "BitBtn2", QStringLiteral("רענן"), QStringLiteral("רענון התצוגה"));
  BitBtn1->setEnabled(false);
  BitBtn2->setEnabled(false);
  Label1 = new QLabel(Panel1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Label1->setMinimumWidth(60);
  for (QWidget* w : {static_cast<QWidget*>(Button1), static_cast<QWidget*>(Button4), static_cast<QWidget*>(Button2),
                     static_cast<QWidget*>(Button3), static_cast<QWidget*>(BitBtn1), static_cast<QWidget*>(BitBtn2)})
    bar->addWidget(w);
  bar->addStretch(1);
  bar->addWidget(Label1);
  outer->addWidget(Panel1);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  PopupMenu1->setLayoutDirection(Qt::RightToLeft);
  N1 = makeAction(PopupMenu1, "N1", QStringLiteral("העתק"));
  N2 = makeAction(PopupMenu1, "N2", QStringLiteral("גזור"));
  N3 = makeAction(PopupMenu1, "N3", QStringLiteral("הדבק"));
  N5 = makeAction(PopupMenu1, "N5", QStringLiteral("בחר הכל"));
  N4 = makeAction(PopupMenu1, "N4", QStringLiteral("בטל"));
  PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N6"));
  N7 = makeAction(PopupMenu1, "N7", QStringLiteral("חפש"));
  N8 = makeAction(PopupMenu1, "N8", QStringLiteral("החלף"));
  PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N9"));
  N10 = makeAction(PopupMenu1, "N10", QStringLiteral("לך לשורה"));
  connect(N1, &QAction::triggered, Memo1, &QPlainTextEdit::copy);
  connect(N2, &QAction::triggered, Memo1, &QPlainTextEdit::cut);
  connect(N3, &QAction::triggered, Memo1, &QPlainTextEdit::paste);
  connect(N5, &QAction::triggered, Memo1, &QPlainTextEdit::selectAll);
  connect(N4, &QAction::triggered, this, qm::guarded(this, &TWorkForm::RestoreUndoBuf));
  connect(N7, &QAction::triggered, this, qm::guarded(this, &TWorkForm::FindRequested));
  connect(N8, &QAction::triggered, this, qm::guarded(this, &TWorkForm::ReplaceRequested));
  connect(N10, &QAction::triggered, this, qm::guarded(this, &TWorkForm::GoToLineRequested));

  connect(Memo1, &qm::RichEdit::changed, this, &TWorkForm::Memo1Change);
  connect(Memo1, &qm::RichEdit::modifiedChanged, this, [this](bool on) {
    if (QMdiSubWindow* sub = SubWindow()) sub->setWindowModified(on);
    emit StatusChanged();
  });
  connect(Memo1, &qm::RichEdit::selectionMoved, this, &TWorkForm::Memo1SelectionChange);
  connect(Memo1, &qm::RichEdit::focusEntered, this, &TWorkForm::Memo1Enter);
  connect(Memo1, &qm::RichEdit::undoRequested, this, &TWorkForm::RestoreUndoBuf);
  connect(Memo1, &qm::RichEdit::redoRequested, this, &TWorkForm::RedoUndoBuf);
  connect(Memo1, &qm::RichEdit::keyPressed, this, &TWorkForm::Memo1KeyPress);
  connect(Memo1, &qm::RichEdit::keyReleased, this, &TWorkForm::Memo1KeyUp);
  connect(Memo1, &qm::RichEdit::contextMenuRequested, this, [this](const QPoint& p) { PopupMenu1->popup(p); });
  connect(RichEdit1, &qm::RichEdit::selectionMoved, this, &TWorkForm::RichEdit1SelectionChange);
  connect(RichEdit1, &qm::RichEdit::undoRequested, this, &TWorkForm::RestoreUndoBuf);
  connect(RichEdit1, &qm::RichEdit::redoRequested, this, &TWorkForm::RedoUndoBuf);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int v) { RichEdit1->setScrollPosition(v); });
  // Drops reach the viewport or, when it declines them, the control itself.
  Memo1->installEventFilter(this);
  Memo1->viewport()->installEventFilter(this);
  connect(Button4, &QPushButton::clicked, this, qm::guarded(this, &TWorkForm::HebEditMode));
  // The program coming back to the front activates the page the user sees.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive && IsActiveDocument()) CheckOutsideChange();
  });
  connect(Button3, &QPushButton::clicked, this, qm::guarded(this, &TWorkForm::PreviewMode));
  connect(Button2, &QPushButton::clicked, this, qm::guarded(this, &TWorkForm::EditMode));
  connect(BitBtn1, &QPushButton::clicked, this, qm::guarded(this, &TWorkForm::BitBtn1Click));
  connect(BitBtn2, &QPushButton::clicked, this, qm::guarded(this, &TWorkForm::BitBtn2Click));
  connect(Button1, &QPushButton::clicked, this, qm::guarded(this, &TWorkForm::HebrewWindowRequested));

  // Creation: the ring starts empty and records nothing until the main
  // window has filled the editor.
  undoSuspended_ = true;
  hebMode_ = false;
  ApplyLook();
}

const qm::EditorSettings& TWorkForm::Settings() const { return host_ ? host_->Editor() : kDefaultSettings; }

bool TWorkForm::IsoStandard() const { return PageStandard == qm::HebrewStandard::IsoVisual; }

void TWorkForm::SetPageStandard(qm::HebrewStandard standard) {
  if (standard == PageStandard) return;
  // Hebrew edit mode reorders by the standard it was entered with.
  LeaveHebrewMode();
  PageStandard = standard;
  emit StatusChanged();
}

bool TWorkForm::VisualPage() const { return IsoStandard(); }

void TWorkForm::EditorSettingsChanged() {
  ApplyLook();
  DoHighLight();
}

void TWorkForm::ApplyLook() {
  const qm::EditorSettings& s = Settings();
  Memo1->setBackgroundColor(qm::colorFromBgr(s.MemoBackground));
  QFont f(s.EnglishFont);
  f.setPointSizeF(s.SourcePointSize());
  Memo1->setFont(f);
  f.setPointSizeF(s.HebrewEditPointSize());
  RichEdit1->setFont(f);
  Memo1->setLineNumbers(s.LineNumbers);
  RichEdit1->setLineNumbers(s.LineNumbers);
}

TWorkForm::~TWorkForm() = default;

QMdiSubWindow* TWorkForm::SubWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void TWorkForm::SetCaption(const QString& caption) {
  setWindowTitle(caption);
  // The frame shows the path left to right: in the right-to-left interface a
  // leading "/" would otherwise be drawn at the far end ("tmp/a.htm/").
  // "[*]": the frame shows a "*" while the page has unsaved changes.
  if (QMdiSubWindow* sub = SubWindow()) {
    sub->setWindowTitle(QChar(0x200E) + caption + QStringLiteral("[*]"));
    sub->setWindowModified(Memo1->modified());
  }
}

bool TWorkForm::IsMaximized() const {
  const QMdiSubWindow* sub = SubWindow();
  return sub ? sub->isMaximized() : isMaximized();
}

void TWorkForm::SetFileName(const QString& path) {
  SetCaption(path);
  hasFileName_ = true;
}

void TWorkForm::SetUntitled(const QString& caption) {
  SetCaption(caption);
  hasFileName_ = false;
  disk_.clear();
}

// ------------------------------------------------------------------ activation and focus

void TWorkForm::FormActivate() {
  Memo1->viewport()->update();
  emit Activated();
  CheckOutsideChange();
}

bool TWorkForm::IsActiveDocument() const {
  const QMdiSubWindow* sub = SubWindow();
  return sub && sub->mdiArea() && sub->mdiArea()->activeSubWindow() == sub;
}

void TWorkForm::Memo1Enter() {
  colorSuspended_ = false;
  qm::SetEnglish();
  HLLines = DocLines();
  // A one-character change right after entering counts as a drift of about
  // a hundred characters, which starts a full colouring.
  HLLength = DocLength() + 100;
  Memo1->viewport()->update();
  emit SourceTyping();
  emit CaretMoved();
}

// ------------------------------------------------------------------ change pipeline

void TWorkForm::Memo1Change() {
  if (PendingFwdColor) {
    PendingFwdColor = false;
    Memo1->setTypingColor(PendingColor);
    fwdcoloring(PendingColor, "<");
  }
  const std::int32_t length = DocLength();
  const bool due = std::abs(lastLength_ - length) >= 10 || std::abs(HLLength - length) >= Settings().RefreshEveryXChrs;
  lastLength_ = length;
  if (!undoSuspended_) SaveToUndoBuf();
  if (due && !colorSuspended_ && Memo1->isVisible() && Memo1->hasFocus()) DoHighLight();
}

void TWorkForm::Memo1SelectionChange() {
  Label1->setText(QString::number(Memo1->caretLine()) + ":" + QString::number(Memo1->caretColumn()));
  emit CaretMoved();
  emit StatusChanged();
}

void TWorkForm::RichEdit1SelectionChange() {
  Label1->setText(QString::number(RichEdit1->caretLine()) + ":" + QString::number(RichEdit1->caretColumn()));
}

void TWorkForm::Memo1KeyPress(QKeyEvent* e, bool& handled) {
  handled = false;
  char16_t c = 0;
  if (e->key() == Qt::Key_Backspace) {
    BackspaceColourRules();
    c = 8;
  } else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    c = 13;
  } else if (!e->text().isEmpty() && !(e->modifiers() & Qt::ControlModifier)) {
    c = e->text().at(0).unicode();
  }
  if (c == 0) return;
  PendingFwdColor = false;
  colorSuspended_ = false;
  emit SourceTyping();
  TypingColourRules(c);
}

void TWorkForm::Memo1KeyUp(QKeyEvent* e) {
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && (!host_ || host_->AutoIndent())) OrientCursor();
}

void TWorkForm::OrientCursor() {
  const auto& buf = LineBuf();
  std::size_t line = static_cast<std::size_t>(Memo1->caretLine());
  while (line > 0) {
    --line;
    if (line >= buf.editLineCount()) continue;
    const std::string_view text = buf.line(line);
    if (text.empty()) continue;
    const std::size_t spaces = std::min(text.find_first_not_of(' '), text.size());
    if (spaces > 0) {
      const bool old = colorSuspended_;
      colorSuspended_ = true;
      Memo1->replaceSelection(std::string(spaces, ' '));
      colorSuspended_ = old;
    }
    return;
  }
}

// ------------------------------------------------------------------ undo

void TWorkForm::SaveToUndoBuf() {
  if (undoSuspended_) return;
  // The ring's newest snapshot is the text as it was at the last mark, so
  // only what changed since then is compared.
  const auto same = Memo1->unchangedSinceMark();
  undo_.push(DocText(), Memo1->selStart(), Memo1->selLength(), same.head, same.tail);
  Memo1->markUnchanged();
}

// ------------------------------------------------------------------ one-step edits

namespace {

// Runs an edit of Memo1 as one step: no undo snapshot and no colouring while
// it works, painting suspended; then (also when the edit throws) one snapshot
// if the text changed and one full colouring. Nested steps count as one.
class OneStep {
 public:
  OneStep(TWorkForm* w, bool& undoSuspended, bool& colorSuspended, int& depth)
      : w_(w), undo_(undoSuspended), colour_(colorSuspended), depth_(depth),
        oldUndo_(undoSuspended), oldColour_(colorSuspended) {
    if (depth_++ > 0) return;
    undo_ = true;
    colour_ = true;
    w_->Memo1->suspendUpdates();
  }
  ~OneStep() {
    if (--depth_ > 0) return;
    w_->Memo1->resumeUpdates();
    undo_ = oldUndo_;
    colour_ = oldColour_;
    w_->SaveToUndoBuf();
    if (!colour_) w_->DoHighLight();
  }
  OneStep(const OneStep&) = delete;
  OneStep& operator=(const OneStep&) = delete;

 private:
  TWorkForm* w_;
  bool& undo_;
  bool& colour_;
  int& depth_;
  bool oldUndo_;
  bool oldColour_;
};

}  // namespace

void TWorkForm::PageOneStep(const std::function<void()>& edits) {
  // Hebrew edit mode writes its own editor back over Memo1 when it ends:
  // leave it first, so the edit stays.
  LeaveHebrewMode();
  OneStep step(this, undoSuspended_, colorSuspended_, oneStepDepth_);
  edits();
}

const std::string& TWorkForm::PageText() {
  CommitHebrewEdits();
  return DocText();
}

std::int32_t TWorkForm::PageSelStart() {
  LeaveHebrewMode();
  return Memo1->selStart();
}

std::int32_t TWorkForm::PageSelLength() {
  LeaveHebrewMode();
  return Memo1->selLength();
}

std::string TWorkForm::PageSelectedText() {
  LeaveHebrewMode();
  return Memo1->selectedBytes();
}

void TWorkForm::PageFocus() { (hebMode_ ? RichEdit1 : Memo1)->setFocus(); }

void TWorkForm::PageSelect(std::int32_t start, std::int32_t length) {
  LeaveHebrewMode();
  Memo1->select(start, length);
}

void TWorkForm::PageReplaceAll(const std::string& bytes) {
  PageOneStep([&] { Memo1->setText(bytes); });
}

void TWorkForm::PageReplaceSelection(const std::string& bytes, bool selectResult) {
  PageOneStep([&] {
    const std::int32_t start = Memo1->selStart();
    Memo1->replaceSelection(bytes);
    if (selectResult) Memo1->select(start, static_cast<std::int32_t>(bytes.size()));
  });
}

void TWorkForm::RestoreUndoBuf() {
  if (undo_.count() < 2 || hebMode_) {
    qm::prompts().beep();
    return;
  }
  ShowUndoSnapshot(*undo_.stepBack());
}

void TWorkForm::RedoUndoBuf() {
  if (undo_.forwardCount() == 0 || hebMode_) {
    qm::prompts().beep();
    return;
  }
  ShowUndoSnapshot(*undo_.stepForward());
}

void TWorkForm::ShowUndoSnapshot(const qm::undo::Snapshot& s) {
  undoSuspended_ = true;
  // The editor is not repainted while its text is replaced, and the change
  // this makes does not colour: the one full colouring follows.
  const bool colorSuspended = colorSuspended_;
  colorSuspended_ = true;
  Memo1->suspendUpdates();
  Memo1->setText(s.text);
  // The editor holds the ring's newest snapshot again, unless it had to
  // change it on the way in: then the next snapshot compares all of it.
  if (Memo1->text() == s.text) Memo1->markUnchanged();
  else Memo1->forgetUnchanged();
  Memo1->resumeUpdates();
  colorSuspended_ = colorSuspended;
  DoHighLight();
  undoSuspended_ = false;
  // The restored text is not what the file holds (as far as anyone knows),
  // so closing still asks to save it.
  Memo1->setModified(true);
  Memo1->select(s.selStart, s.selLength);
  Memo1->setFocus();
}

// ------------------------------------------------------------------ Hebrew edit mode

void TWorkForm::HebEditMode() { SetHebrewMode(!hebMode_, true); }

void TWorkForm::LeaveHebrewMode() {
  if (hebMode_) SetHebrewMode(false, false);
}

void TWorkForm::SetHebrewMode(bool on, bool takeFocus) {
  if (on == hebMode_) return;
  const bool iso = IsoStandard();
  Button4->setText(on ? QStringLiteral("<<-ע") : QStringLiteral("ע->>"));
  Button1->setEnabled(!on);
  Button2->setEnabled(!on);
  Button3->setEnabled(!on);
  if (on) {
    const std::string& s = DocText();
    const int p = Memo1->scrollPosition();
    const std::string t = iso ? qm::hebrew::reorderLines(s) : s;
    hebSelStart_ = Memo1->selStart();
    hebSelLength_ = Memo1->selLength();
    const int minimum = Memo1->scrollMinimum();
    const int maximum = Memo1->scrollMaximum();
    Memo1->hide();
    RichEdit1->suspendUpdates();
    RichEdit1->setText(t);
    RichEdit1->resumeUpdates();
    RichEdit1->show();
    RichEdit1->select(hebSelStart_, hebSelLength_);
    ScrollBar1->setRange(minimum, maximum);
    ScrollBar1->setValue(p);
    ScrollBar1->show();
    RichEdit1->setScrollPosition(p);
    if (takeFocus) RichEdit1->setFocus();
    RichEdit1->setModified(false);
    hebMode_ = true;
  } else {
    const std::string& s = RichEdit1->text();
    const int p = ScrollBar1->value();
    const std::string t = iso ? qm::hebrew::reorderLines(s) : s;
    const std::int32_t start = RichEdit1->selStart();
    const std::int32_t length = RichEdit1->selLength();
    // Hiding the focused editor would hand the keyboard to another widget.
    const bool hadFocus = RichEdit1->hasFocus();
    Memo1->suspendUpdates();
    Memo1->setText(t);
    Memo1->resumeUpdates();
    Memo1->show();
    if (takeFocus || hadFocus) Memo1->setFocus();
    RichEdit1->hide();
    ScrollBar1->hide();
    Memo1->select(start, length);
    Memo1->setScrollPosition(p);
    hebMode_ = false;
    DoHighLight();
  }
  emit HebrewModeChanged(on);
}

void TWorkForm::CommitHebrewEdits() {
  if (!hebMode_) return;
  const std::string& s = RichEdit1->text();
  Memo1->setText(IsoStandard() ? qm::hebrew::reorderLines(s) : s);
}

void TWorkForm::VisibleEditorAction(EditAction action) {
  qm::RichEdit* e = hebMode_ ? RichEdit1 : Memo1;
  switch (action) {
    case EditAction::Copy: e->copy(); break;
    case EditAction::Cut: e->cut(); break;
    case EditAction::Paste: e->paste(); break;
    case EditAction::SelectAll: e->selectAll(); break;
  }
}

// ------------------------------------------------------------------ saving and closing

void TWorkForm::LoadFileBytes(const std::string& fileBytes) {
  Encoding = qm::encoding::detect(fileBytes);
  PageStandard = Encoding.charset == qm::encoding::Charset::Iso8859_8 ? qm::HebrewStandard::IsoVisual
                                                                      : qm::HebrewStandard::WinLogical;
  const std::string_view bytes =
      Encoding.bom ? std::string_view(fileBytes).substr(qm::encoding::kUtf8Bom.size()) : std::string_view(fileBytes);
  fileLineEnd_ = qm::lines::detectLineEnd(bytes);
  std::string text = qm::lines::toCrLf(bytes);
  if (qm::lines::fromCrLf(text, fileLineEnd_) != bytes) {
    mixedLoadedText_ = text;
    mixedFileBytes_ = std::string(bytes);
  } else {
    std::string().swap(mixedLoadedText_);
    std::string().swap(mixedFileBytes_);
  }
  const bool utf8 = Encoding.charset == qm::encoding::Charset::Utf8;
  if (utf8 != Memo1->utf8()) {
    Memo1->setUtf8(utf8, text);
    RichEdit1->setUtf8(utf8, {});
  } else {
    Memo1->setText(text);
  }
  emit StatusChanged();
}

void TWorkForm::LoadNewPage(const std::string& bytes, qm::encoding::Charset charset, qm::HebrewStandard standard) {
  LoadFileBytes(bytes);
  Encoding = {charset, false};
  PageStandard = standard;
  emit StatusChanged();
}

std::string TWorkForm::FromProgramText(std::string_view cp1255) const {
  if (!Memo1->utf8()) return std::string(cp1255);
  return qm::encoding::transcode(cp1255, qm::encoding::Charset::Windows1255, qm::encoding::Charset::Utf8).bytes;
}

std::string TWorkForm::ToProgramText(std::string_view pageBytes) const {
  if (!Memo1->utf8()) return std::string(pageBytes);
  return qm::encoding::transcode(pageBytes, qm::encoding::Charset::Utf8, qm::encoding::Charset::Windows1255).bytes;
}

std::size_t TWorkForm::ConvertTo(qm::encoding::Charset charset, bool logical) {
  using qm::encoding::Charset;
  LeaveHebrewMode();
  const bool visual = PageStandard == qm::HebrewStandard::IsoVisual;
  if (charset == Encoding.charset && (!logical || !visual)) return 0;
  const qm::encoding::Converted c =
      qm::encoding::convertPage(DocText(), {Encoding.charset, false}, logical && visual, charset, false);
  std::string().swap(mixedLoadedText_);
  std::string().swap(mixedFileBytes_);
  const bool utf8 = charset == Charset::Utf8;
  PageOneStep([&] {
    if (utf8 != Memo1->utf8()) {
      Memo1->setUtf8(utf8, c.bytes);
      RichEdit1->setUtf8(utf8, {});
    } else {
      Memo1->setText(c.bytes);
    }
  });
  if (logical) PageStandard = qm::HebrewStandard::WinLogical;
  Encoding = {charset, Encoding.bom && utf8};
  // The history holds text in the old set: it starts again from here.
  undo_.clear();
  SaveToUndoBuf();
  emit StatusChanged();
  return c.references;
}

void TWorkForm::FinishLoading() {
  colorSuspended_ = false;
  DoHighLight();
  Memo1->setModified(false);
  lastLength_ = DocLength();
  undoSuspended_ = false;
  SaveToUndoBuf();
}

std::string TWorkForm::DocumentBytes() {
  CommitHebrewEdits();
  const std::string_view bom = Encoding.bom ? qm::encoding::kUtf8Bom : std::string_view();
  if (!mixedFileBytes_.empty() && DocText() == mixedLoadedText_) return std::string(bom) + mixedFileBytes_;
  return std::string(bom) + qm::lines::fromCrLf(DocText(), fileLineEnd_);
}

bool TWorkForm::SaveToFile(const QString& path) {
  if (!MayOverwrite(path)) return false;
  try {
    const std::string bytes = DocumentBytes();
    qm::writeFileAtomically(path, bytes);
    NoteFile(path, bytes);
  } catch (const std::exception& e) {
    qm::prompts().error(this, qm::exceptionText(e.what()));
    return false;
  }
  return true;
}

bool TWorkForm::CheckFileSave() {
  CommitHebrewEdits();
  if (!Memo1->modified()) return true;
  const QString question = QStringLiteral("? %1 האם לשמור את השינויים ב").arg(Caption());
  switch (qm::prompts().yesNoCancel(this, question)) {
    case qm::Answer::Yes:
      if (hasFileName_ || qm::paths::isAbsolute(Caption().toStdString())) {
        if (!SaveToFile(Caption())) return false;
        Memo1->setModified(false);
        return true;
      }
      // A page that never had a file: ask where to put it.
      return host_ && host_->SavePageAs(*this);
    case qm::Answer::No:
      return true;
    default:
      return false;
  }
}

bool TWorkForm::FormCloseQuery() {
  emit CloseRequested();
  return CheckFileSave();
}

void TWorkForm::FormClose() {
  if (previewing_) RemovePreviewFile();
  emit Closed(IsMaximized());
}

void TWorkForm::closeEvent(QCloseEvent* e) {
  if (!FormCloseQuery()) {
    e->ignore();
    return;
  }
  FormClose();
  e->accept();
}
