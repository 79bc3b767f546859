#include "core/hebrew/HebrewText.h"

#include "core/text/Lines.h"

namespace qm::hebrew {

std::vector<std::string> entryMarkup(const std::vector<std::string>& typed, const EntryLayout& layout,
                                     HebrewStandard standard) {
  std::vector<std::string> out;
  out.reserve(typed.size());
  for (const std::string& line : typed) {
    std::string s = xferheb(line, layout.hebrewOnly, layout.mirror, standard);
    if (layout.table) {
      std::string row;
      row.reserve(kEntryRowOpen.size() + s.size() + kEntryRowClose.size());
      row.append(kEntryRowOpen).append(s).append(kEntryRowClose);
      s = std::move(row);
    } else if (layout.lineBreaks) {
      s.append(kEntryLineBreak);
    }
    out.push_back(std::move(s));
  }
  if (layout.table && !out.empty()) {
    out.front().insert(0, kEntryTableOpen);
    out.back().append(kEntryTableClose);
  }
  return out;
}

std::vector<std::string> readingOrderLines(std::string_view crlfText, HebrewStandard standard) {
  std::vector<std::string> lines = qm::lines::split(crlfText);
  for (std::string& line : lines)
    if (!line.empty()) line = xferheb(line, true, true, standard);
  return lines;
}

}  // namespace qm::hebrew
