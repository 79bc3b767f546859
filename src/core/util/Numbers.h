#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Reads a whole decimal integer (optional surrounding blanks and sign, or a
// "$"/"0x" hexadecimal form). Anything else, or a value out of the 32-bit
// range, gives the default: a setting that is not a number reads as unset.
std::int32_t strToIntDef(std::string_view text, std::int32_t def);

// Colours are 0x00BBGGRR: red in the low byte.
constexpr int redOf(std::uint32_t c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(std::uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(std::uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr std::uint32_t makeColor(int r, int g, int b) {
  return static_cast<std::uint32_t>(r & 0xFF) | (static_cast<std::uint32_t>(g & 0xFF) << 8) |
         (static_cast<std::uint32_t>(b & 0xFF) << 16);
}

// Six upper-case hexadecimal digits RRGGBB, as markup writes a colour.
std::string colorToHtmlHex(std::uint32_t color);

}  // namespace qm
