#pragma once

#include <string>
#include <string_view>

namespace qm {

// The text without its tags: every stretch from a "<" to the next ">" (both
// included) goes, line breaks inside it too; a ">" outside a tag stays, a "<"
// inside a tag is ignored, an unclosed "<" removes the rest of the text.
std::string StripTag(std::string_view s);

// The path with every backslash doubled, for a script string literal.
std::string JavaPath(std::string_view path);

// Where a path put into a markup field came from.
enum class PathOrigin {
  Typed,   // typed by the user, or found in the page
  Chosen,  // returned by a file dialog or dropped on the program: a local file
};

// The path as markup should receive it. With includePathNames set, unchanged.
// Otherwise the folder part goes, by the first rule that applies:
//  1. a path with a backslash loses everything up to and including its last
//     backslash (searched over the whole path; "C:\site\a.gif" -> "a.gif");
//  2. a "file:" address, and a local path - one Chosen, or typed as an absolute
//     path ("/home/u/a.gif", "~/a.gif", "C:/site/a.gif") - loses everything up
//     to and including its last "/" (of a typed path, the last one before any
//     "?" or "#", so a query keeps its slashes);
//  3. anything else keeps its slashes: an address with "://"
//     ("http://host/a.gif"), a "//host/..." address, a relative path
//     ("img/a.gif"), a path without any slash.
std::string TruncPath(std::string_view path, bool includePathNames, PathOrigin origin = PathOrigin::Typed);

}  // namespace qm
