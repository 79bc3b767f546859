// qmtool entities: Hebrew written as Latin-1 named entities becomes code-page 1255 letters.
#include <string>

#include "core/markup/Entities.h"
#include "qmtool/Command.h"

namespace {

constexpr const char* kUsage = "entities [FILE]";

int run(const std::vector<std::string>& args) {
  if (args.size() > 1 || (!args.empty() && args[0].size() > 1 && args[0][0] == '-')) {
    return qmtool::fail(std::string("usage: qmtool ") + kUsage);
  }
  qmtool::writeOutput(qm::convertEntityHebrew(qmtool::readInput(args.empty() ? "" : args[0])));
  return 0;
}

const qmtool::Registration reg{{"entities", kUsage, run}};

}  // namespace
