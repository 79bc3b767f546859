#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/hebrew/VisualHebrew.h"

using namespace qm;

namespace {

// Hebrew words in code page 1255, and the same words reversed.
const std::string SHALOM = "\xF9\xEC\xE5\xED";   // shin lamed vav final-mem
const std::string MOLASH = "\xED\xE5\xEC\xF9";   // reversed
const std::string OLAM = "\xF2\xE5\xEC\xED";     // ayin vav lamed final-mem
const std::string MALO = "\xED\xEC\xE5\xF2";     // reversed

constexpr auto ISO = HebrewStandard::IsoVisual;

}  // namespace

// Examples and hard cases; the flags default to Hebrew only with mirroring. Hebrew with digits, brackets
// around Hebrew and both flags off are in the qmtool xferheb cases.
TEST(Xferheb, LogicalLinesBecomeVisual) {
  constexpr auto WIN = HebrewStandard::WinLogical;
  struct Case {
    const char* what; std::string in, out; bool hebrewOnly = true, mirror = true; HebrewStandard standard = ISO;
  };
  const Case cases[] = {
      {"brackets at the edge of a Latin run", SHALOM + " (world)", ")world( " + MOLASH},
      {"brackets inside a Latin run", "f(x) " + SHALOM, MOLASH + " f)x("},
      {"markup is reordered too", "<b>" + SHALOM + "</b>", "</b>" + MOLASH + "<b>"},
      {"spaces at both ends of a Hebrew line", " " + SHALOM + "  ", "  " + MOLASH + " "},
      {"spaces at both ends of a Latin line", " ab  ", "   ab"},
      {"two Latin words between Hebrew words", SHALOM + " a b " + OLAM, MALO + " a b " + MOLASH},
      {"Hebrew points and 0xFB.. are not letters", "\xE0\xC8\xFB\xFC\xE1", "\xE1\xC8\xFB\xFC\xE0"},
      {"whole line reversed and mirrored", "a(b" + SHALOM, MOLASH + "b)a", false},
      {"every bracket pair mirrored", "a([{b" + SHALOM, MOLASH + "b}])a", false},
      {"Hebrew only, not mirrored", "(" + SHALOM + ")", ")" + MOLASH + "(", true, false},
      {"logical standard is the identity", SHALOM + " (world) 1", SHALOM + " (world) 1", true, true, WIN},
      {"logical standard, whole-line flags", "abc", "abc", false, false, WIN},
  };
  for (const auto& c : cases) EXPECT_EQ(xferheb(c.in, c.hebrewOnly, c.mirror, c.standard), c.out) << c.what;
}

// Without mirroring, nothing is lost or added; reversing the whole line twice gives it back.
TEST(Xferheb, KeepsEveryByteOnRandomLines) {
  std::mt19937 rng(5);
  const std::string alphabet = std::string("  ab1.,()[]{}<>") + "\xE0\xE1\xFA\xC8\xFB\xDF";
  for (int round = 0; round < 2000; ++round) {
    std::string line;
    for (std::size_t n = rng() % 30; n > 0; --n) line += alphabet[rng() % alphabet.size()];
    std::string got = xferheb(line, true, false, ISO), want = line;
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    EXPECT_EQ(got, want) << line;
    EXPECT_EQ(xferheb(xferheb(line, false, true, ISO), false, true, ISO), line);
  }
}
