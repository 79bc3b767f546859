#include "core/net/PublishText.h"

#include <charconv>
#include <vector>

namespace qm::net {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The start of every word (runs of spaces separate them).
std::vector<std::size_t> wordStarts(std::string_view line) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < line.size(); ++i)
    if (line[i] != ' ' && (i == 0 || line[i - 1] == ' ')) starts.push_back(i);
  return starts;
}

// A long listing line starts with the ten characters of the file kind and
// the permissions ("drwxr-xr-x", "-rw-r--r--").
bool looksLikeUnixLine(std::string_view line) {
  if (line.size() < 10) return false;
  for (std::size_t i = 1; i < 10; ++i) {
    const char c = line[i];
    if (c != '-' && c != 'r' && c != 'w' && c != 'x' && c != 's' && c != 'S' && c != 't' && c != 'T') return false;
  }
  return true;
}

}  // namespace

std::string listEntry(std::string_view line) {
  std::string_view body = line;
  while (!body.empty() && (body.back() == '\r' || body.back() == '\n')) body.remove_suffix(1);
  std::string_view name;
  const std::vector<std::size_t> starts = wordStarts(body);
  if (starts.size() >= 9 && looksLikeUnixLine(body)) {
    name = body.substr(starts[8]);
  } else {
    const std::size_t space = line.rfind(' ');
    name = space == std::string_view::npos ? line : line.substr(space + 1);
  }
  std::string entry(name.substr(0, 100));
  bool dir = false;
  for (std::size_t i = 0; i < 3 && i < line.size(); ++i) dir = dir || line[i] == 'd' || line[i] == 'D';
  return dir ? "/" + entry : entry;
}

UpdateVerdict readUpdateBody(std::string_view body, int own) {
  const std::string_view t = trimmed(body);
  long long n = 0;
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (!t.empty() && *first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, n);
  if (t.empty() || ec != std::errc() || end != last) return {UpdateKind::NotNumber, 0};
  if (n == 0) return {UpdateKind::Nothing, 0};
  return {n > own ? UpdateKind::Newer : UpdateKind::Current, n};
}

std::string versionTitle(long long number) {
  return "Quillmark V" + std::to_string(number / 100) + "." + std::to_string(number % 100);
}

}  // namespace qm::net
