// The line-number margin of a RichEdit: one number per stored line, at the row
// where the line is painted (RichEdit_Lines.cpp places the rows). Only the
// lines in view are visited, so a long page costs no more than a short one.
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>
#include <functional>

#include "platform/RichEdit.h"

namespace qm {

namespace {

// A plain widget beside the viewport that hands its painting to the control.
class NumberMargin : public QWidget {
 public:
  NumberMargin(QWidget* parent, std::function<void(QPaintEvent*)> paint) : QWidget(parent), paint_(std::move(paint)) {
    setObjectName(QStringLiteral("LineNumberMargin"));
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* e) override { paint_(e); }

 private:
  std::function<void(QPaintEvent*)> paint_;
};

int digitsOf(int n) {
  int d = 1;
  while (n >= 10) {
    n /= 10;
    ++d;
  }
  return d;
}

}  // namespace

void RichEdit::setLineNumbers(bool on) {
  if (on == lineNumbers()) return;
  if (on && !numbers_) {
    numbers_ = new NumberMargin(this, [this](QPaintEvent* e) { paintLineNumbers(e); });
    // Scrolling, typing and layout changes repaint what they touch in the
    // viewport; the margin follows (it paints only the rows in view).
    connect(this, &QPlainTextEdit::updateRequest, numbers_,
            [this](const QRect& r, int) { numbers_->update(0, r.y(), numbers_->width(), r.height()); });
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { placeLineNumbers(); });
    connect(this, &QPlainTextEdit::cursorPositionChanged, numbers_, [this] { numbers_->update(); });
  }
  numbers_->setVisible(on);
  placeLineNumbers();
}

void RichEdit::placeLineNumbers() {
  const int width = lineNumbers() ? fontMetrics().horizontalAdvance(QLatin1Char('9')) *
                                            std::max(2, digitsOf(document()->blockCount())) + 8
                                  : 0;
  if (width != numbersWidth_ || (width > 0 && (viewportMargins().right() > 0) != isRightToLeft())) {
    numbersWidth_ = width;
    // The scroll area's margins are left and right as seen, whatever the direction.
    setViewportMargins(isRightToLeft() ? 0 : width, 0, isRightToLeft() ? width : 0, 0);
  }
  if (!numbers_ || width == 0) return;
  const QRect v = viewport()->geometry();
  numbers_->setGeometry(isRightToLeft() ? QRect(v.right() + 1, v.top(), width, v.height())
                                        : QRect(v.left() - width, v.top(), width, v.height()));
  numbers_->update();
}

std::vector<RichEdit::LineNumber> RichEdit::visibleLineNumbers() const {
  std::vector<LineNumber> out;
  if (!numbers_) return out;
  const QPointF offset = contentOffset();
  const int bottom = viewport()->height();
  const int caret = textCursor().blockNumber();
  for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
    const QRectF r = blockBoundingGeometry(block).translated(offset);
    if (r.top() > bottom) break;
    if (!block.isVisible() || r.bottom() < 0) continue;
    // The first row of the line: where lineOrigin puts it when the control
    // paints its own lines, the first row of the toolkit's layout otherwise.
    const QTextLayout* own = block.layout();
    const bool laidOut = own && own->lineCount() > 0;
    const qreal top = sourceLines_ ? lineOrigin(block, 0).y() : r.top() + (laidOut ? own->lineAt(0).y() : 0);
    const qreal height = laidOut ? own->lineAt(0).height() : r.height();
    out.push_back({block.blockNumber() + 1, QRectF(0, top, numbers_->width(), height), block.blockNumber() == caret});
  }
  return out;
}

void RichEdit::paintLineNumbers(QPaintEvent* e) {
  QPainter painter(numbers_);
  painter.fillRect(e->rect(), palette().color(QPalette::Window));
  const QColor plain = palette().color(QPalette::PlaceholderText);
  const QColor current = palette().color(QPalette::WindowText);
  QFont bold = font();
  bold.setBold(true);
  // The numbers stand toward the text, a little apart from it.
  const int flags = Qt::AlignVCenter | (isRightToLeft() ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignAbsolute;
  for (const LineNumber& n : visibleLineNumbers()) {
    if (n.rect.bottom() < e->rect().top() || n.rect.top() > e->rect().bottom()) continue;
    painter.setFont(n.current ? bold : font());
    painter.setPen(n.current ? current : plain);
    painter.drawText(n.rect.adjusted(4, 0, -4, 0), flags, QString::number(n.number));
  }
}

void RichEdit::resizeEvent(QResizeEvent* e) {
  QPlainTextEdit::resizeEvent(e);
  if (numbers_) placeLineNumbers();
}

void RichEdit::changeEvent(QEvent* e) {
  QPlainTextEdit::changeEvent(e);
  if (numbers_ && (e->type() == QEvent::FontChange || e->type() == QEvent::LayoutDirectionChange)) placeLineNumbers();
}

}  // namespace qm
