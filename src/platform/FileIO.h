#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qm {

// Reads a whole file as bytes. Throws std::runtime_error with a readable
// message (the path and the system's reason) when it cannot.
std::string readFileBytes(const QString& path);

// Writes a file as a whole: the bytes go to a temporary file beside it, which
// then replaces the target, so a failed write (full disk, no permission)
// leaves the previous file as it was. Throws std::runtime_error on failure.
void writeFileAtomically(const QString& path, std::string_view bytes);

}  // namespace qm
