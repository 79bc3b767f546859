#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/markup/Highlight.h"
#include "core/markup/RtfColorTable.h"
#include "support/RtfReader.h"
#include "core/text/Cp1255.h"

using namespace qm;
using namespace qm::highlight;

namespace {

// Colour/font switches with a font size of 16 half points.
const std::string TXT = "\\plain\\ltrch\\f0\\fs16\\cf3 ";
const std::string TAG = "\\plain\\ltrch\\f0\\fs16\\cf1 ";
const std::string REM = "\\plain\\ltrch\\f0\\fs16\\cf2 ";
const std::string HTXT = "\\plain\\rtlch\\lang1037\\f3\\fs16\\cf3 ";
const std::string HREM = "\\plain\\rtlch\\lang1037\\f3\\fs16\\cf2 ";
const std::string PAR = "\\par ";

RtfSettings defaultSettings() {
  RtfSettings s;
  s.colorTable = buildRtfColorTable(0xFF0000, 0x707070, 0);
  return s;
}

// The body of the document built for the default settings: what lies between
// the frame of an empty text and its final "\r\n\par }".
std::string bodyOf(const std::string& text) {
  const std::string tail = "\r\n\\par }";
  std::string head = buildRtf("", defaultSettings());
  head.resize(head.size() - tail.size());
  const std::string doc = buildRtf(text, defaultSettings());
  EXPECT_TRUE(doc.starts_with(head) && doc.ends_with(tail)) << "document frame missing";
  return doc.substr(head.size(), doc.size() - head.size() - tail.size());
}

// Style of every byte, as (colour, hebrew font) pairs, from a run list.
std::vector<std::pair<int, bool>> perByte(const std::vector<StyledRun>& runs, std::size_t size) {
  std::vector<std::pair<int, bool>> out(size, {-1, false});
  for (const auto& r : runs) {
    for (std::size_t i = r.start; i < r.start + r.length && i < size; ++i) out[i] = {r.color, r.hebrew};
  }
  return out;
}

// A random page-like text over the characters the colouring cares about.
std::string randomMarkup(std::mt19937& rng, std::size_t n) {
  static const std::vector<std::string> pieces = {
      "<", ">", "<!--", "-->", "--", "-", "!", "a", "Z", "\xE0", "\xF9\xEC", "\xFA", " ", "1", ",",
      "\r\n", "{", "}", "\\", "\x80", "\xDF", "\xFB", "\xFF", "<!-->", "<b>", "</p>"};
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::string s;
  while (s.size() < n) s += pieces[pick(rng)];
  return s;
}

}  // namespace

// Comments, "<!-" tags, Hebrew in a tag and braces show the same in the editor
// (the colouring tests) and come back from the document whatever the text (below).
TEST(HighlightRtf, BodyOfTrickyTexts) {
  struct Case { const char* what; std::string text; std::string body; };
  const Case cases[] = {
      {"comment opened and closed at once", "<!-->a", REM + "<!-->" + TXT + "a"},
      {"> inside a comment", "<!-- a > b -->", REM + "<!-- a > b -->" + TXT},
      {"< inside a tag", "<a<b>", TAG + "<a<b>" + TXT},
      {"unclosed comment", "<!-- x\r\n<b>y", REM + "<!-- x\r\n" + PAR + "<b>y"},
      {"lone CR ends a paragraph, lone LF does not", "a\rb\nc", "a\r" + PAR + "b\nc"},
      {"Hebrew then Latin", "\xF9\xEC\xE5\xED world", HTXT + "\xF9\xEC\xE5\xED " + TXT + "world"},
      {"digits and punctuation stay in the Hebrew run", "\xE0 12, \xE1.x", HTXT + "\xE0 12, \xE1." + TXT + "x"},
      {"Hebrew inside a comment", "<!--\xE0-->x", REM + "<!--" + HREM + "\xE0-->" + TXT + TXT + "x"},
      {"Hebrew right after < and > that interrupt a Hebrew run stays left to right", "\xE0<\xE1>\xE2x",
       HTXT + "\xE0" + TAG + "<\xE1>" + TXT + "\xE2" + TXT + "x"},
      {"line end ends the Hebrew run", "\xE0\r\n\xE1", HTXT + "\xE0" + TXT + "\r\n" + PAR + HTXT + "\xE1"},
      {"bytes that are neither Hebrew nor Latin", "\x80\xDF\xFB\xFF\xE0\xFB\xDF\xC0q",
       "\x80\xDF\xFB\xFF" + HTXT + "\xE0\xFB\xDF\xC0" + TXT + "q"},
  };
  for (const auto& c : cases) EXPECT_EQ(bodyOf(c.text), c.body) << c.what;
}

