#include <gtest/gtest.h>

#include "core/text/Lines.h"
#include "core/text/Search.h"

using namespace qm;

using Lines = std::vector<std::string>;

// Every case runs on the lines and on their CR LF text.
TEST(Search, NumberingFromAndLineScope) {
  struct Case { const char* what; Lines lines; std::string pat; bool cs; std::int64_t from, expected; };
  const Case cases[] = {
      {"no match across a line break", {"xa", "bx"}, "ab", true, 0, -1},
      {"from 1 is the start", {"ab"}, "a", true, 1, 0},
      {"match at 5 found from 6", {"01234ab"}, "ab", true, 6, 5},
      {"match at 5 not found from 7", {"01234ab"}, "ab", true, 7, -1},
      {"case off finds lower case", {"<html><body>"}, "<BODY", false, 0, 6},
      {"case on does not", {"<html><body>"}, "<BODY", true, 0, -1},
      {"Hebrew letters are not folded", {"\xC0\xE0"}, "\xE0", false, 0, 1},
      {"Hebrew is not the upper case of anything", {"\xE0"}, "\xC0", false, 0, -1},
      {"pattern longer than the line", {"ab", "abc"}, "abc", true, 0, 4},
      {"empty pattern", {"ab"}, "", true, 0, -1},
      {"empty lines count their breaks", {"", "", "x"}, "x", true, 0, 4},
      {"a pattern holding a break", {"a", "b"}, "a\r\nb", true, 0, -1},
      {"the LF of a break", {"", "b"}, "\nb", true, 0, -1},
      {"the CR of a break", {"a", "b"}, "a\r", true, 0, -1},
      {"a lone CR belongs to its line", {"a", "b\rc\nd"}, "b\rc", true, 0, 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(searchTS2(c.lines, c.pat, c.cs, c.from), c.expected) << c.what << " (lines)";
    EXPECT_EQ(searchTS2(lines::joinTerminated(c.lines), c.pat, c.cs, c.from), c.expected) << c.what << " (text)";
  }
}

TEST(Search, LimitEndsTheScanAfterItsLine) {
  const Lines lines = {"ab", "cd", "xab"};  // offsets: ab 0-1, break 2-3, cd 4-5, break 6-7, xab 8-10
  const std::string text = lines::join(lines);
  struct Case { std::string pat; std::int64_t from, limit, expected; };
  const Case cases[] = {
      {"ab", 2, 3, -1},    // the break of line 0 still belongs to it
      {"ab", 2, 4, -1},    // line 1 is the last one scanned
      {"ab", 2, 8, 9},     // line 2 is scanned
      {"ab", 0, -3, 0},    // the first line is always scanned
      {"b", 0, 0, 1},      // the limit's line is scanned whole
  };
  for (const auto& c : cases) {
    EXPECT_EQ(searchTS3(lines, c.pat, true, c.from, c.limit), c.expected) << c.pat << " limit " << c.limit;
    EXPECT_EQ(searchTS3(text, c.pat, true, c.from, c.limit), c.expected) << c.pat << " limit " << c.limit;
  }
}
