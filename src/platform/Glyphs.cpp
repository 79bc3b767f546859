#include "platform/Glyphs.h"

#include <QFont>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>
#include <functional>

namespace qm {
namespace {

// Paints one picture on a 20 x 20 grid, scaled to the rectangle asked for.
using Painter = std::function<void(QPainter&)>;

// A QIcon engine that paints its picture for every size and device pixel
// ratio instead of scaling a stored bitmap.
class VectorIconEngine : public QIconEngine {
 public:
  VectorIconEngine(Painter paint, qreal grid) : paint_(std::move(paint)), grid_(grid) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    const qreal side = std::min(rect.width(), rect.height());
    painter->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
    painter->scale(side / grid_, side / grid_);
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    paint_(*painter);
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  // `size` is in device pixels (QIcon asks for the logical size times the
  // ratio); the picture is painted at that resolution, not scaled up.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    {
      QPainter p(&pm);
      paint(&p, QRect(QPoint(0, 0), size), mode, state);
    }
    pm.setDevicePixelRatio(scale);
    return pm;
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QIconEngine* clone() const override { return new VectorIconEngine(paint_, grid_); }
  QString key() const override { return QStringLiteral("qm.vector"); }

 private:
  Painter paint_;
  qreal grid_;
};

void paintGlyph(QPainter& p, Glyph g, const QString& text) {
  const int n = 20;
  const QColor ink(0x20, 0x30, 0x80);
  const QColor paper(0xFF, 0xFF, 0xF4);
  p.setPen(QPen(ink, 1.2));
  auto page = [&](QRectF r) {
    p.setBrush(paper);
    p.drawRect(r);
  };
  switch (g) {
    case Glyph::None:
      break;
    case Glyph::Clear:
      page(QRectF(4.5, 2.5, 11, 15));
      p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
      p.drawLine(QPointF(7, 7), QPointF(13, 13));
      p.drawLine(QPointF(13, 7), QPointF(7, 13));
      break;
    case Glyph::New:
      page(QRectF(4.5, 2.5, 11, 15));
      p.drawLine(QPointF(7, 7), QPointF(13, 7));
      break;
    case Glyph::Open: {
      p.setBrush(QColor(0xF0, 0xC8, 0x50));
      QPainterPath path;
      path.moveTo(2.5, 5.5);
      path.lineTo(8, 5.5);
      path.lineTo(9.5, 7.5);
      path.lineTo(17.5, 7.5);
      path.lineTo(17.5, 16.5);
      path.lineTo(2.5, 16.5);
      path.closeSubpath();
      p.drawPath(path);
      break;
    }
    case Glyph::Save:
      p.setBrush(QColor(0x50, 0x70, 0xC0));
      p.drawRect(QRectF(3.5, 3.5, 13, 13));
      p.setBrush(paper);
      p.drawRect(QRectF(6.5, 3.5, 7, 5));
      break;
    case Glyph::Copy:
      page(QRectF(3.5, 2.5, 9, 11));
      page(QRectF(7.5, 6.5, 9, 11));
      break;
    case Glyph::Cut:
      p.drawLine(QPointF(6, 3), QPointF(13, 12));
      p.drawLine(QPointF(14, 3), QPointF(7, 12));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(6, 15), 2.5, 2.5);
      p.drawEllipse(QPointF(14, 15), 2.5, 2.5);
      break;
    case Glyph::Paste:
      p.setBrush(QColor(0xC0, 0x90, 0x50));
      p.drawRect(QRectF(3.5, 4.5, 11, 13));
      page(QRectF(8.5, 8.5, 8, 9));
      p.setBrush(ink);
      p.drawRect(QRectF(7, 2.5, 4, 3));
      break;
    case Glyph::Undo: {
      p.setBrush(Qt::NoBrush);
      QPainterPath path;
      path.moveTo(5, 8);
      path.cubicTo(9, 3, 17, 5, 15, 13);
      p.drawPath(path);
      p.setBrush(ink);
      p.drawPolygon(QPolygonF({QPointF(2, 9), QPointF(8, 5), QPointF(7, 11)}));
      break;
    }
    case Glyph::Cascade:
      page(QRectF(2.5, 2.5, 10, 8));
      page(QRectF(5.5, 5.5, 10, 8));
      page(QRectF(8.5, 8.5, 9, 9));
      break;
    case Glyph::TileRows:
      page(QRectF(2.5, 2.5, 15, 7));
      page(QRectF(2.5, 10.5, 15, 7));
      break;
    case Glyph::TileColumns:
      page(QRectF(2.5, 2.5, 7, 15));
      page(QRectF(10.5, 2.5, 7, 15));
      break;
    case Glyph::Previous:
    case Glyph::Next: {
      // In a right-to-left window "next" points left.
      const bool left = g == Glyph::Next;
      p.setBrush(QColor(0x30, 0x90, 0x30));
      const double tip = left ? 3 : 17, base = left ? 13 : 7;
      p.drawPolygon(QPolygonF({QPointF(tip, 10), QPointF(base, 4), QPointF(base, 16)}));
      break;
    }
    case Glyph::AlignLeft:
    case Glyph::AlignCenter:
    case Glyph::AlignRight:
      for (int i = 0; i < 4; ++i) {
        const double w = (i % 2) ? 9 : 14, y = 4.5 + i * 3.5;
        const double x = g == Glyph::AlignLeft ? 3 : g == Glyph::AlignRight ? 17 - w : 10 - w / 2;
        p.drawLine(QPointF(x, y), QPointF(x + w, y));
      }
      break;
    case Glyph::Rule:
      p.setPen(QPen(ink, 2.5));
      p.drawLine(QPointF(2, 10), QPointF(18, 10));
      break;
    case Glyph::Colour: {
      const QColor cs[] = {Qt::red, QColor(0, 160, 0), Qt::blue, QColor(240, 200, 0)};
      for (int i = 0; i < 4; ++i) {
        p.setBrush(cs[i]);
        p.drawRect(QRectF(3.5 + (i % 2) * 7, 3.5 + (i / 2) * 7, 6, 6));
      }
      break;
    }
    case Glyph::Table:
      p.setBrush(paper);
      p.drawRect(QRectF(2.5, 3.5, 15, 13));
      p.drawLine(QPointF(2.5, 8), QPointF(17.5, 8));
      p.drawLine(QPointF(2.5, 12.5), QPointF(17.5, 12.5));
      p.drawLine(QPointF(10, 3.5), QPointF(10, 16.5));
      break;
    case Glyph::Text: {
      QFont f(QStringLiteral("DejaVu Sans"));
      f.setPixelSize(text.size() > 2 ? 8 : 11);
      f.setBold(true);
      p.setFont(f);
      p.setPen(QColor(0x00, 0x70, 0x40));
      p.drawText(QRect(0, 0, n, n), Qt::AlignCenter, text);
      break;
    }
  }
}

}  // namespace

