#pragma once

#include <cstdint>
#include <string>

namespace qm {

// The colour table of the coloured editor text: 0 black, 1 tags, 2 comments,
// 3 plain text. Components are unpadded decimals.
std::string buildRtfColorTable(std::uint32_t tagColor, std::uint32_t remarksColor, std::uint32_t textColor);

// The table before any setting is read.
inline constexpr const char* InitialRtfColorTable =
    "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red128\\green128\\blue128;\\red0\\green0\\blue0;}";

}  // namespace qm
