#include <gtest/gtest.h>

#include "core/markup/RtfReader.h"

using namespace qm;

TEST(RtfReader, RunsOfHandWrittenDocuments) {
  struct Case {
    const char* what;
    std::string rtf;
    std::vector<rtf::Run> runs;
  };
  const Case cases[] = {
      {"delimiting space is eaten, a second one is text", "{\\rtf1\\cf2  x}", {{" x", 2, 0, 24, false}}},
      {"escapes", "{\\rtf1 \\\\\\{\\}\\'e0\\'FA}", {{"\\{}\xE0\xFA", 0, 0, 24, false}}},
      {"raw line breaks are ignored, \\par is one",
       "{\\rtf1 a\r\nb\\par c}",
       {{"ab\r\nc", 0, 0, 24, false}}},
      {"switches",
       "{\\rtf1\\deff0\\plain\\ltrch\\f0\\fs16\\cf3 a"
       "\\plain\\rtlch\\lang1037\\f3\\fs16\\cf1 \xE0"
       "\\plain\\ltrch\\f0\\fs16\\cf1 b}",
       {{"a", 3, 0, 16, false}, {"\xE0", 1, 3, 16, true}, {"b", 1, 0, 16, false}}},
      {"same properties again merge", "{\\rtf1\\cf1 a\\plain\\cf1 b}", {{"ab", 1, 0, 24, false}}},
      {"groups restore properties", "{\\rtf1 a{\\cf2 b}c}",
       {{"a", 0, 0, 24, false}, {"b", 2, 0, 24, false}, {"c", 0, 0, 24, false}}},
      {"\\plain goes back to the default font", "{\\rtf1\\deff4\\f1 a\\plain b}",
       {{"a", 0, 1, 24, false}, {"b", 0, 4, 24, false}}},
      {"ignorable destinations and unknown words", "{\\rtf1{\\*\\generator x;}\\unknownword12 a}",
       {{"a", 0, 0, 24, false}}},
  };
  for (const auto& c : cases) EXPECT_EQ(rtf::read(c.rtf).runs, c.runs) << c.what;
}

TEST(RtfReader, FontAndColourTables) {
  const auto doc = rtf::read(
      "{\\rtf1{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\froman\\fcharset2{\\*\\fname Symbol;}MT Symbol;}"
      "{\\f3\\fbidi\\fswiss\\fcharset177 David;}}"
      "{\\colortbl;\\red1\\green2\\blue3;\\red255\\green0\\blue0;}x}");
  EXPECT_EQ(doc.fonts, (std::map<int, std::string>{{0, "Arial"}, {1, "MT Symbol"}, {3, "David"}}));
  EXPECT_EQ(doc.colors, (std::vector<std::uint32_t>{0, 0x030201, 0x0000FF}));
  EXPECT_EQ(doc.text(), "x");
}

TEST(RtfReader, MalformedDocumentsAreRejected) {
  for (const char* bad : {"", "{\\rtf1 a", "{\\rtf1 a}}", "{\\rtf1 \\'4}"}) {
    EXPECT_THROW(rtf::read(bad), rtf::Error) << bad;
  }
}
