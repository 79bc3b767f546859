// qmtool entities: Hebrew written as Latin-1 named entities becomes letters in
// the file's own encoding (code page 1255, or UTF-8 for a UTF-8 page).
#include <string>

#include "core/markup/Entities.h"
#include "core/text/Encoding.h"
#include "qmtool/Command.h"

namespace {

constexpr const char* kUsage = "entities [FILE]";

int run(const std::vector<std::string>& args) {
  if (args.size() > 1 || (!args.empty() && args[0].size() > 1 && args[0][0] == '-')) {
    return qmtool::fail(std::string("usage: qmtool ") + kUsage);
  }
  const std::string page = qmtool::readInput(args.empty() ? "" : args[0]);
  const bool utf8 = qm::encoding::detect(page).charset == qm::encoding::Charset::Utf8;
  qmtool::writeOutput(qm::convertEntityHebrew(page, utf8));
  return 0;
}

const qmtool::Registration reg{{"entities", kUsage, run}};

}  // namespace
