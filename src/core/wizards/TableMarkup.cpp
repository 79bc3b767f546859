#include "core/wizards/TableMarkup.h"

#include <charconv>

namespace qm::wizards {

FieldNumber readFieldNumber(std::string_view text) {
  if (text.empty()) return {};
  if (text.size() > 1 && text[1] == ' ') text = text.substr(0, 1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int v = 0;
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, v);
  if (text.empty() || r.ec != std::errc() || r.ptr != end) return {FieldNumber::NotANumber, 0};
  return {FieldNumber::Number, v};
}

std::vector<std::string> tableLines(const TableChoices& c, HebrewStandard standard) {
  auto x = [&](const std::string& s) { return xferheb(s, true, true, standard); };
  std::vector<std::string> lines;
  lines.reserve(4 + c.cells.size() * (2 + (c.cells.empty() ? 0 : c.cells.front().size())));
  lines.push_back("<TABLE BORDER=\"" + c.border + "\">");
  if (!c.caption.empty()) lines.push_back("<CAPTION>" + x(c.caption) + "</CAPTION>");
  lines.push_back("<TH COLSPAN=" + c.width + ">" + x(c.header) + "</TH>");
  for (const auto& row : c.cells) {
    lines.push_back("<TR>");
    for (const std::string& cell : row) lines.push_back("<TD>" + c.prefix + x(cell) + "</TD>");
    lines.push_back("</TR>");
  }
  lines.push_back("</TABLE>");
  return lines;
}

}  // namespace qm::wizards
