#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/hebrew/VisualHebrew.h"

// Find, replace all and go to line over a document's CR LF text (offsets are
// byte indexes, a line break counting two).
namespace qm::find {

// What the find window looks for: the text as typed and, under the visual
// standard, its visual form (a Hebrew word typed in reading order is stored
// backwards in a visual page). `visual` is empty when it equals `typed`.
struct Pattern {
  std::string typed;
  std::string visual;
  bool caseSensitive = false;
};

// The typed text and its visual form (xferheb, Hebrew only, brackets mirrored).
Pattern makePattern(std::string_view typed, bool caseSensitive, HebrewStandard standard);

// Offset of the first occurrence of either form that starts at or after
// `from` (both forms have the length of `typed`); -1 when there is none or
// the pattern is empty. A match never spans a line break.
std::int64_t findNext(std::string_view text, const Pattern& p, std::int64_t from);

struct Replaced {
  std::string text;         // the text with every occurrence replaced
  std::int64_t count = 0;   // how many were replaced
  std::int64_t caret = -1;  // offset just after the last replacement; -1 when none
};

// Replaces every occurrence of either form, left to right, by `replacement`
// (as typed). The search goes on after each replacement, so a replacement is
// never searched again ("a" -> "aa" in "aaa" gives "aaaaaa"). Linear in the
// text: each form is searched for again only once the scan has passed the
// occurrence found for it last.
Replaced replaceAll(std::string_view text, const Pattern& p, std::string_view replacement);

// Lines as a line list counts them: a final line break starts no line, the
// empty text has none.
std::int64_t lineCount(std::string_view text);

// The number (from 1) of the line holding `offset`.
std::int64_t lineNumberAt(std::string_view text, std::int64_t offset);

// Where going to line n puts the caret: the end of line n (from 1), before its
// line break; line 0 puts it after the first character, or at the start when
// the first line is empty. Nothing when n < 0 or n > lineCount(text).
std::optional<std::int64_t> lineEndOffset(std::string_view text, std::int64_t n);

}  // namespace qm::find
