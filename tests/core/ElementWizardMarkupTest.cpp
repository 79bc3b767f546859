#include <gtest/gtest.h>

#include "core/text/Cp1255.h"
#include "core/wizards/ElementMarkup.h"
#include "core/wizards/ScriptMarkup.h"

using namespace qm;
using namespace qm::wizards;
using Lines = std::vector<std::string>;

namespace {
std::string heb(std::u16string_view s) { return cp1255::encode(s); }
constexpr auto Iso = HebrewStandard::IsoVisual;
constexpr auto Win = HebrewStandard::WinLogical;
}  // namespace

TEST(WizardMarkup, MailLink) {
  struct Case { std::string address, subject, text; HebrewStandard std; std::string out; };
  const Case cases[] = {
      {"Email Address", heb(u"נושא"), heb(u"טקסט"), Win,
       "<A HREF=\"Mailto:Email Address?subject=" + heb(u"נושא") + "\">" + heb(u"טקסט") + "</A>"},
      {"", "s", "x", Win, "<A HREF=\"Mailto:?subject=s\">x</A>"},
      // Visual standard: the link text is reversed, the subject is not.
      {"a@b", heb(u"אב"), heb(u"אב"), Iso, "<A HREF=\"Mailto:a@b?subject=" + heb(u"אב") + "\">" + heb(u"בא") + "</A>"},
  };
  for (const Case& c : cases) EXPECT_EQ(mailLink(c.address, c.subject, c.text, c.std), c.out);
}

TEST(WizardMarkup, FontTagAndPreviewSize) {
  struct Case { FontChoice in; std::string out; };
  const Case cases[] = {
      {{false, "", true, "FF0000", true, "Arial"}, "<FONT COLOR=\"#FF0000\" FACE=\"Arial\">"},
      {{}, "<FONT >"},
      {{false, "", true, ""}, "<FONT >"},  // colour never chosen
      {{false, "", false, "", false, "", true, "Arial"}, "<FONT >"},  // second face without a first
      {{true, "", false, "", true, "A", true, "B"}, "<FONT SIZE=\"\" FACE=\"A,B\">"},
  };
  for (const Case& c : cases) EXPECT_EQ(fontStartTag(c.in), c.out);
  const std::pair<const char*, int> sizes[] = {{"+7", 19}, {"7", 19}, {"+0", 12}, {"-7", 5}, {"", 0}, {"x", 0}};
  for (const auto& [text, points] : sizes) EXPECT_EQ(fontPreviewPoints(text), points) << text;
}

TEST(WizardMarkup, FormControls) {
  EXPECT_EQ(textLineInput(false, "n", "", 20, 15), "<INPUT TYPE=\"Text\" NAME=\"n\" VALUE=\"\" SIZE=\"20\" MAXLENGTH=\"15\">");
  EXPECT_EQ(textLineInput(true, "p", "v", 0, 50), "<INPUT TYPE=\"PASSWORD\" NAME=\"p\" VALUE=\"v\" SIZE=\"0\" MAXLENGTH=\"50\">");
  struct Area { bool ro, dis; Lines memo; Lines out; };
  const std::string tag = "<TEXTAREA NAME=\"t\" ROWS=\"15\" COLS=\"50\" ";
  const Area areas[] = {
      {false, false, {}, {tag + ">", "</TEXTAREA>"}},
      {true, false, {"a", ""}, {tag + "readonly >", "a", "", "</TEXTAREA>"}},
  };
  for (const Area& a : areas) EXPECT_EQ(textArea("t", 15, 50, a.ro, a.dis, a.memo), a.out);
  EXPECT_TRUE(selectList("x", {}, 0).empty());
  EXPECT_EQ(checkInput(false, "c", true), "<INPUT TYPE=\"CHECKBOX\" NAME=\"c\" CHECKED>");
  EXPECT_EQ(checkInput(true, "r", false), "<INPUT TYPE=\"RADIO\" NAME=\"r\">");
  EXPECT_EQ(buttonInput("", "Go"), "<INPUT TYPE=\"\" VALUE=\"Go\">");
}

TEST(WizardMarkup, Embed) {
  EXPECT_EQ(embedTag("a.wav", false, "1", "2", ""), "<EMBED SRC=\"a.wav\">");
}

TEST(WizardMarkup, Scripts) {
  const Lines link = dynamicLinkScript(2, "p.htm", "a\\\\on.gif", "off.gif", "ab " + heb(u"אב"), Iso);
  EXPECT_EQ(link[8], " onMouseOver=\"change2('a\\\\\\\\on.gif')\"");
  // The whole optional text is reversed under the visual standard, Latin included.
  EXPECT_EQ(link.back(), "<IMG SRC=\"off.gif\" lowSRC=\"a\\\\on.gif\" NAME=\"theimg2\" BORDER=0>" + heb(u"בא") + " ba</a>");

  const Lines scroller = statusScrollerScript("hi", 30);
  ASSERT_EQ(scroller.size(), 46u);
  EXPECT_EQ(scroller[16], "          var DELAY    = 30");
  EXPECT_EQ(scroller[45], "          </SCRIPT>");

  const Lines two = slideShowScript({"a.gif", "b\\c.gif"});
  EXPECT_EQ(Lines(two.begin() + 12, two.begin() + 15), (Lines{"\"a.gif\",", "\"b\\\\c.gif\"", ");"}));
}

TEST(WizardMarkup, ScrollerPositionAndOnload) {
  struct Pos { std::string page; std::int64_t caret, out; };
  const Pos positions[] = {
      {"<html><head>\r\n<p>", 16, 6},
      {"<head>x", 3, 0},  // a page starting with the tag
      {"<p>x", 3, 3},
  };
  for (const Pos& p : positions) EXPECT_EQ(scrollerPosition(p.page, p.caret), p.out) << p.page;

  struct Case { std::string page; bool found; std::int64_t pos; std::string text; };
  const Case cases[] = {
      {"<p>", false, -1, ""},
      {"<body>", true, 5, " onload=\"f()\" "},
      {"x<body bgcolor=1>\r\n<script>window.onload=\"g\"</script>", true, 6, " onload=\"f()\" "},
      {"x<body onload=a()>\"", true, -1, ""},  // unquoted handler: left alone
  };
  for (const Case& c : cases) {
    const OnloadEdit e = addOnload(c.page, "f()");
    EXPECT_EQ(e.bodyFound, c.found) << c.page;
    EXPECT_EQ(e.position, c.pos) << c.page;
    EXPECT_EQ(e.text, c.text) << c.page;
  }
}
