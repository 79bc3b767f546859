#include "core/wizards/FrameSet.h"

namespace qm::wizards {

namespace {

const char* scrollingValue(int index) {
  switch (index) {
    case 1: return "YES";
    case 2: return "NO";
    default: return "AUTO";
  }
}

}  // namespace

std::string frameLine(const FrameChoice& f) {
  std::string s = "<FRAME SRC=\"" + f.file + "\" NAME=\"" + f.name +
                  "\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"0\" SCROLLING=\"" + scrollingValue(f.scrolling) +
                  "\" BORDER=\"" + (f.border ? "1\"" : "0\"");
  if (f.fixedSize) s += " NORESIZE";
  return s + ">";
}

std::string frameSizes(const FrameChoice& first, const FrameChoice& second) {
  std::string s;
  if (first.included) s += first.size + ",";
  s += "*";
  if (second.included) s += "," + second.size;
  return s;
}

std::vector<std::string> frameSetLines(const FrameSetChoices& c) {
  const auto& f = c.frames;
  // The primary pair divides the page; the secondary pair divides the middle.
  const bool cols = c.columnsPrimary;
  const FrameChoice& p1 = f[cols ? LeftFrame : TopFrame];
  const FrameChoice& p2 = f[cols ? RightFrame : BottomFrame];
  const FrameChoice& s1 = f[cols ? TopFrame : LeftFrame];
  const FrameChoice& s2 = f[cols ? BottomFrame : RightFrame];
  const char* outer = cols ? "COLS" : "ROWS";
  const char* inner = cols ? "ROWS" : "COLS";

  std::vector<std::string> lines;
  lines.push_back(std::string("<FRAMESET ") + outer + "=\"" + frameSizes(p1, p2) + "\" FRAMEBORDER=\"" +
                  (c.border ? "YES\"" : "NO\"") + ">");
  if (p1.included) lines.push_back(frameLine(p1));
  const bool nested = s1.included || s2.included;
  if (nested) lines.push_back(std::string("<FRAMESET ") + inner + "=\"" + frameSizes(s1, s2) + "\">");
  if (s1.included) lines.push_back(frameLine(s1));
  lines.push_back(frameLine(f[MainFrame]));
  if (s2.included) lines.push_back(frameLine(s2));
  if (nested) lines.push_back("</FRAMESET>");
  if (p2.included) lines.push_back(frameLine(p2));
  lines.push_back("</FRAMESET>");
  return lines;
}

}  // namespace qm::wizards
