#pragma once

#include <array>
#include <string>
#include <vector>

// The frames wizard's markup: a frame set of a main frame with up to four
// side frames, divided first into rows or into columns.
namespace qm::wizards {

// Frames by index: 0 main, 1 top, 2 bottom, 3 left, 4 right.
enum FramePlace { MainFrame = 0, TopFrame, BottomFrame, LeftFrame, RightFrame };

struct FrameChoice {
  bool included = false;  // the main frame is always included
  std::string name, file, size;
  int scrolling = 0;      // 0 AUTO, 1 YES, 2 NO
  bool border = false;
  bool fixedSize = false;  // NORESIZE
};

struct FrameSetChoices {
  bool columnsPrimary = false;  // else rows first
  bool border = false;          // FRAMEBORDER of the outer set
  std::array<FrameChoice, 5> frames;
};

// "<FRAME SRC=... NAME=... MARGINWIDTH="0" MARGINHEIGHT="0" SCROLLING=... BORDER=...[ NORESIZE]>".
std::string frameLine(const FrameChoice& f);

// The size list of a pair: "first," when the first is included, "*", ",second" when the second is.
std::string frameSizes(const FrameChoice& first, const FrameChoice& second);

// Every line of the frame set, outer set first (no leading empty line).
std::vector<std::string> frameSetLines(const FrameSetChoices& c);

}  // namespace qm::wizards
