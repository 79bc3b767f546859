#pragma once

namespace qm {

// The application title, the caption prefix and the Generator line of new pages.
inline constexpr const char* VersionTitle = "Quillmark V1.50";
// The program's own version number, compared with the one the update file names.
inline constexpr int VersionNumber = 150;

}  // namespace qm
