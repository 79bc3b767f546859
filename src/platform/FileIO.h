#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qm {

// Reads a whole file as bytes. Throws std::runtime_error with a Hebrew
// message (the path and the reason) when it cannot.
std::string readFileBytes(const QString& path);

// Writes a file as a whole: the bytes go to a temporary file beside it, which
// then replaces the target, so a failed write (full disk, no permission)
// leaves the previous file as it was. Throws std::runtime_error with a Hebrew
// message on failure (a full disk says so).
void writeFileAtomically(const QString& path, std::string_view bytes);

// Writes an existing file in place, for a file whose folder takes no new
// file: the new bytes over the old, then the file cut to their length, so the
// file is never empty or shorter than the new bytes while it is written. A
// failure part way leaves a mixture: keep a copy first. Throws as above.
void writeFileInPlace(const QString& path, std::string_view bytes);

}  // namespace qm
