// How a RichEdit stands on screen: each line painted from its laid-out source
// line (platform/SourceLines.h), the caret and the mouse placed on it.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

#include "platform/RichEdit.h"
#include "platform/SourceLines.h"

namespace qm {

void RichEdit::setLineOrder(std::function<bidi::Order()> order) {
  if (!order) {
    sourceLines_.reset();
  } else {
    if (!sourceLines_) {
      sourceLines_ = std::make_unique<SourceLines>(document());
      connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int) {
        if (sourceLines_) sourceLines_->contentsChanged(position);
      });
      connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (caretCheckPending_ || !sourceLines_) return;
        caretCheckPending_ = true;
        // The toolkit scrolls sideways to the caret of its own layout right after
        // this: the view goes back to where it was and then to the laid-out caret.
        sideScroll_ = horizontalScrollBar()->value();
        QTimer::singleShot(0, this, [this] {
          caretCheckPending_ = false;
          horizontalScrollBar()->setValue(sideScroll_);
          showCaret();
        });
      });
    }
    sourceLines_->order = std::move(order);
  }
  viewport()->update();
}

QPointF RichEdit::lineOrigin(const QTextBlock& block, qreal lineWidth) const {
  const QRectF r = blockBoundingGeometry(block).translated(contentOffset());
  const qreal margin = document()->documentMargin();
  const QTextLayout* own = block.layout();
  const qreal top = r.top() + (own && own->lineCount() > 0 ? own->lineAt(0).y() : margin);
  if (!isRightToLeft()) return {r.left() + margin, top};
  // Right-aligned: at the start of the scroll bar (its right end) the lines
  // end at the view's right edge, wider lines going on to the left.
  return {viewport()->width() - margin - lineWidth + horizontalScrollBar()->value(), top};
}

int RichEdit::positionAt(const QPoint& p) const {
  if (!sourceLines_) return cursorForPosition(p).position();
  QTextBlock block = firstVisibleBlock();
  if (!block.isValid()) return 0;
  const QPointF offset = contentOffset();
  // The block under the point; above the first shown, the first; below the last, the last.
  while (block.isValid()) {
    const QRectF r = blockBoundingGeometry(block).translated(offset);
    if (p.y() < r.bottom() || !block.next().isValid()) break;
    block = block.next();
  }
  while (block.previous().isValid() && p.y() < blockBoundingGeometry(block).translated(offset).top()) block = block.previous();
  const SourceLines::Line& line = sourceLines_->line(block);
  const QPointF origin = lineOrigin(block, line.width);
  return block.position() + line.positionAt(p.x() - origin.x());
}

// The toolkit's own layout of a block: where position `at` of it stands, its
// leading and trailing edge.
static std::pair<qreal, qreal> ownEdges(const QTextBlock& block, int at) {
  const QTextLine l = block.layout()->lineAt(0);
  int a = at, b = at;
  return {l.cursorToX(&a, QTextLine::Leading), l.cursorToX(&b, QTextLine::Trailing)};
}

QRectF RichEdit::caretRect(int position) const {
  const QTextBlock block = document()->findBlock(position);
  if (!block.isValid()) return {};
  if (!sourceLines_) {
    const QRectF r = blockBoundingGeometry(block).translated(contentOffset());
    const QTextLine l = block.layout()->lineAt(0);
    return {r.left() + ownEdges(block, position - block.position()).first, r.top() + l.y(), qreal(cursorWidth()), l.height()};
  }
  const SourceLines::Line& line = sourceLines_->line(block);
  const QPointF origin = lineOrigin(block, line.width);
  const QTextLine l = line.layout.lineAt(0);
  return {origin.x() + line.caretX(position - block.position()), origin.y(), qreal(cursorWidth()), l.height()};
}

QRectF RichEdit::characterRect(int position) const {
  const QTextBlock block = document()->findBlock(position);
  if (!block.isValid() || position - block.position() >= block.length() - 1) return {};
  if (!sourceLines_) {
    const QRectF r = blockBoundingGeometry(block).translated(contentOffset());
    const QTextLine l = block.layout()->lineAt(0);
    const auto [lead, trail] = ownEdges(block, position - block.position());
    return {r.left() + std::min(lead, trail), r.top() + l.y(), std::abs(trail - lead), l.height()};
  }
  const SourceLines::Line& line = sourceLines_->line(block);
  const QPointF origin = lineOrigin(block, line.width);
  const auto [left, right] = line.characterSpan(position - block.position());
  if (right <= left) return {};
  return {origin.x() + left, origin.y(), right - left, line.layout.lineAt(0).height()};
}

