#include "platform/RichEdit.h"

#include <array>

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include "core/text/Cp1255.h"
#include "core/text/Encoding.h"
#include "core/text/Lines.h"
#include "core/undo/UndoRing.h"
#include "platform/Cp1255Bridge.h"
#include "platform/SourceLines.h"

namespace qm {

namespace {

constexpr char16_t kParagraphSeparator = 0x2029;
constexpr char16_t kLineSeparator = 0x2028;

// Byte of every UTF-16 unit in code page 1255, or -1: one table lookup per
// character when text is read back from the control.
const std::array<std::int16_t, 0x10000>& byteTable() {
  static const auto table = [] {
    std::array<std::int16_t, 0x10000> t{};
    for (std::size_t u = 0; u < t.size(); ++u) t[u] = static_cast<std::int16_t>(cp1255::fromUnicode(static_cast<char32_t>(u)));
    return t;
  }();
  return table;
}

bool isStorable(const QString& text, bool utf8) {
  if (utf8) return true;  // UTF-8 holds every character
  const auto& table = byteTable();
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u == '\n' || u == '\r' || u == kParagraphSeparator) continue;
    if (table[u] < 0) return false;
  }
  return true;
}

std::u16string_view utf16(const QString& s) {
  return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())};
}

// User text as the document stores it: breaks as CR LF; in a code-page
// document, characters the code page cannot hold as numeric references.
std::string storableBytes(QString text, bool utf8) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  text.replace(QChar(kParagraphSeparator), QChar('\n'));
  text.replace(QChar(kLineSeparator), QChar('\n'));
  if (utf8) return lines::toCrLf(encoding::encode(utf16(text), encoding::Charset::Utf8).bytes);
  return lines::toCrLf(toCp1255(text));
}

}  // namespace

QString editorString(std::string_view bytes, bool utf8) {
  if (utf8) {
    std::u16string u = encoding::decode(bytes, encoding::Charset::Utf8);
    std::erase(u, u'\r');  // every CR of the text is one of a CR LF break
    return QString(reinterpret_cast<const QChar*>(u.data()), static_cast<qsizetype>(u.size()));
  }
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    out.append(QChar(cp1255::toUnicode(b)));
  }
  return out;
}

RichEdit::RichEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setUndoRedoEnabled(false);
  document()->setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabChangesFocus(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The selection stays visible while the control has no focus.
  QPalette pal = palette();
  pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
  pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(pal);
  connect(document(), &QTextDocument::contentsChange, this, &RichEdit::onContentsChange);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!pendingChange_ || fixing_ || programmatic_) return;
    pendingChange_ = false;
    if (detached_ == 0) emit changed();
  });
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, &RichEdit::onCursorMoved);
  connect(this, &QPlainTextEdit::selectionChanged, this, &RichEdit::onCursorMoved);
}

RichEdit::~RichEdit() = default;

// ---------------------------------------------------------------- offsets

int RichEdit::positionOf(std::int32_t offset) const {
  if (offset < 0) offset = 0;
  return static_cast<int>(mirror_.positionOfOffset(static_cast<std::size_t>(offset)));
}

std::int32_t RichEdit::offsetOf(int position) const {
  if (position < 0) position = 0;
  return static_cast<std::int32_t>(mirror_.offsetOfPosition(static_cast<std::size_t>(position)));
}

std::string RichEdit::bytesAt(int position, int count) const {
  std::string out;
  if (count <= 0) return out;
  QTextCursor c(document());
  c.setPosition(position);
  c.setPosition(position + count, QTextCursor::KeepAnchor);
  const QString s = c.selectedText();
  if (mirror_.utf8()) {
    QString t = s;
    t.replace(QChar(kParagraphSeparator), QStringLiteral("\r\n"));
    return encoding::encode(utf16(t), encoding::Charset::Utf8).bytes;
  }
  out.reserve(static_cast<std::size_t>(s.size()));
  const auto& table = byteTable();
  for (const QChar ch : s) {
    const char16_t u = ch.unicode();
    if (u == kParagraphSeparator) {
      out += "\r\n";
      continue;
    }
    const int b = table[u];
    out += b < 0 ? '?' : static_cast<char>(b);  // placeholder; fixed up by the caller
  }
  return out;
}

// ---------------------------------------------------------------- following edits

void RichEdit::resync() {
  std::string all;
  const int count = document()->characterCount() - 1;
  all = bytesAt(0, count);
  mirror_.assign(std::move(all));
}

