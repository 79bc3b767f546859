#include <gtest/gtest.h>

#include "core/markup/RtfReader.h"

using namespace qm;

// The reader checks the colouring's documents; line breaks, tables and
// delimiting spaces are exercised there, the switches and groups here.
TEST(RtfReader, RunsOfHandWrittenDocuments) {
  struct Case { const char* what; std::string rtf; std::vector<rtf::Run> runs; };
  const Case cases[] = {
      {"escapes", "{\\rtf1 \\\\\\{\\}\\'e0\\'FA}", {{"\\{}\xE0\xFA", 0, 0, 24, false}}},
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
  };
  for (const auto& c : cases) EXPECT_EQ(rtf::read(c.rtf).runs, c.runs) << c.what;
}

TEST(RtfReader, MalformedDocumentsAreRejected) {
  for (const char* bad : {"", "{\\rtf1 a", "{\\rtf1 a}}", "{\\rtf1 \\'4}"}) {
    EXPECT_THROW(rtf::read(bad), rtf::Error) << bad;
  }
}
