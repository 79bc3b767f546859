// qmtool strip-tags: the text without its tags (tags spanning lines included).
#include <string>

#include "core/markup/MarkupText.h"
#include "qmtool/Command.h"

namespace {

constexpr const char* kUsage = "strip-tags [FILE]";

int run(const std::vector<std::string>& args) {
  if (args.size() > 1 || (!args.empty() && args[0].size() > 1 && args[0][0] == '-')) {
    return qmtool::fail(std::string("usage: qmtool ") + kUsage);
  }
  qmtool::writeOutput(qm::StripTag(qmtool::readInput(args.empty() ? "" : args[0])));
  return 0;
}

const qmtool::Registration reg{{"strip-tags", kUsage, run}};

}  // namespace
