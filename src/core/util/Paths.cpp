#include "core/util/Paths.h"

namespace qm::paths {

std::string folderOf(std::string_view path) {
  const auto slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

std::string fileNameOf(std::string_view path) {
  const auto slash = path.rfind('/');
  if (slash == std::string_view::npos) return std::string(path);
  return std::string(path.substr(slash + 1));
}

std::string join(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string out(folder);
  if (out.back() != '/') out += '/';
  out += name;
  return out;
}

bool isAbsolute(std::string_view path) {
  if (!path.empty() && path.front() == '/') return true;
  return path.size() >= 3 && path[1] == ':' && (path[2] == '/' || path[2] == '\\') &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One path segment with its escapes decoded; nothing for a broken escape.
std::optional<std::string> decodeSegment(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') {
      out += s[i];
      continue;
    }
    if (i + 2 >= s.size()) return std::nullopt;
    const int hi = hexValue(s[i + 1]);
    const int lo = hexValue(s[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return out;
}

}  // namespace

std::optional<std::string> previewRelativePath(std::string_view encodedPath) {
  if (encodedPath.empty() || encodedPath.front() != '/') return std::nullopt;
  std::string out;
  std::size_t start = 1;
  while (true) {
    const std::size_t slash = encodedPath.find('/', start);
    const std::string_view raw =
        encodedPath.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
    const std::optional<std::string> name = decodeSegment(raw);
    // A decoded "/" would split the name again; "\\" and ":" are separators
    // or drive letters elsewhere; "." and ".." climb.
    if (!name || name->empty() || *name == "." || *name == ".." ||
        name->find_first_of(std::string_view("/\\:\0", 4)) != std::string::npos)
      return std::nullopt;
    if (!out.empty()) out += '/';
    out += *name;
    if (slash == std::string_view::npos) return out;
    start = slash + 1;
  }
}

bool withinFolder(std::string_view folder, std::string_view path) {
  if (folder.empty()) return false;
  // "/" becomes the empty prefix: every absolute path but "/" lies below it.
  while (!folder.empty() && folder.back() == '/') folder.remove_suffix(1);
  return path.size() > folder.size() + 1 && path.substr(0, folder.size()) == folder && path[folder.size()] == '/';
}

}  // namespace qm::paths
