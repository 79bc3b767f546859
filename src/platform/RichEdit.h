#pragma once

#include <QColor>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/TextMirror.h"

namespace qm::bidi {
enum class Order : std::uint8_t;  // core/hebrew/SourceBidi.h
}

namespace qm {

// The rich-text edit control of the document windows (Memo1, RichEdit1).
//
// It speaks the document's own terms: its text is code-page 1255 bytes (or
// UTF-8, see setUtf8) with CR LF line breaks, and every offset (selection start and length, caret) is a
// byte index into that text, a line break counting two. The control keeps a
// mirror of its text that follows each edit (no whole-text copy per
// keystroke), and this class is the one place where those offsets are
// translated to the toolkit's positions.
//
// Characters typed or pasted that code page 1255 cannot hold go in as numeric
// character references ("&#1046;"), so the control only ever holds text the
// document can store. Its own undo history is off: Ctrl+Z is reported through
// undoRequested(), Ctrl+Y (and the platform's other redo keys) through
// redoRequested().
//
// Lines are shown as page source reads (core/hebrew/SourceBidi.h), in the
// order the owner gives (setLineOrder): the control paints each line from a
// layout of its own and places the caret and the mouse on that layout, while
// the text, the offsets and every command stay the page's own.
class SourceLines;
class RichEdit : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit RichEdit(QWidget* parent = nullptr);
  ~RichEdit() override;

  // --- text ---
  const std::string& text() const { return mirror_.text(); }
  // What of text() is known unchanged since markUnchanged() (see TextMirror).
  lines::TextMirror::Unchanged unchangedSinceMark() const { return mirror_.unchangedSinceMark(); }
  void markUnchanged() { mirror_.markUnchanged(); }
  void forgetUnchanged() { mirror_.forgetUnchanged(); }
  // Replaces the whole text (any line-break form; kept as CR LF). Only the
  // part that differs from the current text is touched, so formats and the
  // scroll position outside it survive. One edit: one change notification.
  void setText(std::string_view bytes);
  void clear();
  // Switches between code-page 1255 text (one byte a character) and UTF-8
  // text (bytes that are not valid UTF-8 are kept and shown as a mark), and
  // takes `bytes` in that form as the whole new text. One change.
  void setUtf8(bool on, std::string_view bytes);
  bool utf8() const { return mirror_.utf8(); }
  // The lines as a line list has them (a final break starts no line).
  std::vector<std::string> lines() const;
  std::size_t lineCount() const { return mirror_.lineCount(); }
  std::string_view line(std::size_t i) const;  // "" beyond the end
  // Every line followed by CR LF.
  const lines::TextMirror& mirror() const { return mirror_; }

  // --- selection, in byte offsets ---
  std::int32_t selStart() const;
  std::int32_t selLength() const;
  // Caret at the offset, nothing selected.
  void setSelStart(std::int32_t offset);
  // Selects `length` bytes from the current selection start.
  void select(std::int32_t start, std::int32_t length);
  // Replaces the selection; the caret ends after the new text. One edit.
  void replaceSelection(std::string_view bytes);
  std::string selectedBytes() const;
  // 0-based line and column of the caret (column in bytes of the line).
  std::int32_t caretLine() const;
  std::int32_t caretColumn() const;

  // --- state ---
  bool modified() const { return modified_; }
  void setModified(bool m);

  // --- colours ---
  void setTypingColor(const QColor& c);
  // Colour of the first character of the selection (or at the caret).
  QColor selectionColor() const;
  void setSelectionColor(const QColor& c);
  void setBackgroundColor(const QColor& c);

  // --- view ---
  int scrollPosition() const;
  void setScrollPosition(int pos);
  int scrollMinimum() const;
  int scrollMaximum() const;
  void setRightToLeft(bool rtl);
  // Painting and layout updates; nests. While suspended nothing is repainted.
  void suspendUpdates();
  void resumeUpdates();
  // Change and selection-change notifications; nests. The mirror follows the
  // text regardless.
  void detachNotifications();
  void reattachNotifications();

