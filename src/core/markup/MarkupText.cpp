#include "core/markup/MarkupText.h"

#include <algorithm>

namespace qm {

std::string StripTag(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t lt = s.find('<', i);
    if (lt == std::string_view::npos) {
      out.append(s.substr(i));
      break;
    }
    out.append(s.substr(i, lt - i));
    const std::size_t gt = s.find('>', lt + 1);
    if (gt == std::string_view::npos) break;  // an unclosed tag takes the rest
    i = gt + 1;
  }
  return out;
}

std::string JavaPath(std::string_view path) {
  std::string out;
  out.reserve(path.size() + 8);
  for (char c : path) {
    if (c == '\\') out += '\\';
    out += c;
  }
  return out;
}

namespace {

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = s[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// An absolute local path as the user would type it on this platform or on Windows.
bool isAbsoluteLocal(std::string_view p) {
  if (p.size() >= 1 && p[0] == '/') return !(p.size() >= 2 && p[1] == '/');  // "//host" is an address
  if (p.substr(0, 2) == "~/") return true;
  return p.size() >= 3 && isAsciiLetter(p[0]) && p[1] == ':' && p[2] == '/';
}

std::string afterLast(std::string_view p, char sep, std::size_t searchEnd) {
  const std::size_t pos = p.substr(0, searchEnd).rfind(sep);
  if (pos == std::string_view::npos) return std::string(p);
  return std::string(p.substr(pos + 1));
}

}  // namespace

std::string TruncPath(std::string_view path, bool includePathNames, PathOrigin origin) {
  if (includePathNames) return std::string(path);
  if (path.find('\\') != std::string_view::npos) return afterLast(path, '\\', path.size());
  const bool fileUrl = startsWithNoCase(path, "file:");
  if (!fileUrl && path.find("://") != std::string_view::npos) return std::string(path);
  if (origin == PathOrigin::Chosen) return afterLast(path, '/', path.size());
  if (fileUrl || isAbsoluteLocal(path)) return afterLast(path, '/', std::min(path.find_first_of("?#"), path.size()));
  return std::string(path);
}

}  // namespace qm
