#include "core/wizards/TagAttr.h"

#include "core/text/Search.h"

namespace qm::wizards {

namespace {

bool isSpace(char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; }

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

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (upper(a[k]) != upper(b[k])) return false;
  return true;
}

std::int64_t tagEnd(std::string_view text, std::int64_t lt) {
  const auto size = static_cast<std::int64_t>(text.size());
  if (lt < 0 || lt >= size) return -1;
  for (std::int64_t i = lt + 1; i < size; ++i) {
    const char c = text[i];
    if (c == '>') return i;
    if (c != '=') continue;
    std::int64_t v = i + 1;
    while (v < size && isSpace(text[v])) ++v;
    if (v >= size) return -1;
    if (text[v] != '"' && text[v] != '\'') {
      i = v - 1;
      continue;
    }
    const std::size_t close = text.find(text[v], static_cast<std::size_t>(v + 1));
    if (close == std::string_view::npos) {
      const std::size_t gt = text.find('>', static_cast<std::size_t>(v + 1));
      return gt == std::string_view::npos ? -1 : static_cast<std::int64_t>(gt);
    }
    i = static_cast<std::int64_t>(close);
  }
  return -1;
}

std::vector<TagAttribute> tagAttributes(std::string_view text, std::int64_t tagStart, std::int64_t tagEnd) {
  std::vector<TagAttribute> out;
  const auto size = static_cast<std::int64_t>(text.size());
  if (tagStart < 0 || tagEnd < tagStart || tagEnd >= size) return out;
  std::int64_t i = tagStart + 1;
  while (i < tagEnd && !isSpace(text[i])) ++i;  // the tag's name
  for (;;) {
    while (i < tagEnd && (isSpace(text[i]) || text[i] == '/')) ++i;
    if (i >= tagEnd) break;
    TagAttribute a;
    a.start = i;
    while (i < tagEnd && !isSpace(text[i]) && text[i] != '=') ++i;
    a.name = std::string(text.substr(a.start, i - a.start));
    a.end = i;
    std::int64_t j = i;
    while (j < tagEnd && isSpace(text[j])) ++j;
    if (j < tagEnd && text[j] == '=') {
      ++j;
      while (j < tagEnd && isSpace(text[j])) ++j;
      if (j < tagEnd && (text[j] == '"' || text[j] == '\'')) {
        const std::size_t close = text.find(text[j], static_cast<std::size_t>(j + 1));
        const std::int64_t e =
            close == std::string_view::npos || static_cast<std::int64_t>(close) > tagEnd ? tagEnd
                                                                                        : static_cast<std::int64_t>(close);
        a.value = std::string(text.substr(j + 1, e - j - 1));
        i = e < tagEnd ? e + 1 : tagEnd;
      } else {
        std::int64_t e = j;
        while (e < tagEnd && !isSpace(text[e])) ++e;
        a.value = std::string(text.substr(j, e - j));
        i = e;
      }
      a.end = i;
    }
    if (a.name.empty()) {  // a stray "=": skip it
      ++i;
      continue;
    }
    out.push_back(std::move(a));
  }
  return out;
}

std::string ReadTagAttr(std::string_view text, std::int64_t tagStart, std::int64_t tagEnd, std::string_view name) {
  while (!name.empty() && name[0] == ' ') name.remove_prefix(1);
  if (name.empty()) return {};
  for (TagAttribute& a : tagAttributes(text, tagStart, tagEnd))
    if (sameName(a.name, name)) return std::move(a.value);
  return {};
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
