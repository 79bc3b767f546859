#include <gtest/gtest.h>

#include "core/text/FindReplace.h"

using namespace qm;
using namespace qm::find;

namespace {
// "שלום" in reading order and as a visual page stores it.
const std::string SHALOM = "\xF9\xEC\xE5\xED";
const std::string MOLASH = "\xED\xE5\xEC\xF9";
constexpr auto Iso = HebrewStandard::IsoVisual;
constexpr auto Win = HebrewStandard::WinLogical;
}  // namespace

TEST(FindReplace, FindNextTriesBothFormsFromAnOffset) {
  struct Case { const char* what; std::string text, typed; bool cs; HebrewStandard std; std::int64_t from, expected; };
  const Case cases[] = {
      {"at the offset", "xxab", "ab", true, Iso, 2, 2},
      {"past it", "xxab", "ab", true, Iso, 3, -1},
      {"case blind", "xAB", "ab", false, Iso, 0, 1},
      {"case sensitive", "xABab", "ab", true, Iso, 0, 3},
      {"visual form", "<p>" + MOLASH, SHALOM, true, Iso, 0, 3},
      {"the earlier of the two forms", MOLASH + " " + SHALOM, SHALOM, true, Iso, 0, 0},
      {"no visual form on a logical page", "<p>" + MOLASH, SHALOM, true, Win, 0, -1},
      {"not across a break", "a\r\nb", "ab", true, Iso, 0, -1},
      {"empty", "abc", "", true, Iso, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(findNext(c.text, makePattern(c.typed, c.cs, c.std), c.from), c.expected);
  }
}

TEST(FindReplace, ReplaceAllGoesOnAfterEachReplacement) {
  struct Case { const char* what; std::string text, typed, by; bool cs; std::string expected; std::int64_t count, caret; };
  const Case cases[] = {
      {"no match inside a replacement", "aaa", "a", "aa", true, "aaaaaa", 3, 6},
      {"adjacent matches", "abab", "ab", "x", true, "xx", 2, 2},
      {"case sensitive leaves upper case", "aAa", "a", "b", true, "bAb", 2, 3},
      {"case blind", "aAa", "a", "b", false, "bbb", 3, 3},
      {"to nothing", "a\r\naa", "a", "", true, "\r\n", 3, 2},
      {"visual before typed", MOLASH + " " + SHALOM + ".", SHALOM, "x", true, "x x.", 2, 3},
      {"none", "abc", "z", "y", false, "abc", 0, -1},
      {"empty search text", "abc", "", "y", false, "abc", 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Replaced r = replaceAll(c.text, makePattern(c.typed, c.cs, Iso), c.by);
    EXPECT_EQ(r.text, c.expected);
    EXPECT_EQ(r.count, c.count);
    EXPECT_EQ(r.caret, c.caret);
  }
}

TEST(FindReplace, LinesAndLineEnds) {
  struct Case { std::string text; std::int64_t lines; std::vector<std::pair<std::int64_t, std::int64_t>> ends; };
  const Case cases[] = {
      {"", 0, {{0, 0}, {1, -1}}},
      {"ab\r\ncd\r\n", 2, {{-1, -1}, {0, 1}, {1, 2}, {2, 6}, {3, -1}}},
      {"\r\nxy", 2, {{0, 0}, {1, 0}, {2, 4}}},
      {"a\rb\nc", 1, {{1, 5}, {2, -1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(lineCount(c.text), c.lines);
    for (const auto& [n, end] : c.ends) EXPECT_EQ(lineEndOffset(c.text, n).value_or(-1), end) << n;
  }
  const std::string t = "ab\r\ncd\r\n";
  const std::int64_t lineAt[] = {1, 1, 1, 1, 2, 2, 2, 2, 3};
  for (std::int64_t off = 0; off <= 8; ++off) EXPECT_EQ(lineNumberAt(t, off), lineAt[off]) << off;
}