QIcon ownGlyph(Glyph g, const QString& text) {
  return QIcon(new VectorIconEngine([g, text](QPainter& p) { paintGlyph(p, g, text); }, 20));
}

QString themeIconName(Glyph g) {
  switch (g) {
    case Glyph::New: return QStringLiteral("document-new");
    case Glyph::Open: return QStringLiteral("document-open");
    case Glyph::Save: return QStringLiteral("document-save");
    case Glyph::Copy: return QStringLiteral("edit-copy");
    case Glyph::Cut: return QStringLiteral("edit-cut");
    case Glyph::Paste: return QStringLiteral("edit-paste");
    case Glyph::AlignLeft: return QStringLiteral("format-justify-left");
    case Glyph::AlignCenter: return QStringLiteral("format-justify-center");
    case Glyph::AlignRight: return QStringLiteral("format-justify-right");
    default: return {};  // undo and the window arrows point the other way in a right-to-left window
  }
}

QIcon drawGlyph(Glyph g, const QString& text) {
  const QString name = themeIconName(g);
  if (!name.isEmpty() && QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
  return ownGlyph(g, text);
}

void paintAppPicture(QPainter& p, qreal side) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(side / 64.0, side / 64.0);
  // The tile.
  QLinearGradient tile(0, 0, 0, 64);
  tile.setColorAt(0, QColor(0x1E, 0x3C, 0x8C));
  tile.setColorAt(1, QColor(0x4A, 0x7C, 0xD0));
  p.setPen(Qt::NoPen);
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
  // The page with lines of text, set from the right.
  p.setBrush(QColor(0xFF, 0xFF, 0xF4));
  p.drawRect(QRectF(14, 12, 30, 40));
  p.setPen(QPen(QColor(0x1E, 0x3C, 0x8C), 2.5, Qt::SolidLine, Qt::RoundCap));
  const qreal widths[] = {22, 16, 20, 12};
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(40, 20 + i * 8), QPointF(40 - widths[i], 20 + i * 8));
  // The quill.
  QPainterPath quill;
  quill.moveTo(56, 6);
  quill.cubicTo(44, 10, 34, 26, 30, 44);
  quill.cubicTo(40, 34, 52, 22, 56, 6);
  p.setPen(QPen(QColor(0x30, 0x20, 0x10), 1.5));
  p.setBrush(QColor(0xF4, 0xC4, 0x60));
  p.drawPath(quill);
  p.drawLine(QPointF(30, 44), QPointF(27, 52));
  p.restore();
}

QIcon appIcon() {
  return QIcon(new VectorIconEngine([](QPainter& p) { paintAppPicture(p, 64); }, 64));
}

}  // namespace qm