void RichEdit::onContentsChange(int position, int /*removed: derived from the length change*/, int added) {
  if (programmatic_) return;
  const auto newCount = static_cast<std::int64_t>(document()->characterCount()) - 1;
  const auto oldCount = static_cast<std::int64_t>(mirror_.positionCount());
  const std::int64_t delta = newCount - oldCount;
  std::int64_t add = std::min<std::int64_t>(added, newCount - position);
  std::int64_t rem = add - delta;
  if (position < 0 || add < 0 || rem < 0 || position + rem > oldCount) {
    // The toolkit reported a range that does not fit: read the text again.
    resync();
    pendingChange_ = true;
    setModified(true);
    return;
  }
  const std::size_t from = mirror_.offsetOfPosition(static_cast<std::size_t>(position));
  const std::size_t to = mirror_.offsetOfPosition(static_cast<std::size_t>(position + rem));
  std::string bytes = bytesAt(position, static_cast<int>(add));
  if (bytes.size() == to - from && mirror_.text().compare(from, to - from, bytes) == 0) {
    // Only formats changed.
    return;
  }
  mirror_.replace(from, to - from, bytes);
  setModified(true);
  pendingChange_ = true;

  // Characters that came in by a path that did not convert them: put their
  // numeric references in their place, so the control holds only what the
  // document can store.
  QTextCursor c(document());
  c.setPosition(position);
  c.setPosition(position + static_cast<int>(add), QTextCursor::KeepAnchor);
  const QString inserted = c.selectedText();
  if (!fixing_ && !isStorable(inserted, mirror_.utf8())) {
    const std::string fixed = storableBytes(inserted, false);
    fixing_ = true;
    programmatic_ = true;
    c.insertText(editorString(fixed, false));
    programmatic_ = false;
    fixing_ = false;
    mirror_.replace(from, bytes.size(), fixed);
    if (mirror_.positionCount() != static_cast<std::size_t>(document()->characterCount() - 1)) resync();
  }
}

bool RichEdit::applyChange(int from, int removedChars, std::string_view bytes) {
  // A programmatic edit: the mirror takes the bytes directly, the toolkit
  // notification that the edit causes is not read back.
  const std::size_t offFrom = mirror_.offsetOfPosition(static_cast<std::size_t>(from));
  const std::size_t offTo = mirror_.offsetOfPosition(static_cast<std::size_t>(from + removedChars));
  if (offTo - offFrom == bytes.size() && mirror_.text().compare(offFrom, bytes.size(), bytes) == 0) return false;
  programmatic_ = true;
  QTextCursor c(document());
  c.beginEditBlock();
  c.setPosition(from);
  c.setPosition(from + removedChars, QTextCursor::KeepAnchor);
  c.insertText(editorString(bytes, mirror_.utf8()));
  c.endEditBlock();
  programmatic_ = false;
  mirror_.replace(offFrom, offTo - offFrom, bytes);
  if (mirror_.positionCount() != static_cast<std::size_t>(document()->characterCount() - 1)) resync();
  setModified(true);
  pendingChange_ = false;
  return true;
}

// ---------------------------------------------------------------- text

void RichEdit::setText(std::string_view input) {
  const std::string bytes = lines::toCrLf(input);
  const std::string& old = mirror_.text();
  std::size_t prefix = undo::commonPrefix(old, bytes);
  std::size_t suffix = undo::commonSuffix(old, bytes, std::min(old.size(), bytes.size()) - prefix);
  // Never cut a CR LF pair.
  if (prefix > 0 && bytes[prefix - 1] == '\r') --prefix;
  if (suffix > 0 && bytes[bytes.size() - suffix] == '\n') --suffix;
  // Nor a UTF-8 sequence: both ends on a byte that starts a character.
  const auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  if (mirror_.utf8()) {
    while (prefix > 0 && ((prefix < bytes.size() && continuation(bytes[prefix])) ||
                          (prefix < old.size() && continuation(old[prefix]))))
      --prefix;
    while (suffix > 0 && continuation(bytes[bytes.size() - suffix])) --suffix;
  }
  if (prefix == old.size() && prefix == bytes.size()) {
    setSelStart(0);
    return;
  }
  const int from = positionOf(static_cast<std::int32_t>(prefix));
  const int to = positionOf(static_cast<std::int32_t>(old.size() - suffix));
  const bool changedText = applyChange(from, to - from, std::string_view(bytes).substr(prefix, bytes.size() - prefix - suffix));
  // Like loading a control: the caret goes to the start.
  QTextCursor c(document());
  setTextCursor(c);
  if (changedText && detached_ == 0) emit changed();
}

