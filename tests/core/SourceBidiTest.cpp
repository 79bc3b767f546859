#include <gtest/gtest.h>

#include "core/hebrew/SourceBidi.h"

using namespace qm::bidi;

namespace qm::bidi {
void PrintTo(const Run& r, std::ostream* os) {
  *os << "{" << r.start << "+" << r.length << (r.kind == RunKind::Markup ? " markup " : " text ") << int(r.dir) << "}";
}
}  // namespace qm::bidi

namespace {

constexpr auto M = RunKind::Markup;
constexpr auto T = RunKind::Text;
constexpr auto N = Dir::Neutral;
constexpr auto L = Dir::Ltr;
constexpr auto R = Dir::Rtl;

struct Piece {
  std::u16string text; RunKind kind; Dir dir;
};

}  // namespace

// A line cut into markup and text: the pieces in order, each with its kind and direction.
TEST(SourceBidi, LinesSplitIntoMarkupAndTextRuns) {
  struct Case {
    const char* what; std::u16string line; Scan start; std::vector<Piece> pieces; Scan end;
  };
  const Case cases[] = {
      {"attribute values and content", u"<p class=\"myclass\" title=\"עברית\">פעילות הבינאום!</p>", Scan::Text,
       {{u"<p class=\"", M, L}, {u"myclass", T, L}, {u"\" title=\"", M, L}, {u"עברית", T, R}, {u"\">", M, N},
        {u"פעילות הבינאום!", T, R}, {u"</p>", M, L}},
       Scan::Text},
      {"a comment's text", u"<!-- הערה 2 -->x", Scan::Text, {{u"<!--", M, N}, {u" הערה 2 ", T, R}, {u"-->", M, N}, {u"x", T, L}},
       Scan::Text},
      {"entities are markup, also inside values",
       u"שלום&#x200F;! <a title=\"&amp;א\">", Scan::Text,
       {{u"שלום", T, R}, {u"&#x200F;", M, L}, {u"! ", T, N}, {u"<a title=\"&amp;", M, L}, {u"א", T, R}, {u"\">", M, N}},
       Scan::Text},
      {"no reference without its semicolon, no tag without a name", u"a < b &amp c &#; d", Scan::Text,
       {{u"a < b &amp c &#; d", T, L}}, Scan::Text},
      {"unquoted value", u"<td width = 50%>מחיר 100 ש\"ח</td>", Scan::Text,
       {{u"<td width = ", M, L}, {u"50%", T, N}, {u">", M, N}, {u"מחיר 100 ש\"ח", T, R}, {u"</td>", M, L}}, Scan::Text},
      {"a tag going on to the next line", u"<img alt='א", Scan::Text, {{u"<img alt='", M, L}, {u"א", T, R}}, Scan::SingleQuoted},
      {"inside a tag's value from the line before", u"ב' src=x>", Scan::SingleQuoted,
       {{u"ב", T, R}, {u"' src=", M, L}, {u"x", T, L}, {u">", M, N}}, Scan::Text},
      {"inside a comment from the line before", u"עוד -->", Scan::Comment, {{u"עוד ", T, R}, {u"-->", M, N}}, Scan::Text},
      {"a comment going on", u"<!--א", Scan::Text, {{u"<!--", M, N}, {u"א", T, R}}, Scan::Comment},
      {"attributes on their own line", u"  width=\"1\"", Scan::Tag, {{u"  width=\"", M, L}, {u"1", T, N}, {u"\"", M, N}}, Scan::Tag},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SplitLine got = splitLine(c.line, c.start);
    std::vector<qm::bidi::Run> want;
    std::size_t at = 0;
    for (const Piece& p : c.pieces) {
      want.push_back(qm::bidi::Run{at, p.text.size(), p.kind, p.dir});
      at += p.text.size();
    }
    EXPECT_EQ(at, c.line.size());
    EXPECT_EQ(got.runs, want);
    EXPECT_EQ(got.end, c.end);
    EXPECT_EQ(scanLine(c.line, c.start), c.end);
  }
}

// Which characters stand in right-to-left runs, and the symbols that show the invisible marks.
TEST(SourceBidi, DisplayKnowsTheRightToLeftRunsAndShowsTheMarks) {
  const std::u16string line = u"<b>א\u200Fב c</b>";
  struct Case { Order order; std::vector<std::uint8_t> rtl; };
  const Case cases[] = {
      {Order::Logical, {0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0}},
      {Order::Stored, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {Order::Reordered, {0, 0, 0, 1, 0, 1, 1, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const Display d = displayLine(line, Scan::Text, c.order);
    EXPECT_EQ(d.rtl, c.rtl);
    ASSERT_EQ(d.marks.size(), 1u);
    // The mark stays (it still directs the text around it), its symbol beside it.
    EXPECT_EQ(d.text[static_cast<std::size_t>(d.marks[0])], markSymbol(0x200F));
    EXPECT_EQ(d.text[static_cast<std::size_t>(d.marks[0]) - 1], u'\u200F');
    EXPECT_GT(d.toDisplay[5], d.marks[0]);
  }
}
