// qmtool reorder: the line reordering of the Hebrew edit mode on raw bytes.
#include "core/hebrew/LineReorder.h"
#include "qmtool/Command.h"

namespace {

int run(const std::vector<std::string>& args) {
  if (args.size() > 1) return qmtool::fail("usage: qmtool reorder [FILE]");
  const std::string input = qmtool::readInput(args.empty() ? std::string() : args[0]);
  if (input.find('\0') != std::string::npos) return qmtool::fail("input holds a NUL byte: not a text file");
  qmtool::writeOutput(qm::hebrew::reorderLines(input));
  return 0;
}

const qmtool::Registration reg({"reorder", "reorder [FILE]", run});

}  // namespace
