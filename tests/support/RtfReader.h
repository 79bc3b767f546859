#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qm::rtf {

// Text with one set of character properties.
struct Run {
  std::string text;  // code-page bytes; a paragraph mark ("\par") reads as CR LF
  int color = 0;     // index into the colour table (0 = the first entry)
  int font = 0;      // font number (see Document::fonts)
  int halfPoints = 24;
  bool rtl = false;  // right-to-left character run ("\rtlch")

  friend bool operator==(const Run&, const Run&) = default;
};

struct Document {
  std::map<int, std::string> fonts;   // font number -> name
  std::vector<std::uint32_t> colors;  // colour table entries, 0x00BBGGRR
  std::vector<Run> runs;              // adjacent runs always differ in some property
};

// The colouring tests' oracle: reads the RTF subset the colouring writes
// (groups, the font and colour tables, ignorable "\*" destinations, \deff
// \plain \f \fs \cf \rtlch \ltrch \par, the escapes \\ \{ \} and \'hh; other
// control words are skipped, raw CR and LF ignored) into styled runs.
Document read(std::string_view rtf);

}  // namespace qm::rtf
