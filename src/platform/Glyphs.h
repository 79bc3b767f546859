#pragma once

#include <QIcon>
#include <QString>

namespace qm {

// The small pictures of the tool bars and the tag palette, drawn once by
// the program itself.
enum class Glyph {
  None, New, Open, Save, Copy, Cut, Paste, Undo, Clear, Cascade, TileRows, TileColumns, Previous, Next,
  AlignLeft, AlignCenter, AlignRight, Rule, Colour, Table, Text
};

// A 20 x 20 picture; Glyph::Text draws the given short text.
QIcon drawGlyph(Glyph g, const QString& text = {});

}  // namespace qm
