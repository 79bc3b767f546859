#pragma once

#include <optional>
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

// The file a preview address names inside the previewed page's folder: the
// address's path (still percent-encoded, as the browser sent it) decoded once
// and given as a path relative to that folder ("img/a.gif"). Nothing when it
// could leave the folder or name something other than a file below it: a "."
// or ".." segment however it is spelt ("%2e%2e"), an empty segment ("//etc"),
// a "\", ":" or NUL in a name, a broken escape. Symbolic links are the
// caller's to resolve; withinFolder then checks where they lead.
std::optional<std::string> previewRelativePath(std::string_view encodedPath);

// True when `path` lies below `folder` (both absolute, without "." or ".."
// segments and with links resolved): "/site/a/b.htm" is within "/site", but
// "/site2/x" and "/site" itself are not.
bool withinFolder(std::string_view folder, std::string_view path);

}  // namespace qm::paths
