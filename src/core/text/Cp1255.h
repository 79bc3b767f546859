#pragma once

#include <string>
#include <string_view>

namespace qm::cp1255 {

// Code page 1255 <-> Unicode. Every one of the 256 byte values maps to exactly
// one UTF-16 unit and back: the bytes the code page leaves undefined go to the
// private-use units U+F780..U+F7FF (0xF700 + byte), so text read from a file
// round-trips byte for byte through a widget.

char16_t toUnicode(unsigned char byte);

// The byte for a Unicode code point, or -1 when code page 1255 cannot hold it.
int fromUnicode(char32_t cp);

std::u16string decode(std::string_view bytes);

// Encodes UTF-16 text. A character the code page cannot hold becomes an HTML
// numeric character reference ("&#1234;"), so nothing the user types is lost.
// Unpaired surrogates become the reference of U+FFFD.
std::string encode(std::u16string_view text);

// True for the byte values code page 1255 leaves undefined.
bool isUndefinedByte(unsigned char byte);

}  // namespace qm::cp1255
