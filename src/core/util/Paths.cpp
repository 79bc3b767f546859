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

}  // namespace qm::paths
