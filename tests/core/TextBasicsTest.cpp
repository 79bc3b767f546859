#include <gtest/gtest.h>

#include "core/markup/RtfColorTable.h"
#include "core/text/Cp1255.h"
#include "core/text/Lines.h"
#include "core/util/Numbers.h"

using namespace qm;

TEST(Cp1255, EveryByteRoundTripsThroughUnicode) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::u16string u = cp1255::decode(all);
  ASSERT_EQ(u.size(), 256u);
  EXPECT_EQ(cp1255::encode(u), all);  // so no two bytes share a character either
}

TEST(Cp1255, KnownMappingsAndReferencesForTheRest) {
  struct Case { unsigned char byte; char16_t unicode; };
  for (const Case c : {Case{0xE0, u'א'}, Case{0xFA, u'ת'}, Case{0xA4, u'₪'}, Case{0xBA, u'÷'}, Case{0xFD, 0x200E}}) {
    EXPECT_EQ(cp1255::toUnicode(c.byte), c.unicode) << int(c.byte);
    EXPECT_EQ(cp1255::fromUnicode(c.unicode), c.byte) << int(c.byte);
  }
  EXPECT_TRUE(cp1255::isUndefinedByte(0x81));
  EXPECT_FALSE(cp1255::isUndefinedByte(0xE0));
  EXPECT_EQ(cp1255::encode(u"\U0001F600"), "&#128512;");  // surrogate pair, one reference
  EXPECT_EQ(cp1255::encode(std::u16string(1, char16_t(0xD800))), "&#65533;");  // lone surrogate
  EXPECT_EQ(cp1255::encode(u"\u05D0\u00E9"), "\xE0&#233;");  // Latin-1 e-acute is not in 1255
}

TEST(Lines, LineEndsDetectedAndRestored) {
  struct Case { std::string in; lines::LineEnd end; std::string crlf; };
  const Case cases[] = {
      {"a\r\nb\r\n", lines::LineEnd::CrLf, "a\r\nb\r\n"},
      {"a\nb\n", lines::LineEnd::Lf, "a\r\nb\r\n"},
      {"a\rb", lines::LineEnd::Cr, "a\r\nb"},
      {"", lines::LineEnd::CrLf, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lines::detectLineEnd(c.in), c.end) << c.in;
    EXPECT_EQ(lines::toCrLf(c.in), c.crlf) << c.in;
    EXPECT_EQ(lines::fromCrLf(lines::toCrLf(c.in), c.end), c.in) << c.in;
  }
  EXPECT_EQ(lines::toCrLf("a\r\n\nb\r"), "a\r\n\r\nb\r\n");
}

TEST(Lines, SplitJoinAndOffsets) {
  EXPECT_EQ(lines::split("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(lines::joinTerminated({"a", "b"}), "a\r\nb\r\n");
  const auto starts = lines::lineStarts("ab\r\n\r\ncde\r\n");
  EXPECT_EQ(starts, (std::vector<std::size_t>{0, 4, 6, 11}));
  EXPECT_EQ(lines::lineColAt(starts, 4).line, 1u);
  EXPECT_EQ(lines::lineColAt(starts, 8).column, 2u);
}

TEST(Numbers, StrToIntDef) {
  struct Case { const char* text; int expected; };
  for (const Case c : {Case{" -7 ", -7}, Case{"$FF", 255}, Case{"0x10", 16}, Case{"", -1}, Case{"12a", -1},
                       Case{"99999999999", -1}, Case{"-", -1}}) {
    EXPECT_EQ(strToIntDef(c.text, -1), c.expected) << c.text;
  }
}

// Colours are stored blue-green-red with red in the low byte.
TEST(Numbers, ColoursAreBgrWithRedLow) {
  EXPECT_EQ(colorToHtmlHex(makeColor(0x12, 0x34, 0x56)), "123456");
  EXPECT_EQ(buildRtfColorTable(0x0000FF, 0x00FF00, 0x030201),
            "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green255\\blue0;"
            "\\red1\\green2\\blue3;}");
}
