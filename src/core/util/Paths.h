#pragma once

#include <string>
#include <string_view>

namespace qm::paths {

// Paths use "/" as their separator (the toolkit gives native paths in that form
// on every platform).

// The folder part of a path: the text before its last "/". A path without a
// "/" has no folder (empty result); a path directly under the root gives "/".
std::string folderOf(std::string_view path);

// The part after the last "/" (the whole path when it has none).
std::string fileNameOf(std::string_view path);

// folder + "/" + name, without doubling a "/" that ends the folder. An empty
// folder gives the name alone.
std::string join(std::string_view folder, std::string_view name);

// True when the path names a file from the root (starts with "/"), or carries a
// drive letter ("C:/", "C:\").
bool isAbsolute(std::string_view path);

}  // namespace qm::paths
