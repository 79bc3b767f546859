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
const std::string MECHIR = "\xEE\xE7\xE9\xF8";   // mem het yod resh
const std::string RICHEM = "\xF8\xE9\xE7\xEE";   // reversed

constexpr auto ISO = HebrewStandard::IsoVisual;

// The conversion written the slow way, straight from its rule: reverse, mirror,
// then rebuild each non-Hebrew run by putting characters in front of it.
std::string slowXferheb(const std::string& s, bool hebrewOnly, bool mirror) {
  std::string t(s.rbegin(), s.rend());
  if (mirror) {
    for (char& c : t) {
      const std::string from = "(){}[]", to = ")(}{][";
      const auto k = from.find(c);
      if (k != std::string::npos) c = to[k];
    }
  }
  if (!hebrewOnly) return t;
  std::string out;
  std::size_t i = 0;
  while (i < t.size()) {
    while (i < t.size() && (isHebrewLetter(t[i]) || t[i] == ' ')) out += t[i++];
    std::string w;
    while (i < t.size() && !isHebrewLetter(t[i])) {
      if (t[i] == ' ' && !InnerSpace(t, i)) break;
      w.insert(w.begin(), t[i++]);
    }
    out += w;
  }
  return out;
}

}  // namespace

// Examples and hard cases; the flags default to Hebrew only with mirroring.
TEST(Xferheb, LogicalLinesBecomeVisual) {
  constexpr auto WIN = HebrewStandard::WinLogical;
  struct Case {
    const char* what;
    std::string in, out;
    bool hebrewOnly = true, mirror = true;
    HebrewStandard standard = ISO;
  };
  const Case cases[] = {
      {"Hebrew, Latin and digits", SHALOM + " world 123", "world 123 " + MOLASH},
      {"punctuation", SHALOM + ", " + OLAM + ".", "." + MALO + " ," + MOLASH},
      {"digits keep their order", MECHIR + " 100", "100 " + RICHEM},
      {"brackets around Hebrew", "(" + SHALOM + ")", "(" + MOLASH + ")"},
      {"brackets at the edge of a Latin run", SHALOM + " (world)", ")world( " + MOLASH},
      {"brackets inside a Latin run", "f(x) " + SHALOM, MOLASH + " f)x("},
      {"markup is reordered too", "<b>" + SHALOM + "</b>", "</b>" + MOLASH + "<b>"},
      {"spaces at both ends of a Hebrew line", " " + SHALOM + "  ", "  " + MOLASH + " "},
      {"spaces at both ends of a Latin line", " ab  ", "   ab"},
      {"digits between Hebrew words", SHALOM + " 12 " + OLAM, MALO + " 12 " + MOLASH},
      {"two Latin words between Hebrew words", SHALOM + " a b " + OLAM, MALO + " a b " + MOLASH},
      {"Hebrew points and 0xFB.. are not letters", "\xE0\xC8\xFB\xFC\xE1", "\xE1\xC8\xFB\xFC\xE0"},
      {"whole line reversed and mirrored", "a(b" + SHALOM, MOLASH + "b)a", false},
      {"whole line reversed, not mirrored", "a(b", "b(a", false, false},
      {"Hebrew only, not mirrored", "(" + SHALOM + ")", ")" + MOLASH + "(", true, false},
      {"logical standard is the identity", SHALOM + " (world) 1", SHALOM + " (world) 1", true, true, WIN},
      {"logical standard, whole-line flags", "abc", "abc", false, false, WIN},
  };
  for (const auto& c : cases) EXPECT_EQ(xferheb(c.in, c.hebrewOnly, c.mirror, c.standard), c.out) << c.what;
}

TEST(Xferheb, MatchesTheSlowRuleOnRandomLines) {
  std::mt19937 rng(5);
  const std::string alphabet = std::string("  ab1.,()[]{}<>") + "\xE0\xE1\xFA\xC8\xFB\xDF";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1), len(0, 30);
  for (int round = 0; round < 2000; ++round) {
    std::string line;
    for (std::size_t n = len(rng); n > 0; --n) line += alphabet[pick(rng)];
    for (bool hebrewOnly : {false, true}) {
      for (bool mirror : {false, true}) {
        const std::string got = xferheb(line, hebrewOnly, mirror, ISO);
        EXPECT_EQ(got, slowXferheb(line, hebrewOnly, mirror)) << line;
        if (!mirror) {  // nothing lost, nothing added
          std::string a = got, b = line;
          std::sort(a.begin(), a.end());
          std::sort(b.begin(), b.end());
          EXPECT_EQ(a, b) << line;
        }
      }
    }
  }
}

TEST(InnerSpace, NearestNonSpacesDecide) {
  struct Case {
    std::string t;
    std::size_t i;
    bool inner;
  };
  const Case cases[] = {
      {"a   b", 2, true},
      {"\xE0 b", 1, false},
      {"a  ", 2, true},         // spaces to the end count as non-Hebrew
      {"  \xE0", 0, false},
      {"a b", 0, false},        // not a space
      {"a b", 3, false},        // out of range
      {"\xFB \xC8", 1, true},   // neither side is a letter
  };
  for (const auto& c : cases) EXPECT_EQ(InnerSpace(c.t, c.i), c.inner) << c.t << " @" << c.i;
}
