#include "core/util/Numbers.h"

#include <charconv>
#include <cstdio>

namespace qm {

std::int32_t strToIntDef(std::string_view text, std::int32_t def) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return def;
  std::int64_t value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || ptr != text.data() + text.size()) return def;
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return def;
  return static_cast<std::int32_t>(value);
}

std::string colorToHtmlHex(std::uint32_t color) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X%02X%02X", redOf(color), greenOf(color), blueOf(color));
  return buf;
}

}  // namespace qm
