#include "core/net/NetText.h"

#include <cctype>
#include <charconv>

namespace qm::net {

std::string nthField(std::string_view text, char delim, int n) {
  if (n < 1) return {};
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) {
    const std::size_t pos = text.find(delim, start);
    if (pos == std::string_view::npos) return {};
    start = pos + 1;
  }
  const std::size_t end = text.find(delim, start);
  return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

int leadingNumber(std::string_view line) {
  long long value = 0;
  std::size_t i = 0;
  while (i < line.size() && i < 10 && line[i] >= '0' && line[i] <= '9') {
    value = value * 10 + (line[i] - '0');
    ++i;
  }
  if (value > 2147483647LL) return 0;
  return static_cast<int>(value);
}

std::string_view withoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

std::string_view trimmed(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string upperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string lowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool hasControl(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 32 || c == 127) return true;
  return false;
}

std::string printable(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text.substr(0, 80)) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (b < 32 || b == 127) out += std::string("\\x") + kHex[b >> 4] + kHex[b & 15];
    else out += c;
  }
  if (text.size() > 80) out += "...";
  return out;
}

long long wholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 18) return -1;
  long long value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size() || value < 0) return -1;
  return value;
}

}  // namespace qm::net
