#pragma once

#include <QString>

namespace qm {

// What a font is used for, which decides the installed family that stands in
// for a family that is not installed.
enum class FontRole {
  Interface,  // windows and controls: a sans-serif family with Hebrew letters
  Source,     // the source editor's Latin text: a monospaced family
  Hebrew,     // the source editor's Hebrew runs: a Culmus family
};

// The installed family that shows text set in `family` for `role`: the family
// itself when it is installed, else the closest installed one: the settings
// and windows name fonts of another system ("MS Sans Serif", "Courier New",
// "David"), which are mapped by their kind (sans-serif, monospaced, serif, the
// Hebrew families to their Culmus namesakes). Empty only when no font at all
// is installed.
QString installedFamily(const QString& family, FontRole role);

// An installed font family that has Hebrew letters for the interface; empty
// when there is none.
QString hebrewFallbackFamily();

// Makes every font name of another system that is not installed show in its
// installed stand-in for the interface (QFont substitutions), so Hebrew text
// never falls into a font without it. Returns the stand-in of "MS Sans Serif"
// (empty when it is installed or nothing was found).
QString installFontFallbacks();

}  // namespace qm
