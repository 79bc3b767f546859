#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reading attribute values back from tags already in the page (the page body
// and META wizards). Texts are the page's CR LF bytes; offsets are byte offsets.
namespace qm::wizards {

// The first offset >= `from` where `pattern` starts, letters compared without
// regard to case; -1 when there is none.
std::int64_t findNoCase(std::string_view text, std::string_view pattern, std::int64_t from);

// The offset of the ">" that ends the tag whose "<" is at `lt`: a ">" inside
// a quoted attribute value (onload="if (n > 0) go()") does not end it. A
// quote opens a value only right after "=" (spaces and breaks between); a
// value whose quote is never closed runs to the next ">". -1 when there is
// no end.
std::int64_t tagEnd(std::string_view text, std::int64_t lt);

// One attribute of a start tag as the page writes it.
struct TagAttribute {
  std::string name;         // as written
  std::string value;        // without its quotes; empty when there is no "="
  std::int64_t start = 0;   // the page's text of the whole attribute:
  std::int64_t end = 0;     // [start, end), the name through the value
};

// The attributes of the tag from `tagStart` ("<") to `tagEnd` (its ">"), in
// page order. After the tag's name, each attribute is a name (up to a blank,
// "=" or ">"), then, optionally, "=" (blanks around it allowed) and a value:
// in double or single quotes up to the matching quote (the tag's end when
// there is none), otherwise up to a blank or ">".
std::vector<TagAttribute> tagAttributes(std::string_view text, std::int64_t tagStart, std::int64_t tagEnd);

// The value of attribute `name` (the whole name, letters without regard to
// case; a leading space in `name` is ignored) in the tag from `tagStart` to
// `tagEnd`; the first one when the tag has several. A missing attribute, or
// one without "=", gives an empty value.
std::string ReadTagAttr(std::string_view text, std::int64_t tagStart, std::int64_t tagEnd, std::string_view name);

// Whether `a` and `b` are the same name, letters without regard to case.
bool sameName(std::string_view a, std::string_view b);

// A colour value without its leading "#" (a lone "#" stays as it is).
std::string ReadColorAttr(std::string_view text, std::int64_t tagStart, std::int64_t tagEnd, std::string_view name);

// The colour (0x00RRGGBB) with which a label shows a colour value: its first
// six characters as three hexadecimal pairs; a three-digit short form such as
// "fff" is expanded ("ffffff"). Anything else that is not a hexadecimal colour
// gives black.
std::uint32_t HexToColor(std::string_view value);

}  // namespace qm::wizards
