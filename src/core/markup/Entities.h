#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qm {

// A Latin-1 named entity and the byte of its character. In code page 1255 those
// bytes are the Hebrew letters, so a page that wrote its Hebrew as these
// entities reads as Hebrew once they are replaced.
struct EntityEntry {
  std::string_view name;  // "&" + name + ";"
  unsigned char byte;
};

// Compared in this order; the comparison is case-sensitive.
extern const std::array<EntityEntry, 27> EntityTable;

// The page with every entity of EntityTable replaced by its byte and every byte
// 0xBA (the division sign of the old encoding) replaced by 0xF7 (tav). An "&"
// that starts no entry of the table is kept as it is.
// On a UTF-8 page (`utf8`) each letter is written as its UTF-8 sequence and
// 0xBA is left alone: there it is part of another character.
std::string convertEntityHebrew(std::string_view text, bool utf8 = false);

}  // namespace qm
