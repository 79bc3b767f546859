#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How a line of page source is laid out on screen. The editor never applies
// the bidirectional algorithm to a source line as a whole: markup would be
// scrambled around Hebrew. Instead a line is cut into markup (tags, attribute
// names, '=', quotes, comment delimiters, entities) and text (element content,
// attribute values, comment text); markup stands left to right in source
// order and each text run is laid out by itself, isolated, in the direction
// of its first strong character. The result is the line with Unicode
// direction controls around its runs (the display text) and the map from the
// line's positions to the display text's; the line itself is never changed.
//
// Lines are UTF-16 (what the editor widget holds), whatever the page's
// encoding; whether a page stores Hebrew visually or logically is the
// caller's to say.
namespace qm::bidi {

enum class Dir : std::uint8_t { Neutral, Ltr, Rtl };
enum class RunKind : std::uint8_t { Markup, Text };
// Where the markup scan stands at a line boundary (a tag's attributes and a
// comment may go on over several lines).
enum class Scan : std::uint8_t { Text, Tag, DoubleQuoted, SingleQuoted, Comment };

struct Run {
  std::size_t start = 0;
  std::size_t length = 0;
  RunKind kind = RunKind::Markup;
  Dir dir = Dir::Neutral;
  friend bool operator==(const Run&, const Run&) = default;
};

struct SplitLine {
  std::vector<Run> runs;
  Scan end = Scan::Text;
};

// Direction of a strong character (Hebrew, Arabic and the right-to-left mark
// are right to left; letters of the other scripts and the left-to-right mark
// left to right); Neutral for digits, punctuation, spaces and symbols.
Dir strongDir(char16_t u);
Dir firstStrong(std::u16string_view text);

// Markup and text runs of one line starting in state `start`; together the
// runs cover the line, adjacent markup forms one run.
SplitLine splitLine(std::u16string_view line, Scan start);

// The state after `line` (what splitLine(line, start).end gives, without the runs).
Scan scanLine(std::u16string_view line, Scan start);

// How a line's characters are ordered on screen.
enum class Order : std::uint8_t {
  Logical,    // logical page: markup left to right, text runs isolated
  Stored,     // visual page: every character in stored order, left to right
  Reordered,  // a visual page's line after the Hebrew edit mode reordering:
              // shown as the stored line it came from (segments of run
              // characters and others in reverse order, run segments reversed)
};

struct Display {
  std::u16string text;  // the line with direction controls and visible marks
  // Display index of each position of the line (line.size() + 1 entries; the
  // last is just after the line's last character).
  std::vector<std::int32_t> toDisplay;
  // Per line position: 1 where the character stands in a right-to-left run.
  std::vector<std::uint8_t> rtl;
  // Display indexes of the symbols that stand for invisible marks.
  std::vector<std::int32_t> marks;
};

// The display text of a line, to be laid out left to right.
Display displayLine(std::u16string_view line, Scan start, Order order);

// The visible symbol shown for an invisible direction mark or joiner, or 0
// when `u` is not one.
char16_t markSymbol(char16_t u);

}  // namespace qm::bidi
