#include <gtest/gtest.h>

#include "core/text/FindReplace.h"

using namespace qm::find;
using qm::HebrewStandard;

// "שלום" in reading order and as a visual page stores it.
static const std::string SHALOM = "\xF9\xEC\xE5\xED", MOLASH = "\xED\xE5\xEC\xF9";

TEST(FindReplace, FindNextTriesBothFormsFromAnOffset) {
  struct Case { const char* what; std::string text, typed; bool iso; std::int64_t from, expected; };
  const Case cases[] = {
      {"at the offset", "xxab", "ab", true, 2, 2},
      {"past it", "xxab", "ab", true, 3, -1},
      {"the earlier of the two forms", MOLASH + " " + SHALOM, SHALOM, true, 0, 0},
      {"no visual form on a logical page", "<p>" + MOLASH, SHALOM, false, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto standard = c.iso ? HebrewStandard::IsoVisual : HebrewStandard::WinLogical;
    EXPECT_EQ(findNext(c.text, makePattern(c.typed, true, standard), c.from), c.expected);
  }
}

TEST(FindReplace, ReplaceAllGoesOnAfterEachReplacement) {
  struct Case { const char* what; std::string text, typed, by; std::string expected; std::int64_t count, caret; };
  const Case cases[] = {
      {"to nothing, over a break", "a\r\naa", "a", "", "\r\n", 3, 2},
      {"visual form before the typed one", MOLASH + " " + SHALOM + ".", SHALOM, "x", "x x.", 2, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Replaced r = replaceAll(c.text, makePattern(c.typed, true, HebrewStandard::IsoVisual), c.by);
    EXPECT_EQ(std::make_tuple(r.text, r.count, r.caret), std::make_tuple(c.expected, c.count, c.caret));
  }
}

TEST(FindReplace, LinesAndLineEnds) {
  struct Case { std::string text; std::int64_t lines; std::vector<std::pair<std::int64_t, std::int64_t>> ends; };
  const Case cases[] = {
      {"", 0, {{0, 0}, {1, -1}}},
      {"ab\r\ncd\r\n", 2, {{-1, -1}, {0, 1}, {1, 2}, {2, 6}, {3, -1}}},
      {"a\rb\nc", 1, {{1, 5}, {2, -1}}},
      {"\r\nxy", 2, {{0, 0}, {2, 4}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(lineCount(c.text), c.lines);
    for (const auto& [n, end] : c.ends) EXPECT_EQ(lineEndOffset(c.text, n).value_or(-1), end) << n;
  }
  const std::int64_t lineAt[] = {1, 1, 1, 1, 2, 2, 2, 2, 3};  // of each offset in "ab\r\ncd\r\n"
  for (std::int64_t off = 0; off <= 8; ++off) EXPECT_EQ(lineNumberAt("ab\r\ncd\r\n", off), lineAt[off]) << off;
}
