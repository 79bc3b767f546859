#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The document searches with which the shell and the wizards locate markup.
//
// Characters are numbered from 1, line by line, every line break taking two
// numbers (CR LF), so number - 1 is the document offset. A search returns the
// offset of the first character of the first occurrence of the pattern that
// lies wholly inside one line (a match never spans a line break) and whose
// first character has a number >= from (so from 0 and from 1 both mean the
// start); -1 when there is none, for an empty pattern and for an empty text.
// Without caseSensitive, "a".."z" match "A".."Z"; every other byte, Hebrew
// letters included, matches only itself.
//
// The text form takes the document as CR LF text (lines are separated by CR LF;
// a lone CR or LF is an ordinary character of its line) and searches it in
// place: no copy, a skip-search over the bytes.
namespace qm {

std::int64_t searchTS2(std::string_view text, std::string_view pattern, bool caseSensitive, std::int64_t from);

// As searchTS2, but the scan ends with the line on which offset `limit` lies
// (its line break counting as part of it; the first line when limit < 0, the
// whole text when limit is past its end). That line is searched whole, so an
// occurrence on it that starts at or after `limit` is still found.
std::int64_t searchTS3(std::string_view text, std::string_view pattern, bool caseSensitive, std::int64_t from,
                       std::int64_t limit);

// The same over a list of lines (each followed by a two-character line break).
std::int64_t searchTS2(const std::vector<std::string>& lines, std::string_view pattern, bool caseSensitive,
                       std::int64_t from);
std::int64_t searchTS3(const std::vector<std::string>& lines, std::string_view pattern, bool caseSensitive,
                       std::int64_t from, std::int64_t limit);

}  // namespace qm
