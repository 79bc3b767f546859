#include "core/markup/RtfColorTable.h"

#include "core/util/Numbers.h"

namespace qm {
namespace {
std::string entry(std::uint32_t c) {
  return "\\red" + std::to_string(redOf(c)) + "\\green" + std::to_string(greenOf(c)) + "\\blue" +
         std::to_string(blueOf(c)) + ";";
}
}  // namespace

std::string buildRtfColorTable(std::uint32_t tagColor, std::uint32_t remarksColor, std::uint32_t textColor) {
  return "{\\colortbl\\red0\\green0\\blue0;" + entry(tagColor) + entry(remarksColor) + entry(textColor) + "}";
}

}  // namespace qm