void RichEdit::clear() { setText({}); }

void RichEdit::setUtf8(bool on, std::string_view bytes) {
  programmatic_ = true;
  mirror_.setUtf8(on);
  mirror_.assign(lines::toCrLf(bytes));
  setPlainText(editorString(mirror_.text(), on));
  programmatic_ = false;
  setTextCursor(QTextCursor(document()));
  setModified(true);
  if (detached_ == 0) emit changed();
}

std::vector<std::string> RichEdit::lines() const { return lines::split(mirror_.text()); }

std::string_view RichEdit::line(std::size_t i) const {
  if (i >= mirror_.editLineCount()) return {};
  return mirror_.line(i);
}


// ---------------------------------------------------------------- selection

std::int32_t RichEdit::selStart() const { return offsetOf(textCursor().selectionStart()); }

std::int32_t RichEdit::selLength() const {
  const QTextCursor c = textCursor();
  return offsetOf(c.selectionEnd()) - offsetOf(c.selectionStart());
}

void RichEdit::setSelStart(std::int32_t offset) {
  QTextCursor c = textCursor();
  c.setPosition(positionOf(offset));
  setTextCursor(c);
}


void RichEdit::select(std::int32_t start, std::int32_t length) {
  QTextCursor c = textCursor();
  c.setPosition(positionOf(start));
  c.setPosition(positionOf(start + std::max(length, 0)), QTextCursor::KeepAnchor);
  setTextCursor(c);
}

void RichEdit::replaceSelection(std::string_view input) {
  const std::string bytes = lines::toCrLf(input);
  const QTextCursor c = textCursor();
  const int from = c.selectionStart();
  const std::int32_t startOffset = offsetOf(from);
  const bool changedText = applyChange(from, c.selectionEnd() - from, bytes);
  QTextCursor after = textCursor();
  after.setPosition(positionOf(startOffset + static_cast<std::int32_t>(bytes.size())));
  setTextCursor(after);
  // The change is reported with the caret already after the new text.
  if (changedText && detached_ == 0) emit changed();
}

std::string RichEdit::selectedBytes() const {
  const auto start = static_cast<std::size_t>(selStart());
  return mirror_.text().substr(start, static_cast<std::size_t>(selLength()));
}

std::int32_t RichEdit::caretLine() const { return textCursor().blockNumber(); }

std::int32_t RichEdit::caretColumn() const { return textCursor().positionInBlock(); }

void RichEdit::setModified(bool m) {
  if (m == modified_) return;
  modified_ = m;
  emit modifiedChanged(m);
}

// ---------------------------------------------------------------- colours

void RichEdit::setTypingColor(const QColor& col) {
  QTextCharFormat f = currentCharFormat();
  f.setForeground(col);
  setCurrentCharFormat(f);
}

QColor RichEdit::selectionColor() const {
  QTextCursor c(document());
  c.setPosition(textCursor().selectionStart());
  c.movePosition(QTextCursor::NextCharacter);
  const QBrush b = c.charFormat().foreground();
  return b.style() == Qt::NoBrush ? palette().color(QPalette::Text) : b.color();
}

void RichEdit::setSelectionColor(const QColor& col) {
  QTextCharFormat f;
  f.setForeground(col);
  textCursor().mergeCharFormat(f);
}

void RichEdit::setBackgroundColor(const QColor& col) {
  QPalette pal = palette();
  pal.setColor(QPalette::Base, col);
  setPalette(pal);
}

// ---------------------------------------------------------------- view

int RichEdit::scrollPosition() const { return verticalScrollBar()->value(); }
void RichEdit::setScrollPosition(int pos) { verticalScrollBar()->setValue(pos); }
int RichEdit::scrollMinimum() const { return verticalScrollBar()->minimum(); }
int RichEdit::scrollMaximum() const { return verticalScrollBar()->maximum(); }

void RichEdit::setRightToLeft(bool rtl) {
  setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
  QTextOption opt = document()->defaultTextOption();
  opt.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
  opt.setAlignment(rtl ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft | Qt::AlignAbsolute);
  document()->setDefaultTextOption(opt);
}

