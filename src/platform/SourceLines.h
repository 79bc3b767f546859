#pragma once

#include <QList>
#include <QString>
#include <QTextBlock>
#include <QTextLayout>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/hebrew/SourceBidi.h"

class QTextDocument;

namespace qm {

// The laid-out lines of a source editor: for each block, its display text
// (core/hebrew/SourceBidi.h) laid out left to right with the block's formats,
// and the markup scan state it starts in. Lines are made when they are first
// asked for and kept while their text, formats, start state and order stay the
// same, so a repaint after a keystroke lays out only the changed line.
class SourceLines {
 public:
  struct Line {
    QString source;  // the block's text
    bidi::Scan start = bidi::Scan::Text;
    bidi::Order order = bidi::Order::Logical;
    QList<QTextLayout::FormatRange> formats;  // the block's, in its positions
    bidi::Display display;
    std::vector<std::uint8_t> rtl;  // per block position: in a right-to-left run
    QTextLayout layout;
    qreal width = 0;

    // Display position of a block position.
    int displayOf(int position) const;
    // x of the caret at a block position, from the line's left end.
    qreal caretX(int position) const;
    // Left and right of the character at a block position, from its glyphs
    // (the toolkit's cursor positions are not reliable next to the direction
    // controls); empty for a character without glyphs.
    std::pair<qreal, qreal> characterSpan(int position) const;
    // The block position a point at x (from the line's left end) stands for:
    // before or after the character under it by the half it falls in.
    int positionAt(qreal x) const;

   private:
    mutable std::vector<std::pair<qreal, qreal>> spans_;  // by block position, left > right until found
  };

  explicit SourceLines(QTextDocument* document);

  std::function<bidi::Order()> order;

  // The laid-out line of a block (valid until the next call).
  const Line& line(const QTextBlock& block);
  // Drops the start states from the block holding `position` on.
  void contentsChanged(int position);

 private:
  bidi::Scan startState(const QTextBlock& block);

  QTextDocument* document_;
  std::unordered_map<int, std::unique_ptr<Line>> lines_;  // by block number
  std::vector<std::uint8_t> startStates_;                 // by block number
  std::size_t validStates_ = 0;
};

}  // namespace qm