void RichEdit::showCaret() {
  if (!sourceLines_ || !isVisible()) return;
  const QRectF caret = caretRect(textCursor().position());
  const qreal margin = document()->documentMargin();
  qreal shift = 0;
  if (caret.left() < margin) shift = caret.left() - margin;
  else if (caret.right() > viewport()->width() - margin) shift = caret.right() - (viewport()->width() - margin);
  if (shift == 0) return;
  QScrollBar* bar = horizontalScrollBar();
  // A right-to-left view counts its scroll bar from the right.
  const int step = static_cast<int>(std::ceil(std::abs(shift))) * (shift < 0 ? -1 : 1);
  bar->setValue(isRightToLeft() ? bar->value() - step : bar->value() + step);
}

void RichEdit::paintEvent(QPaintEvent* e) {
  if (!sourceLines_) {
    QPlainTextEdit::paintEvent(e);
    return;
  }
  QPainter painter(viewport());
  const QRect area = e->rect();
  painter.setClipRect(area);
  const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
  painter.setPen(context.palette.text().color());
  const bool showCursor = !isReadOnly() || (textInteractionFlags() & Qt::TextSelectableByKeyboard);
  const QPointF offset = contentOffset();
  const qreal viewWidth = std::max(document()->documentLayout()->documentSize().width(), qreal(viewport()->width()));
  for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
    const QRectF r = blockBoundingGeometry(block).translated(offset);
    if (r.top() > area.bottom()) break;
    if (!block.isVisible() || r.bottom() < area.top()) continue;
    const SourceLines::Line& line = sourceLines_->line(block);
    const QPointF origin = lineOrigin(block, line.width);
    const int start = block.position();
    const int length = block.length();
    QList<QTextLayout::FormatRange> selections;
    for (const QAbstractTextDocumentLayout::Selection& s : context.selections) {
      const int from = s.cursor.selectionStart() - start;
      const int to = s.cursor.selectionEnd() - start;
      if (from < length && to > 0 && to > from) {
        QTextLayout::FormatRange o;
        o.start = line.displayOf(from);
        // A selection that goes on past the line's end shows its break too.
        o.length = (to >= length ? static_cast<int>(line.display.text.size()) + 1 : line.displayOf(to)) - o.start;
        o.format = s.format;
        selections.append(o);
      } else if (!s.cursor.hasSelection() && s.format.hasProperty(QTextFormat::FullWidthSelection) &&
                 block.contains(s.cursor.position())) {
        painter.fillRect(QRectF(r.left(), origin.y(), viewWidth, line.layout.lineAt(0).height()), s.format.background());
      }
    }
    line.layout.draw(&painter, origin, selections, area);
    if (showCursor && context.cursorPosition >= start && context.cursorPosition < start + length) {
      const qreal x = origin.x() + line.caretX(context.cursorPosition - start);
      painter.fillRect(QRectF(x, origin.y(), cursorWidth(), line.layout.lineAt(0).height()), context.palette.text());
    }
  }
}

void RichEdit::mousePressEvent(QMouseEvent* e) {
  if (!sourceLines_ || e->button() != Qt::LeftButton) {
    QPlainTextEdit::mousePressEvent(e);
    return;
  }
  QTextCursor c = textCursor();
  c.setPosition(positionAt(e->position().toPoint()), e->modifiers() & Qt::ShiftModifier ? QTextCursor::KeepAnchor
                                                                                           : QTextCursor::MoveAnchor);
  setTextCursor(c);
  mouseSelecting_ = true;
  e->accept();
}

void RichEdit::mouseMoveEvent(QMouseEvent* e) {
  if (!sourceLines_ || !mouseSelecting_ || !(e->buttons() & Qt::LeftButton)) {
    QPlainTextEdit::mouseMoveEvent(e);
    return;
  }
  QTextCursor c = textCursor();
  c.setPosition(positionAt(e->position().toPoint()), QTextCursor::KeepAnchor);
  setTextCursor(c);
  e->accept();
}

void RichEdit::mouseReleaseEvent(QMouseEvent* e) {
  if (!sourceLines_ || !mouseSelecting_ || e->button() != Qt::LeftButton) {
    QPlainTextEdit::mouseReleaseEvent(e);
    return;
  }
  mouseSelecting_ = false;
  QClipboard* clipboard = QApplication::clipboard();
  if (textCursor().hasSelection() && clipboard->supportsSelection())
    clipboard->setMimeData(createMimeDataFromSelection(), QClipboard::Selection);
  e->accept();
}

void RichEdit::mouseDoubleClickEvent(QMouseEvent* e) {
  if (!sourceLines_ || e->button() != Qt::LeftButton) {
    QPlainTextEdit::mouseDoubleClickEvent(e);
    return;
  }
  QTextCursor c = textCursor();
  c.setPosition(positionAt(e->position().toPoint()));
  c.select(QTextCursor::WordUnderCursor);
  setTextCursor(c);
  e->accept();
}

}  // namespace qm
