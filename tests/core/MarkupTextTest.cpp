#include <gtest/gtest.h>

#include <algorithm>

#include "core/markup/Entities.h"
#include "core/markup/MarkupText.h"

using namespace qm;

TEST(StripTag, TagsGoTextStays) {
  struct Case { std::string in, out; };
  const Case cases[] = {
      {"a<b>c</b>d>", "acd>"},                          // ">" outside a tag stays
      {"x<y", "x"},
      {"a<<b>c", "ac"},                                 // "<" inside a tag is ignored
      {"<p>one\r\n<a\r\nhref=x>two</a>\r\n", "one\r\ntwo\r\n"},  // a tag across lines goes with its breaks
  };
  for (const auto& c : cases) EXPECT_EQ(StripTag(c.in), c.out) << c.in;
}

TEST(JavaPath, BackslashesAreDoubled) {
  EXPECT_EQ(JavaPath("C:\\a\\b"), "C:\\\\a\\\\b");
}

TEST(TruncPath, FolderPartGoesUnlessPathNamesAreIncluded) {
  constexpr auto Typed = PathOrigin::Typed;
  constexpr auto Chosen = PathOrigin::Chosen;
  struct Case { std::string in; bool include; PathOrigin origin; std::string out; };
  const Case cases[] = {
      {"C:\\dir\\", false, Typed, ""},
      {"http://host\\x\\a.gif", false, Typed, "a.gif"},      // backslash paths follow the backslash rule
      {"http://host/img/a.gif", false, Typed, "http://host/img/a.gif"},
      {"/home/u/site/a.gif", true, Chosen, "/home/u/site/a.gif"},
      {"img/a.gif", false, Typed, "img/a.gif"},
      {"img/a.gif", false, Chosen, "a.gif"},
      {"//cdn.host/lib.js", false, Typed, "//cdn.host/lib.js"},
      {"/cgi-bin/find.cgi?dir=a/b", false, Typed, "find.cgi?dir=a/b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TruncPath(c.in, c.include, c.origin), c.out) << c.in << (c.origin == Chosen ? " (chosen)" : "");
  }
}

TEST(EntityHebrew, EntitiesBecomeLetters) {
  struct Case { std::string in, out; bool utf8 = false; };
  const Case cases[] = {
      {"&lt;b&gt;", "&lt;b&gt;"},            // not in the table: kept, "&" included
      {"\xBA\xBA", "\xF7\xF7"},
      {"a&agrave;b&uacute;c", "a\xE0" "b\xFA" "c"},
      {"&Agrave;", "&Agrave;"},              // the comparison is case-sensitive
      {"&agrave", "&agrave"},                // no ";", no entity
      // UTF-8: letters as UTF-8; "º" (C2 BA) and "к" (D0 BA) untouched.
      {"&agrave;\xC2\xBA&uacute;\xD0\xBA", "\xD7\x90\xC2\xBA\xD7\xAA\xD0\xBA", true},
  };
  for (const auto& c : cases) EXPECT_EQ(convertEntityHebrew(c.in, c.utf8), c.out) << c.in;
}

TEST(EntityHebrew, TableCoversAlefToTavOnce) {
  std::string names, bytes;
  for (const auto& e : EntityTable) {
    names += e.name;
    bytes += static_cast<char>(e.byte);
  }
  EXPECT_EQ(convertEntityHebrew(names), bytes);
  std::sort(bytes.begin(), bytes.end());  // 27 entries: each of alef..tav once
  for (int b = 0xE0; b <= 0xFA; ++b) EXPECT_EQ(static_cast<unsigned char>(bytes[b - 0xE0]), b);
}
