// qmtool scriptdb on a library file, as the library window reads it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "core/scripts/ScriptDb.h"

namespace {

struct ToolRun { int status = -1; std::string out; };

ToolRun qmtool(const std::string& args, const std::string& file) {
  const auto path = std::filesystem::temp_directory_path() / ("qm-scriptdb-" + std::to_string(::getpid()) + ".dat");
  std::ofstream(path, std::ios::binary) << file;
  ToolRun r;
  std::string command = std::string(QM_QMTOOL) + " scriptdb " + args + " 2>/dev/null";
  command.replace(command.find("FILE"), 4, "'" + path.string() + "'");
  FILE* p = ::popen(command.c_str(), "r");
  char buf[4096];
  for (std::size_t n; p != nullptr && (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
  if (p != nullptr) r.status = ::pclose(p);
  std::filesystem::remove(path);
  return r;
}

}  // namespace

TEST(QmtoolScriptDb, ChecksListsAndFills) {
  qm::scripts::ScriptRec s{"b", "", "<$$Name$>..", "", "", "f($$NAME$, 0)", "", "name\r\nd\r\n1\r\nSH\r\n"};
  const std::string file = qm::scripts::SaveDB({s, {"a", "", "x", "", "", "", "", ""}});
  const std::string shalom = "\xF9\xEC\xE5\xED", molash = "\xED\xE5\xEC\xF9";
  struct Case { std::string args, file, out; bool ok; };
  const Case cases[] = {
      {"list FILE", file, "a\nb\n", true},
      {"check FILE", file, "names listed: 2\nscripts read: 2\ncomplete: !DBEND at line 32\n", true},
      {"check FILE", file.substr(0, file.rfind("!SCRIPT-END")), "names listed: 2\nscripts read: 1\n"
       "stopped: truncated at line 31: the file ends before !SCRIPT-END\n", false},
      {"fill FILE b NAME=" + shalom, file, "--- caret\n<" + molash + ">..\n--- head\n\n--- body\n\n--- onload\nf(" +
       molash + ", 0)\n--- onunload\n\n", true},
      {"fill --logical FILE b nAmE=" + shalom, file, "--- caret\n<" + shalom + ">..\n--- head\n\n--- body\n\n"
       "--- onload\nf(" + shalom + ", 0)\n--- onunload\n\n", true},
      {"fill FILE b other=1", file, "", false},
      {"fill FILE c", file, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const ToolRun r = qmtool(c.args, c.file);
    EXPECT_EQ(r.status == 0, c.ok);
    EXPECT_EQ(r.out, c.out);
  }
}
