#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QObject>
#include <QTextCharFormat>
#include <QTextLayout>
#include <array>
#include <cstdint>
#include <vector>

#include "core/markup/Highlight.h"

namespace qm {
struct EditorSettings;

// What the look of coloured text depends on besides the text.
struct ColourScheme {
  QColor tag{0, 0, 255};
  QColor remark{112, 112, 112};
  QColor text{0, 0, 0};
  QString englishFont = QStringLiteral("MS Sans Serif");
  QString hebrewFont = QStringLiteral("MS Sans Serif");
  qreal pointSize = 8;

  // The look the editor settings give.
  static ColourScheme From(const EditorSettings& s);
  // The font of Latin text (and of the editor as a whole).
  QFont latinFont() const;

  friend bool operator==(const ColourScheme&, const ColourScheme&) = default;
};

// The colour model of a source editor: every block is formatted from the
// colouring scan (core/markup/Highlight.h), starting in the state the
// previous block ended in (kept as the block's user state), so an edit
// recolours its own block and only as many following blocks as the change of
// state reaches. The formats are the blocks' layout formats: nothing in the
// text changes, and a whole page is formatted with one layout update (a
// per-block highlighter that lays every block out as it goes is several times
// slower on a large page).
//
// On top of the scan lie overrides: characters whose colour the typing rules
// and the forward colouring set explicitly. They are the document's own
// character formats (a foreground), so they move with the text as it is
// edited; where a character has one, the model sets only the font and the
// override's colour shows. A full colouring drops them all.
//
// Inactive (the start, and after switchOff) the model sets no formats at all
// and the editor shows its own colours.
class Colouring : public QObject {
  Q_OBJECT
 public:
  explicit Colouring(QTextDocument* document, QObject* parent = nullptr);

  bool active() const { return active_; }
  const ColourScheme& scheme() const { return scheme_; }

  // Full colouring: drops every override and makes every block show the scan
  // in `scheme`. Blocks that already do (the model was active with the same
  // scheme) are not formatted again. Returns the number of overrides dropped.
  int colourAll(const ColourScheme& scheme);
  // No formats and no overrides: the whole text in the editor's own colour.
  void switchOff();
  // Gives toolkit positions [from, from + count) the colour as an override.
  void overrideColour(int from, int count, const QColor& colour);
  // Drops the overrides (whether or not the model is active); returns how many
  // stretches were dropped.
  int dropOverrides();

  // What the reader sees at a toolkit position: the colour, and whether the
  // character is set in the Hebrew font. `fallback` is the editor's own text
  // colour.
  QColor colourAt(int position, const QColor& fallback) const;
  bool hebrewFontAt(int position) const;

 private:
  void onContentsChange(int from, int removed, int added);
  // Formats the blocks from the one holding `from` through the one holding
  // from + count - 1, then on while a block's end state changed.
  void reformat(int from, int count);
  // Formats one block from the state the previous one ended in; returns the
  // block's end state.
  int formatBlock(const QTextBlock& block, int previousState);
  // The document's formats that carry a colour (overrides), by index.
  void findOverrideFormats();
  bool isOverrideFormat(int index) const;
  void buildFormats();
  std::size_t formatIndex(std::uint8_t colour, bool hebrew) const;
  // The format the model set at a position, if any (valid only while active).
  bool layoutFormatAt(int position, QTextCharFormat& out) const;

  QTextDocument* target_;
  bool active_ = false;
  std::vector<bool> overrideFormat_;  // by format index
  bool anyOverrideFormat_ = false;
  QList<QTextLayout::FormatRange> ranges_;
  ColourScheme scheme_;
  // Scan formats by colour index (1 tag, 2 comment, 3 text) x Hebrew font.
  std::array<QTextCharFormat, 8> formats_;
  std::vector<highlight::StyledRun> runs_;
};

}  // namespace qm
