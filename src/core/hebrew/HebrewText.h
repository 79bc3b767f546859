#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/hebrew/VisualHebrew.h"

namespace qm::hebrew {

// How the Hebrew text entry window turns the lines the user typed (logical
// order, code-page 1255) into the lines it inserts into a page.
struct EntryLayout {
  bool hebrewOnly = true;  // reverse only the Hebrew (xferheb's hebrewOnly)
  bool mirror = true;      // swap (), {} and [] (xferheb's mirror)
  bool lineBreaks = true;  // close every line with "<BR>"
  bool table = false;      // every line a row of a right-aligned table; no "<BR>"
};

// The markup lines for the typed lines: each line converted with xferheb under
// `standard`, then closed with "<BR>" or wrapped as a table row; with the
// table layout the first line also opens the table and the last one closes
// it (one line carries both). No lines give no markup, not an empty table.
std::vector<std::string> entryMarkup(const std::vector<std::string>& typed, const EntryLayout& layout,
                                     HebrewStandard standard);

// The lines of a stretch of a page (CR LF text, as a selection holds it)
// brought back to reading order: every non-empty line through xferheb with
// both flags set. Under the logical standard the lines come back as they are.
// A final line break starts no further line.
std::vector<std::string> readingOrderLines(std::string_view crlfText, HebrewStandard standard);

// The table markup around the rows.
inline constexpr std::string_view kEntryTableOpen = "<TABLE BORDER=\"0\" ALIGN=\"RIGHT\">";
inline constexpr std::string_view kEntryTableClose = "</TABLE>";
inline constexpr std::string_view kEntryRowOpen = "<TR><TD ALIGN=\"RIGHT\" COLSPAN=\"250\">";
inline constexpr std::string_view kEntryRowClose = "</TD></TR>";
inline constexpr std::string_view kEntryLineBreak = "<BR>";

}  // namespace qm::hebrew
