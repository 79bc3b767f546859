#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reading attribute values back from tags already in the page (the page body
// and META wizards). Texts are the page's CR LF bytes; offsets are byte offsets.
namespace qm::wizards {

// The first offset >= `from` where `pattern` starts, letters compared without
// regard to case; -1 when there is none.
std::int64_t findNoCase(std::string_view text, std::string_view pattern, std::int64_t from);

// The value of attribute `name` in the tag that starts at `tagStart` and ends
// with the ">" at `tagEnd`. The name is found (letters without regard to case)
// between the tag's start and its end, so an attribute of a later tag on the
// same line is never taken; a name given with a leading space (" LINK") must
// follow a space, tab or line break in the tag. After the name comes the next "=" inside the tag,
// then breaks and spaces are skipped; a value in double or single quotes runs
// to the matching quote (the tag's end when there is none), any other value
// up to the first break, space or ">". A missing attribute, or one without
// "=", gives an empty value.
std::string ReadTagAttr(std::string_view text, std::int64_t tagStart, std::int64_t tagEnd, std::string_view name);

// A colour value without its leading "#" (a lone "#" stays as it is).
std::string ReadColorAttr(std::string_view text, std::int64_t tagStart, std::int64_t tagEnd, std::string_view name);

// The colour (0x00RRGGBB) with which a label shows a colour value: its first
// six characters as three hexadecimal pairs; a three-digit short form such as
// "fff" is expanded ("ffffff"). Anything else that is not a hexadecimal colour
// gives black.
std::uint32_t HexToColor(std::string_view value);

}  // namespace qm::wizards
