#pragma once

// Texts of the publishing window and of the update check that depend on
// nothing but their input: the list entry a listing line gives, and the
// reading of the version file.

#include <string>
#include <string_view>

namespace qm::net {

// The entry of the remote list for one listing line: "/" + name for a
// directory (any of the first three characters "d" or "D"), else the name;
// at most 100 characters of name. A Unix long listing line of nine or more
// columns names everything after its eighth column (the time or year), so
// "my docs" stays whole; any other line gives its last word (the whole line
// when it has no space).
std::string listEntry(std::string_view line);

// The program's own version in the version file's encoding (1.50).
inline constexpr int OwnVersion = 150;

// What the version file says, compared with OwnVersion.
enum class UpdateKind {
  Nothing,    // the number 0: no answer to give
  Newer,      // a newer version exists: offer it
  Current,    // the installed version is the newest
  NotNumber,  // the body is no whole number
};
struct UpdateVerdict {
  UpdateKind kind = UpdateKind::Nothing;
  long long number = 0;
};
// Reads the body of the version file: one whole number in decimal, white
// space around it ignored.
UpdateVerdict readUpdateBody(std::string_view body, int own = OwnVersion);

// "Quillmark V" + N div 100 + "." + N mod 100 (205 gives "Quillmark V2.5").
std::string versionTitle(long long number);

// What the check says, in UTF-8: the version offered, or the message shown.
inline constexpr const char* kNoNetworkText = "לא ניתן להתחבר לרשת";
inline constexpr const char* kUpToDateText = "הגירסה שברשותך היא העדכנית ביותר";
inline constexpr const char* kNotNumberText = "קובץ העדכונים באתר אינו תקין";

}  // namespace qm::net
