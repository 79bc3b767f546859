#include "core/wizards/TagAttr.h"

#include "core/text/Search.h"

namespace qm::wizards {

namespace {

bool isBlank(char c) { return c == '\r' || c == '\n' || c == ' '; }

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::int64_t findNoCase(std::string_view text, std::string_view pattern, std::int64_t from) {
  // The searches number characters from 1, so offset `from` is number from + 1.
  return searchTS2(text, pattern, false, from + 1);
}

std::string ReadTagAttr(std::string_view text, std::int64_t tagStart, std::int64_t tagEnd, std::string_view name) {
  const auto size = static_cast<std::int64_t>(text.size());
  if (tagStart < 0 || tagEnd < tagStart || tagEnd >= size) return {};
  // A name given with a leading space must follow a space or a line break
  // (" LINK" is not the end of "VLINK", also when LINK starts a line).
  const bool wordStart = !name.empty() && name[0] == ' ';
  if (wordStart) name.remove_prefix(1);
  if (name.empty()) return {};
  const auto n = static_cast<std::int64_t>(name.size());
  std::int64_t at = -1;
  for (std::int64_t k = tagStart; k + n <= tagEnd; ++k) {
    if (wordStart && (k == tagStart || !(isBlank(text[k - 1]) || text[k - 1] == '\t'))) continue;
    bool same = true;
    for (std::int64_t j = 0; j < n && same; ++j) same = upper(text[k + j]) == upper(name[j]);
    if (same) {
      at = k;
      break;
    }
  }
  if (at < 0) return {};
  std::int64_t i = at + n;
  while (i < tagEnd && text[i] != '=') ++i;
  if (i >= tagEnd) return {};
  ++i;
  while (i < tagEnd && isBlank(text[i])) ++i;
  if (i >= tagEnd) return {};
  const char quote = text[i];
  if (quote == '"' || quote == '\'') {
    const std::size_t close = text.find(quote, static_cast<std::size_t>(i + 1));
    const std::int64_t end = close == std::string_view::npos ? tagEnd : static_cast<std::int64_t>(close);
    return std::string(text.substr(i + 1, end - i - 1));
  }
  std::int64_t end = i;
  while (end < size && !isBlank(text[end]) && text[end] != '>') ++end;
  return std::string(text.substr(i, end - i));
}

std::string ReadColorAttr(std::string_view text, std::int64_t tagStart, std::int64_t tagEnd, std::string_view name) {
  std::string v = ReadTagAttr(text, tagStart, tagEnd, name);
  if (v.size() > 1 && v[0] == '#') v.erase(0, 1);
  return v;
}

std::uint32_t HexToColor(std::string_view value) {
  std::string six;
  if (value.size() == 3) {
    for (char c : value) six += std::string(2, c);
  } else if (value.size() >= 6) {
    six = value.substr(0, 6);
  } else {
    return 0;
  }
  std::uint32_t rgb = 0;
  for (char c : six) {
    const int d = hexDigit(c);
    if (d < 0) return 0;
    rgb = rgb * 16 + static_cast<std::uint32_t>(d);
  }
  return rgb;
}

}  // namespace qm::wizards