void RichEdit::suspendUpdates() {
  if (suspended_++ == 0) {
    setUpdatesEnabled(false);
  }
}

void RichEdit::resumeUpdates() {
  if (suspended_ > 0 && --suspended_ == 0) {
    setUpdatesEnabled(true);
    viewport()->update();
  }
}

void RichEdit::detachNotifications() { ++detached_; }

void RichEdit::reattachNotifications() {
  if (detached_ > 0) --detached_;
}

void RichEdit::onCursorMoved() {
  if (detached_ == 0 && !fixing_ && !programmatic_) emit selectionMoved();
}

// ---------------------------------------------------------------- input

void RichEdit::insertUserText(const QString& text) {
  replaceSelection(storableBytes(text, mirror_.utf8()));
  ensureCursorVisible();
}

namespace {
// Ctrl+Y is redo on every platform here, beside the platform's own redo keys.
bool isRedoKey(const QKeyEvent* e) {
  return e->matches(QKeySequence::Redo) || QKeySequence(e->keyCombination()) == QKeySequence(Qt::CTRL | Qt::Key_Y);
}
}  // namespace

bool RichEdit::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride) {
    auto* ke = static_cast<QKeyEvent*>(e);
    if (ke->matches(QKeySequence::Undo) || isRedoKey(ke)) {
      e->accept();
      return true;
    }
  }
  return QPlainTextEdit::event(e);
}

void RichEdit::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Undo)) {
    emit undoRequested();
    e->accept();
    return;
  }
  if (isRedoKey(e)) {
    emit redoRequested();
    e->accept();
    return;
  }
  bool handled = false;
  emit keyPressed(e, handled);
  if (handled) {
    e->accept();
    return;
  }
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() != Qt::NoModifier &&
      !isReadOnly()) {
    // Every line break is a paragraph break (Shift+Enter would insert a line separator).
    insertUserText(QStringLiteral("\n"));
    e->accept();
    return;
  }
  if (!e->text().isEmpty() && !isReadOnly() && !isStorable(e->text(), mirror_.utf8()) && e->text().at(0).isPrint()) {
    insertUserText(e->text());
    e->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
}

void RichEdit::keyReleaseEvent(QKeyEvent* e) {
  QPlainTextEdit::keyReleaseEvent(e);
  emit keyReleased(e);
}

void RichEdit::inputMethodEvent(QInputMethodEvent* e) {
  if (!e->commitString().isEmpty() && !isStorable(e->commitString(), mirror_.utf8())) {
    QInputMethodEvent converted(e->preeditString(), e->attributes());
    converted.setCommitString(editorString(storableBytes(e->commitString(), false), false), e->replacementStart(),
                              e->replacementLength());
    QPlainTextEdit::inputMethodEvent(&converted);
    return;
  }
  QPlainTextEdit::inputMethodEvent(e);
}

bool RichEdit::canInsertFromMimeData(const QMimeData* source) const {
  // Dropped files are not text for the page: the drop goes on to the windows
  // around the control (a document window takes those over its source editor
  // before the control sees them; the main window opens the others).
  if (source->hasUrls()) {
    bool allFiles = true;
    for (const QUrl& u : source->urls()) allFiles = allFiles && u.isLocalFile();
    if (allFiles && !source->urls().isEmpty()) return false;
  }
  return source->hasText();
}

void RichEdit::insertFromMimeData(const QMimeData* source) {
  if (!canInsertFromMimeData(source) || isReadOnly()) return;
  insertUserText(source->text());
}

QMimeData* RichEdit::createMimeDataFromSelection() const {
  // The characters themselves (the toolkit's plain text would turn no-break
  // spaces into spaces).
  auto* data = new QMimeData;
  QString s = mirror_.utf8() ? editorString(selectedBytes(), true) : fromCp1255(selectedBytes());
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  data->setText(s);
  return data;
}

void RichEdit::focusInEvent(QFocusEvent* e) {
  QPlainTextEdit::focusInEvent(e);
  emit focusEntered();
}

void RichEdit::contextMenuEvent(QContextMenuEvent* e) {
  if (isSignalConnected(QMetaMethod::fromSignal(&RichEdit::contextMenuRequested))) {
    emit contextMenuRequested(e->globalPos());
    e->accept();
    return;
  }
  QPlainTextEdit::contextMenuEvent(e);
}

}  // namespace qm
