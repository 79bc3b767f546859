// qmtool remove-paths: the page with the folders removed from every SRC value.
#include <string>

#include "core/markup/WizardMarkup.h"
#include "qmtool/Command.h"

namespace {

constexpr const char* kUsage = "remove-paths [FILE]";

int run(const std::vector<std::string>& args) {
  if (args.size() > 1 || (!args.empty() && args[0].size() > 1 && args[0][0] == '-')) {
    return qmtool::fail(std::string("usage: qmtool ") + kUsage);
  }
  qmtool::writeOutput(qm::wizard::RemovePathNames(qmtool::readInput(args.empty() ? "" : args[0])));
  return 0;
}

const qmtool::Registration reg{{"remove-paths", kUsage, run}};

}  // namespace
