#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Result { int status = -1; std::string out; };

// Runs qmtool with the given arguments on a file holding `input`.
Result qmtool(const std::string& args, const std::string& input) {
  const fs::path in = fs::temp_directory_path() / ("qm-engines-" + std::to_string(::getpid()) + ".txt");
  std::ofstream(in, std::ios::binary) << input;
  Result r;
  FILE* p = ::popen((std::string(QM_QMTOOL) + " " + args + " '" + in.string() + "' 2>/dev/null").c_str(), "r");
  if (p == nullptr) return r;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
  r.status = ::pclose(p);
  fs::remove(in);
  return r;
}

}  // namespace

// One small round trip per command; the engines behind them have their own tests.
TEST(QmtoolEngines, CommandsKeepLineEndsAndHonourTheirOptions) {
  struct Case { std::string args, input, output; };
  const std::string shalom = "\xF9\xEC\xE5\xED", molash = "\xED\xE5\xEC\xF9";
  const Case cases[] = {
      {"xferheb", shalom + " 12\r\n(" + shalom + ")\nab\rx", "12 " + molash + "\r\n(" + molash + ")\nab\rx"},
      {"xferheb --no-hebrew-only --no-mirror", "ab(c\n", "c(ba\n"},
      {"entities", "&aacute;&lt;\xBA\r\n", "\xE1&lt;\xF7\r\n"},
      {"entities", "<meta charset=utf-8>&aacute;\xC2\xBA\n", "<meta charset=utf-8>\xD7\x91\xC2\xBA\n"},
      {"strip-tags", "a<b\r\nc>d\n", "ad\n"},
      {"remove-paths", "<img src=\"C:\\p\\a.gif\">\n\xF9\\x", "<img src=\"a.gif\">\n\xF9\\x"},
      {"remove-paths <", "SRC=\"d\\b.gif\"\r\n", "SRC=\"b.gif\"\r\n"},  // standard input
  };
  for (const auto& c : cases) {
    const Result r = qmtool(c.args, c.input);
    EXPECT_EQ(r.status, 0) << c.args;
    EXPECT_EQ(r.out, c.output) << c.args;
  }
}

TEST(QmtoolEngines, HighlightTurnsPointsIntoHalfPointsAndNamesTheFonts) {
  const Result r = qmtool("highlight --font-size 10 --english-font Arial --hebrew-font David", "a");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("{\\f0\\fnil Arial;}"), std::string::npos);
  EXPECT_NE(r.out.find("\\fcharset177 David;}"), std::string::npos);
  EXPECT_NE(r.out.find("\\plain\\ltrch\\f0\\fs20\\cf3 a\r\n\\par }"), std::string::npos);
  EXPECT_NE(qmtool("highlight --font-size 0", "a").status, 0);
}
