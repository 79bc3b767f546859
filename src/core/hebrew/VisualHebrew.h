#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

// How a page stores Hebrew: "ISO ויזואלית" keeps every line in the order it is
// shown, left to right (Hebrew words stored backwards); "WIN לוגית" keeps the
// order in which it is read.
enum class HebrewStandard { IsoVisual, WinLogical };

// A Hebrew letter is a code-page 1255 byte from 0xE0 (alef) to 0xFA (tav).
constexpr bool isHebrewLetter(unsigned char c) { return c >= 0xE0 && c <= 0xFA; }
constexpr bool isHebrewLetter(char c) { return isHebrewLetter(static_cast<unsigned char>(c)); }

// Converts one line from logical to visual order under the visual standard;
// under the logical standard the line comes back unchanged. The line is
// reversed; with `mirror`, (), {} and [] are swapped in the reversed line; with
// `hebrewOnly`, each run of non-Hebrew characters (spaces between two
// non-Hebrew characters included) is then put back in its original order, so
// only Hebrew reads backwards. Applied to a plain visual line it gives the
// logical line back. Linear in the length of the line.
std::string xferheb(std::string_view s, bool hebrewOnly, bool mirror, HebrewStandard standard);

}  // namespace qm
