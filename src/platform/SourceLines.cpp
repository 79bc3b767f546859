#include "platform/SourceLines.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextDocument>
#include <algorithm>
#include <string_view>

namespace qm {

namespace {

std::u16string_view view(const QString& s) {
  return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())};
}

// The block's formats: its own character formats, then what the colouring set on its layout.
QList<QTextLayout::FormatRange> blockFormats(const QTextBlock& block) {
  QList<QTextLayout::FormatRange> out;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment f = it.fragment();
    if (!f.isValid()) continue;
    QTextLayout::FormatRange r;
    r.start = f.position() - block.position();
    r.length = f.length();
    r.format = f.charFormat();
    out.append(r);
  }
  out += block.layout()->formats();
  return out;
}

bool isStrongMark(char16_t u) { return u == 0x200E || u == 0x200F || u == 0x061C; }

// Laid-out lines kept at most; more, and the cache starts again.
constexpr std::size_t kMaxLines = 4000;

}  // namespace

int SourceLines::Line::displayOf(int position) const {
  const int n = static_cast<int>(source.size());
  return display.toDisplay[static_cast<std::size_t>(std::clamp(position, 0, n))];
}

std::pair<qreal, qreal> SourceLines::Line::characterSpan(int position) const {
  const int n = static_cast<int>(source.size());
  if (position < 0 || position >= n) return {0, 0};
  if (spans_.size() != static_cast<std::size_t>(n)) spans_.assign(static_cast<std::size_t>(n), {1, 0});
  std::pair<qreal, qreal>& span = spans_[static_cast<std::size_t>(position)];
  if (span.first <= span.second) return span;
  int k = displayOf(position);
  // A strong mark is drawn as the symbol beside it.
  if (k + 1 < static_cast<int>(display.text.size()) && isStrongMark(display.text[static_cast<std::size_t>(k)])) ++k;
  qreal left = 1e12, right = -1e12;
  for (const QGlyphRun& run : layout.glyphRuns(k, 1)) {
    const QList<QPointF> positions = run.positions();
    const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
    for (qsizetype g = 0; g < positions.size(); ++g) {
      left = std::min(left, positions[g].x());
      right = std::max(right, positions[g].x() + (g < advances.size() ? advances[g].x() : 0));
    }
  }
  if (left > right) {
    // No glyph (a character the fonts lack a shape for): where the cursor stands.
    int c = k;
    left = right = layout.lineAt(0).cursorToX(&c);
  }
  span = {left, right};
  return span;
}

qreal SourceLines::Line::caretX(int position) const {
  const int n = static_cast<int>(source.size());
  position = std::clamp(position, 0, n);
  const auto p = static_cast<std::size_t>(position);
  if (position > 0 && rtl[p - 1] &&
      (position == n || !rtl[p] ||
       display.toDisplay[p] > display.toDisplay[p - 1] + 1 + (isStrongMark(source[position - 1].unicode()) ? 1 : 0))) {
    // At the end of a right-to-left run the caret stands after its last
    // character, where the next letter typed will appear.
    return characterSpan(position - 1).first;
  }
  if (position < n) {
    const auto [left, right] = characterSpan(position);
    return rtl[p] ? right : left;
  }
  return n > 0 ? characterSpan(n - 1).second : 0;
}

int SourceLines::Line::positionAt(qreal x) const {
  const int n = static_cast<int>(source.size());
  int best = -1;
  qreal bestDistance = 1e12;
  for (int i = 0; i < n; ++i) {
    const auto [left, right] = characterSpan(i);
    if (right <= left) continue;
    const qreal distance = x < left ? left - x : x > right ? x - right : 0;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
      if (distance == 0) break;
    }
  }
  if (best < 0) return x > 0 ? n : 0;
  const auto [left, right] = characterSpan(best);
  const bool leftHalf = x < (left + right) / 2;
  return best + (leftHalf == (rtl[static_cast<std::size_t>(best)] != 0) ? 1 : 0);
}

SourceLines::SourceLines(QTextDocument* document) : document_(document) {}

void SourceLines::contentsChanged(int position) {
  const int block = document_->findBlock(position).blockNumber();
  validStates_ = std::min(validStates_, static_cast<std::size_t>(std::max(block, 0) + 1));
}

bidi::Scan SourceLines::startState(const QTextBlock& block) {
  const auto n = static_cast<std::size_t>(block.blockNumber());
  const auto count = static_cast<std::size_t>(document_->blockCount());
  if (startStates_.size() < count) startStates_.resize(count);
  if (validStates_ == 0) {
    startStates_[0] = static_cast<std::uint8_t>(bidi::Scan::Text);
    validStates_ = 1;
  }
  if (n < validStates_) return static_cast<bidi::Scan>(startStates_[n]);
  QTextBlock b = document_->findBlockByNumber(static_cast<int>(validStates_ - 1));
  while (validStates_ <= n && b.isValid()) {
    const auto before = static_cast<bidi::Scan>(startStates_[validStates_ - 1]);
    startStates_[validStates_] = static_cast<std::uint8_t>(bidi::scanLine(view(b.text()), before));
    ++validStates_;
    b = b.next();
  }
  return static_cast<bidi::Scan>(startStates_[n]);
}

const SourceLines::Line& SourceLines::line(const QTextBlock& block) {
  const bidi::Scan start = startState(block);
  const bidi::Order ord = order ? order() : bidi::Order::Logical;
  QString text = block.text();
  QList<QTextLayout::FormatRange> formats = blockFormats(block);
  std::unique_ptr<Line>& slot = lines_[block.blockNumber()];
  if (slot && slot->source == text && slot->start == start && slot->order == ord && slot->formats == formats) return *slot;
  if (lines_.size() > kMaxLines) {
    lines_.clear();
    return line(block);
  }
  slot = std::make_unique<Line>();
  Line& l = *slot;
  l.source = std::move(text);
  l.start = start;
  l.order = ord;
  l.formats = std::move(formats);
  l.display = bidi::displayLine(view(l.source), start, ord);
  l.rtl = l.display.rtl;

  QList<QTextLayout::FormatRange> shown;
  shown.reserve(l.formats.size() + static_cast<qsizetype>(l.display.marks.size()));
  for (const QTextLayout::FormatRange& r : l.formats) {
    QTextLayout::FormatRange d = r;
    d.start = l.displayOf(r.start);
    d.length = l.displayOf(r.start + r.length) - d.start;
    if (d.length > 0) shown.append(d);
  }
  // The symbols of invisible marks stand out in grey.
  for (const std::int32_t m : l.display.marks) {
    QTextLayout::FormatRange d;
    d.start = m;
    d.length = 1;
    d.format.setForeground(QColor(150, 150, 150));
    shown.append(d);
  }
  l.layout.setText(QString::fromUtf16(l.display.text.data(), static_cast<qsizetype>(l.display.text.size())));
  l.layout.setFont(document_->defaultFont());
  QTextOption option = document_->defaultTextOption();
  option.setTextDirection(Qt::LeftToRight);
  option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
  option.setWrapMode(QTextOption::NoWrap);
  l.layout.setTextOption(option);
  l.layout.setFormats(shown);
  l.layout.setCacheEnabled(true);
  l.layout.beginLayout();
  QTextLine tl = l.layout.createLine();
  tl.setLeadingIncluded(true);
  tl.setLineWidth(1e6);
  tl.setPosition(QPointF(0, 0));
  l.layout.endLayout();
  l.width = tl.naturalTextWidth();
  return l;
}

}  // namespace qm