TEST(HighlightRuns, RangesAndLinesAgreeWithTheWholeScan) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    const std::string text = randomMarkup(rng, 1 + round % 60);
    const auto expected = perByte(scanRuns(text), text.size());

    // Consecutive ranges, carrying the state from one to the next.
    std::vector<StyledRun> pieces;
    ScanState st;
    for (std::size_t at = 0; at < text.size(); at += 1 + round % 7) {
      const std::size_t to = std::min(text.size(), at + 1 + round % 7);
      const ScanState before = st;
      st = scanRuns(text, at, to, st, pieces);
      EXPECT_EQ(advance(text, at, to, before), st);
    }
    EXPECT_EQ(perByte(pieces, text.size()), expected) << text;

    // Line by line in UTF-16, as the editor colours, carrying only the block state.
    const std::u16string text16 = cp1255::decode(text);
    ScanState state;
    for (std::size_t start = 0, end = 0; start <= text.size(); start = end + 2) {
      end = std::min(text.find("\r\n", start), text.size());
      std::vector<StyledRun> runs;
      const auto line = std::u16string_view(text16).substr(start, end - start);
      state = ScanState::fromBlockState(scanLine(line, state, runs).toBlockState());
      const auto got = perByte(runs, end - start);
      EXPECT_TRUE(std::equal(got.begin(), got.end(), expected.begin() + static_cast<std::ptrdiff_t>(start))) << text;
    }
  }
}

// The document the colouring builds, read back, shows the text with the
// colours and fonts of the run scan; font names read back whatever they hold.
TEST(HighlightRtf, ReadBackDocumentMatchesTheRunScan) {
  std::mt19937 rng(3);
  std::vector<std::string> texts = {"a<b>c\r\n<!-- \xE0\xE1 -->\r\n\xF9\xEC\xE5\xED world {x} \\y\r\n<p \xE0>"};
  for (int i = 0; i < 50; ++i) texts.push_back(randomMarkup(rng, 300));
  RtfSettings settings = defaultSettings();
  settings.englishFont = "Odd}{\\;Name";
  settings.hebrewFont = "\xE3\xE5\xE3;";
  for (const auto& text : texts) {
    const rtf::Document doc = rtf::read(buildRtf(text, settings));
    EXPECT_EQ(doc.fonts.at(0), settings.englishFont);
    EXPECT_EQ(doc.fonts.at(3), settings.hebrewFont);
    EXPECT_EQ(doc.colors, (std::vector<std::uint32_t>{0, 0xFF0000, 0x707070, 0}));  // black, tag, remark, text
    // The final "\par" adds one more line break.
    std::vector<rtf::Run> runs = doc.runs;
    ASSERT_FALSE(runs.empty());
    ASSERT_TRUE(runs.back().text.ends_with("\r\n"));
    runs.back().text.resize(runs.back().text.size() - 2);
    if (runs.back().text.empty()) runs.pop_back();

    std::vector<StyledRun> read;
    std::string readText;
    for (const auto& r : runs) {
      EXPECT_EQ(r.halfPoints, 16);
      EXPECT_EQ(r.font, r.rtl ? 3 : 0);
      read.push_back({readText.size(), r.text.size(), static_cast<std::uint8_t>(r.color), r.rtl});
      readText += r.text;
    }
    EXPECT_EQ(readText, text);
    EXPECT_EQ(read, scanRuns(text)) << text;
  }
}

// The stretch through the next terminator, or to the end less the last character
// when none comes, is the key rules' test in the editor; here the edges.
TEST(ForwardColouring, StretchFromTheCaretThroughTheTerminator) {
  EXPECT_EQ(fwdColoringLength("ab>", 0, ">"), 2u);  // an occurrence ending on the last character is not found
  EXPECT_EQ(fwdColoringLength("abc", 2, "bc"), std::nullopt);  // terminator longer than the rest
  EXPECT_EQ(fwdColoringLength("abc", 4, ">"), std::nullopt);  // caret past the end
}
