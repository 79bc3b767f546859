#pragma once

#include <QIcon>
#include <QString>

class QPainter;

namespace qm {

// The small pictures of the tool bars and the tag palette.
enum class Glyph {
  None, New, Open, Save, Copy, Cut, Paste, Undo, Clear, Cascade, TileRows, TileColumns, Previous, Next,
  AlignLeft, AlignCenter, AlignRight, Rule, Colour, Table, Text
};

// The desktop theme's icon for the glyph when the theme has one and the
// picture means the same in a right-to-left window (new, open, save, the
// clipboard, alignment); otherwise our own drawing. Our drawings are vector
// paintings on a 20 x 20 grid, painted afresh for every size and device pixel
// ratio asked for, so they are sharp at 1x, 2x and any scale between.
// Glyph::Text draws the given short text.
QIcon drawGlyph(Glyph g, const QString& text = {});
// Our own drawing only (the theme is not asked).
QIcon ownGlyph(Glyph g, const QString& text = {});
// The freedesktop icon name used for the glyph, or empty when we always draw it.
QString themeIconName(Glyph g);

// The program's icon: a quill over a page on a blue tile, painted at every
// size (the installed data/quillmark.svg is the same picture).
QIcon appIcon();
// Paints the program's picture into a square of side `side` at the origin.
void paintAppPicture(QPainter& p, qreal side);

}  // namespace qm
