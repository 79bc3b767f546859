// qmtool highlight: the RTF document of the coloured text.
#include <string>

#include "core/markup/Highlight.h"
#include "core/markup/RtfColorTable.h"
#include "qmtool/Command.h"

namespace {

constexpr const char* kUsage = "highlight [--font-size PT] [--english-font F] [--hebrew-font F] [FILE]";

bool parsePoints(const std::string& s, int& points) {
  if (s.empty() || s.size() > 4) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  points = std::stoi(s);
  return points > 0;
}

int run(const std::vector<std::string>& args) {
  qm::highlight::RtfSettings settings;  // 8 points, "MS Sans Serif" for both
  settings.colorTable = qm::buildRtfColorTable(0xFF0000, 0x707070, 0x000000);
  std::string file;
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--font-size" || a == "--english-font" || a == "--hebrew-font";
    if (takesValue) {
      if (i + 1 >= args.size()) return qmtool::fail(a + " needs a value; usage: qmtool " + kUsage);
      const std::string& v = args[++i];
      if (a == "--font-size") {
        int points = 0;
        if (!parsePoints(v, points)) return qmtool::fail("--font-size wants a whole number of points, not '" + v + "'");
        settings.fontSize = std::to_string(2 * points);  // RTF counts half points
      } else if (a == "--english-font") {
        settings.englishFont = v;
      } else {
        settings.hebrewFont = v;
      }
    } else if (a.size() > 1 && a[0] == '-') {
      return qmtool::fail("unknown option " + a + "; usage: qmtool " + kUsage);
    } else if (!haveFile) {
      file = a;
      haveFile = true;
    } else {
      return qmtool::fail(std::string("more than one file; usage: qmtool ") + kUsage);
    }
  }
  qmtool::writeOutput(qm::highlight::buildRtf(qmtool::readInput(file), settings));
  return 0;
}

const qmtool::Registration reg{{"highlight", kUsage, run}};

}  // namespace
