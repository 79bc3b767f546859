#pragma once

#include <string>
#include <string_view>

namespace qm::hebrew {

// Reorders every line of code-page 1255 text so that visual-order Hebrew reads
// correctly in a right-to-left editor, and back: the function is its own
// inverse. Each line is cut into segments of "run" characters (Hebrew letters
// 0xE0..0xFA, space, '!', '"', ',', '.', ':', '?') and of other characters;
// the segments are written in reverse order, run segments reversed inside,
// other segments as they are. So "abc ABG def" (ABG Hebrew) becomes
// "def GBA abc". CR and LF end a line and stay where they are.
std::string reorderLines(std::string_view text);

// True for the characters that form the reversed runs.
bool isRunChar(unsigned char c);

}  // namespace qm::hebrew
