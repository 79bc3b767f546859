#pragma once

#include <QString>

namespace qm {

// An installed font family that has Hebrew letters, preferring Arial-like
// families; empty when there is none.
QString hebrewFallbackFamily();

// The settings and windows name fonts of another system ("MS Sans Serif",
// "Arial Hebrew"). Each of them that is not installed is substituted by the
// Hebrew fallback family, so Hebrew text never falls into a font without it.
// Returns the fallback family in use (empty when none was needed or found).
QString installFontFallbacks();

}  // namespace qm
