#include <gtest/gtest.h>

#include <random>

#include "core/text/Lines.h"
#include "core/text/Search.h"

using namespace qm;

namespace {

using Lines = std::vector<std::string>;

// The search written from its numbering rule, one offset at a time.
std::int64_t slowSearch(const Lines& lines, const std::string& pat, bool cs, std::int64_t from, std::int64_t limit) {
  auto up = [cs](char c) { return !cs && c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
  std::int64_t number = 0;  // number of the last character before the line
  for (const auto& line : lines) {
    for (std::size_t i = 0; i + pat.size() <= line.size(); ++i) {
      bool ok = !pat.empty();
      for (std::size_t k = 0; ok && k < pat.size(); ++k) ok = up(line[i + k]) == up(pat[k]);
      const std::int64_t n = number + static_cast<std::int64_t>(i) + 1;
      if (ok && n >= from) return n - 1;
    }
    number += static_cast<std::int64_t>(line.size()) + 2;
    if (number > limit) break;
  }
  return -1;
}

}  // namespace

TEST(Search, NumberingFromAndLineScope) {
  struct Case {
    const char* what;
    Lines lines;
    std::string pat;
    bool cs;
    std::int64_t from;
    std::int64_t expected;
  };
  const Case cases[] = {
      {"no match across a line break", {"xa", "bx"}, "ab", true, 0, -1},
      {"line breaks count two", {"ab", "c"}, "c", true, 0, 4},
      {"from 1 is the start", {"ab"}, "a", true, 1, 0},
      {"from 0 is the start", {"ab"}, "a", true, 0, 0},
      {"match at 5 found from 6", {"01234ab"}, "ab", true, 6, 5},
      {"match at 5 not found from 7", {"01234ab"}, "ab", true, 7, -1},
      {"case off finds lower case", {"<html><body>"}, "<BODY", false, 0, 6},
      {"case on does not", {"<html><body>"}, "<BODY", true, 0, -1},
      {"Hebrew letters are not folded", {"\xC0\xE0"}, "\xE0", false, 0, 1},
      {"Hebrew is not the upper case of anything", {"\xE0"}, "\xC0", false, 0, -1},
      {"pattern longer than the line", {"ab", "abc"}, "abc", true, 0, 4},
      {"empty pattern", {"ab"}, "", true, 0, -1},
      {"empty lines count their breaks", {"", "", "x"}, "x", true, 0, 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(searchTS2(c.lines, c.pat, c.cs, c.from), c.expected) << c.what << " (lines)";
    EXPECT_EQ(searchTS2(lines::joinTerminated(c.lines), c.pat, c.cs, c.from), c.expected) << c.what << " (text)";
  }
}

TEST(Search, LimitEndsTheScanAfterItsLine) {
  const Lines lines = {"ab", "cd", "xab"};  // offsets: ab 0-1, break 2-3, cd 4-5, break 6-7, xab 8-10
  const std::string text = lines::join(lines);
  struct Case {
    std::string pat;
    std::int64_t from, limit, expected;
  };
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

TEST(Search, PatternsWithLineBreakCharactersNeverSpanLines) {
  const std::string text = "a\r\nb\rc\nd";  // lines "a" and "b\rc\nd"
  EXPECT_EQ(searchTS2(text, "a\r\nb", true, 0), -1);
  EXPECT_EQ(searchTS2(text, "\nb", true, 0), -1);
  EXPECT_EQ(searchTS2("\r\nb", "\nb", true, 0), -1);  // the LF of the very first break
  EXPECT_EQ(searchTS2(text, "b\rc", true, 0), 3);  // a lone CR belongs to its line
}

TEST(Search, AgreesWithTheNumberingRuleOnRandomTexts) {
  std::mt19937 rng(9);
  const std::string alphabet = std::string("aAbB<\xE0\xC0 ");
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1), nlines(0, 6), llen(0, 12), plen(1, 4);
  for (int round = 0; round < 3000; ++round) {
    Lines lines(nlines(rng));
    for (auto& l : lines) {
      for (std::size_t n = llen(rng); n > 0; --n) l += alphabet[pick(rng)];
    }
    std::string pat;
    for (std::size_t n = plen(rng); n > 0; --n) pat += alphabet[pick(rng)];
    const std::string text = round % 2 ? lines::joinTerminated(lines) : lines::join(lines);
    const std::int64_t size = static_cast<std::int64_t>(text.size());
    std::uniform_int_distribution<std::int64_t> pos(-1, size + 2);
    const std::int64_t from = pos(rng), limit = pos(rng);
    const bool cs = round % 3 == 0;
    const auto expect2 = slowSearch(lines, pat, cs, from, INT64_MAX);
    const auto expect3 = slowSearch(lines, pat, cs, from, limit);
    EXPECT_EQ(searchTS2(text, pat, cs, from), expect2);
    EXPECT_EQ(searchTS2(lines, pat, cs, from), expect2);
    EXPECT_EQ(searchTS3(text, pat, cs, from, limit), expect3) << "limit " << limit;
    EXPECT_EQ(searchTS3(lines, pat, cs, from, limit), expect3) << "limit " << limit;
  }
}