  // --- how lines stand on screen ---
  // Where the order of each line comes from (asked at every painting, so a
  // change shows at the next one). Empty: the toolkit's own layout.
  void setLineOrder(std::function<bidi::Order()> order);
  // Toolkit position under a point of the viewport.
  int positionAt(const QPoint& viewportPoint) const;
  // The caret's place for a toolkit position, in viewport coordinates.
  QRectF caretRect(int position) const;
  // The place of the character at a toolkit position, in viewport coordinates
  // (empty at a line's end).
  QRectF characterRect(int position) const;

  // --- line numbers ---
  // A margin beside the lines with the number of each stored line at the row
  // where the line starts. It stands on the side the lines are aligned to (the
  // left of a left-to-right control, the right of a right-to-left one), where
  // it stays beside the start of every line however far a long line scrolls
  // sideways, and mirrors with the control as its scroll bars do. Its width
  // follows the digits of the last line's number.
  void setLineNumbers(bool on);
  bool lineNumbers() const { return numbers_ != nullptr && !numbers_->isHidden(); }
  QWidget* lineNumberMargin() const { return numbers_; }
  struct LineNumber {
    int number;     // 1-based
    QRectF rect;    // in the margin's coordinates: the line's first row
    bool current;   // the line holding the caret
  };
  // The numbers of the lines in view, top to bottom (what the margin paints).
  std::vector<LineNumber> visibleLineNumbers() const;

  // Byte offset <-> toolkit position (for code that needs a QTextCursor).
  int positionOf(std::int32_t offset) const;
  std::int32_t offsetOf(int position) const;

 signals:
  // After every change of the text (not sent while notifications are detached).
  void changed();
  // The modified flag changed (also while notifications are detached).
  void modifiedChanged(bool modified);
  // After every change of the caret or selection (idem).
  void selectionMoved();
  // Ctrl+Z and the other undo keys.
  void undoRequested();
  // Ctrl+Y and the other redo keys.
  void redoRequested();
  // Key events before the control handles them: set `handled` to swallow the key.
  void keyPressed(QKeyEvent* event, bool& handled);
  void keyReleased(QKeyEvent* event);
  void focusEntered();
  void contextMenuRequested(const QPoint& globalPos);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  void insertFromMimeData(const QMimeData* source) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  QMimeData* createMimeDataFromSelection() const override;
  void focusInEvent(QFocusEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void onContentsChange(int position, int removed, int added);
  void onCursorMoved();
  void resync();
  // Bytes of the document's characters [position, position + count).
  std::string bytesAt(int position, int count) const;
  // Inserts user text at the cursor, storable characters only.
  void insertUserText(const QString& text);
  // Replaces toolkit positions [from, from + removedChars) with bytes, mirror
  // included; false when the bytes were there already (nothing done).
  bool applyChange(int from, int removedChars, std::string_view bytes);

  // Scrolls sideways so that the laid-out caret is in view.
  void showCaret();
  // Top-left of a block's laid-out line in viewport coordinates.
  QPointF lineOrigin(const QTextBlock& block, qreal lineWidth) const;
  // Sizes and places the line-number margin (and the viewport beside it).
  void placeLineNumbers();
  void paintLineNumbers(QPaintEvent* e);

  lines::TextMirror mirror_;
  std::unique_ptr<SourceLines> sourceLines_;
  QWidget* numbers_ = nullptr;  // the line-number margin, made when first shown
  int numbersWidth_ = 0;
  bool mouseSelecting_ = false;
  bool caretCheckPending_ = false;
  int sideScroll_ = 0;
  bool modified_ = false;
  int detached_ = 0;
  int suspended_ = 0;
  bool fixing_ = false;
  bool pendingChange_ = false;
  bool programmatic_ = false;
};

// Text for the control: a character per byte (or per UTF-8 sequence), CR LF as one '\n' break.
QString editorString(std::string_view crlfBytes, bool utf8 = false);

}  // namespace qm
