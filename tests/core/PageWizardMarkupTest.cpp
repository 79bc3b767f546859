// The markup of the page body, META, frames and table wizards, and the
// readers that take attribute values back from the page.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "core/wizards/FrameSet.h"
#include "core/wizards/MetaTags.h"
#include "core/wizards/PageBody.h"
#include "core/wizards/TableMarkup.h"
#include "core/wizards/TagAttr.h"

using namespace qm::wizards;

// Double-quoted and unquoted values: the body wizard's window test reads them.
TEST(ReadTagAttr, ValuesInAllQuotingsWithinTheTagOnly) {
  struct Case { std::string page, name, value; };
  const Case cases[] = {
      {"<META NAME='author' CONTENT='Dana Levi'>", "content", "Dana Levi"},
      {"<BODY\r\nLINK = \r\n \"red\"\r\nVLINK=blue>", " LINK", "red"},  // name at a line start, "=" then breaks
      {"<BODY\r\nLINK = \r\n \"red\"\r\nVLINK=blue>", " VLINK", "blue"},
      {"<BODY VLINK=blue>", " LINK", ""},                 // " LINK" is not the end of VLINK
      {"<BODY><FONT TEXT=red>", " TEXT", ""},             // a later tag on the line is not this one
      {"<BODY onLoad>", "OnLoad", ""},                     // no "="
      {"<BODY onLoad=\"go()>", "OnLoad", "go()"},          // an unclosed quote ends with the tag
      {"<BODY style=\"background-color:red\">", "BACKGROUND", ""},  // whole names only
      {"<BODY class=\"link\" alt='bgcolor=red'>", "bgcolor", ""},
      {"<BODY onload=\"if (n > 0) go()\" text=red>", "text", "red"},  // a quoted ">" does not end the tag
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadTagAttr(c.page, 0, tagEnd(c.page, 0), c.name), c.value) << c.page << " " << c.name;
  }
  const std::string page = "<BODY TEXT=\"#\" LINK=00ff00>";
  EXPECT_EQ(ReadColorAttr(page, 0, 26, " TEXT"), "#");  // a lone "#" stays
  EXPECT_EQ(ReadColorAttr(page, 0, 26, " LINK"), "00ff00");
}

TEST(HexToColor, PairsShortFormsAndBlack) {
  struct Case { std::string value; std::uint32_t rgb; };
  const Case cases[] = {{"FF8000", 0xFF8000}, {"00ff7f80", 0x00FF7F}, {"fff", 0xFFFFFF}, {"f0a", 0xFF00AA},
                        {"ff00", 0}, {"GG0000", 0}, {"", 0}};
  for (const Case& c : cases) EXPECT_EQ(HexToColor(c.value), c.rgb) << c.value;
}

// The empty tag, TEXT, BGCOLOR and onLoad are written by the body wizard's window tests.
TEST(PageBody, TagFromTheChoices) {
  BodyChoices b;
  b.link = b.alink = b.background = b.fixedBackground = b.onUnLoad = true;
  b.linkColor = "";  // a cancelled colour dialog
  b.alinkColor = "00FF00";
  b.backgroundIsColor = false;
  b.bgImage = "back.gif";
  EXPECT_EQ(bodyTag(b),
            "<BODY LINK=\"#\" ALINK=\"#00FF00\" BACKGROUND=\"back.gif\" BGPROPERTIES=\"FIXED\" onUnLoad=\"\" >");
}

// Found title and tag are read and replaced by the body wizard's window tests.
TEST(PageBody, TitleAndBodyTagMissing) {
  for (const char* bad : {"</title><title>", "<body", "<bodyguard>"}) {
    EXPECT_FALSE(findTitle(bad)) << bad;
    EXPECT_FALSE(findBodyTag(bad)) << bad;
  }
}

// The old tag "<body dir=rtl onload='a>b'>" is 27 characters at 18, the
// title "Old" 3 at 7; the new tag keeps dir=rtl and is 15 long.
TEST(PageBody, EditPlanCaretAndSelection) {
  const std::string page = "<TITLE>Old</TITLE><body dir=rtl onload='a>b'>text";
  struct Case { std::int64_t caret, length; bool title; std::int64_t selStart, selLength; };
  const Case cases[] = {
      {0, 2, false, 0, 2},       // before both changes
      {20, 0, false, 18 + 15, 0},  // inside the old tag: after the new one
      {46, 2, false, 46 - 12, 2},  // after it: moved by the difference
      {46, 9, false, 46 - 12, 3},  // the selection cut at the end of the page
      {46, 0, true, 46 - 12 + 2, 0},  // a five-letter title
      {8, 0, true, 7 + 5, 0},       // inside the title: after the new one
  };
  for (const Case& k : cases) {
    const auto title = k.title ? std::optional<std::string>("Title") : std::nullopt;
    const BodyEditPlan plan = planBodyEdit(page, k.caret, k.length, BodyChoices{}, title);
    ASSERT_EQ(plan.changes.size(), k.title ? 2u : 1u);
    EXPECT_EQ(std::tie(plan.changes[0].start, plan.changes[0].length, plan.changes[0].text),
              std::make_tuple(std::int64_t{18}, std::int64_t{27}, std::string("<BODY dir=rtl >")));
    EXPECT_EQ(std::tie(plan.selStart, plan.selLength), std::tie(k.selStart, k.selLength)) << k.caret;
  }
}

// Which tags the ticks remove: the META wizard's window test.
TEST(MetaTags, ScanStopsAtAnUnclosedTag) {
  const std::string page =
      "<HEAD><meta name=\"keywords\" content=\"a > b\">\r\n<METADATA><META HTTP-EQUIV=refresh NAME=x CONTENT=\"5\">"
      "<meta name=robots content=all><META NAME=\"author\"";
  const auto tags = scanMeta(page);
  ASSERT_EQ(tags.size(), 3u);
  EXPECT_EQ(readMetaChoices(page).values[static_cast<std::size_t>(MetaKind::Keywords)], "a > b");
  EXPECT_EQ(tags[1].kind, "REFRESH");  // http-equiv wins over name
  EXPECT_EQ(tags[2].kind, "ROBOTS");
}

TEST(MetaTags, EditPlanRemovesBackwardsAndInsertsAfterHead) {
  const std::array<bool, kMetaKinds> keywords{false, false, true, false, false, false};
  struct Case { std::string page; std::vector<std::int64_t> removed; std::int64_t insertAt; };
  const Case cases[] = {
      {"<HTML><HEAD><META NAME=keywords>", {12}, 12},
      {"<META NAME=keywords><HEAD><meta name=Keywords content='<HEAD>'>x", {26, 0}, 6},
      {"<META NAME=keywords content='a>b'><title>", {0}, 0},  // no HEAD: the start
      {"<META NAME=author><HEAD>", {}, 24},
  };
  for (const Case& c : cases) {
    const MetaEditPlan plan = planMetaEdit(c.page, keywords);
    std::vector<std::int64_t> starts;
    for (const MetaTag& t : plan.removals) starts.push_back(t.start);
    EXPECT_EQ(starts, c.removed) << c.page;
    EXPECT_EQ(plan.insertAt, c.insertAt) << c.page;
  }
}

TEST(MetaTags, RefreshSecondsAndAddress) {
  struct Case { std::string value, seconds, address; };
  const Case cases[] = {
      {"5;URL=rates.htm", "5", "rates.htm"}, {"5; url=rates.htm", "5", "rates.htm"}, {"5;rates.htm", "5", "rates.htm"},
      {"10", "10", ""},  {"10; URL = lib.htm", "10", "lib.htm"}, {"3;uranus.htm", "3", "uranus.htm"},
      {"0;URL=http://a.b/c d", "0", "http://a.b/c"},
  };
  for (const Case& c : cases) {
    const RefreshParts p = splitRefresh(c.value);
    EXPECT_EQ(p.seconds, c.seconds) << c.value;
    EXPECT_EQ(p.address, c.address) << c.value;
  }
}

TEST(MetaTags, LinesForTheTickedKinds) {
  MetaChoices c;
  EXPECT_EQ(metaLines(c), std::vector<std::string>{""});
  c.ticked.fill(true);  // keywords and copyright: the META wizard's window test
  c.ticked[static_cast<std::size_t>(MetaKind::Keywords)] = c.ticked[static_cast<std::size_t>(MetaKind::Copyright)] = false;
  c.values = {"Dana", "Site", "", "URL=next.htm", "text/html; charset=windows-1255", ""};
  c.seconds = "5";
  const std::vector<std::string> expected = {
      "",
      "<META NAME=\"Author\" CONTENT=\"Dana\">",
      "<META NAME=\"description\" CONTENT=\"Site\">",
      "<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5;URL=next.htm\">",
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1255\">",
};
  EXPECT_EQ(metaLines(c), expected);
}

TEST(FrameSet, LinesByDivision) {
  auto frame = [](const char* name, const char* size) {
    FrameChoice f;
    f.included = true;
    f.name = name;
    f.file = std::string(name) + ".htm";
    f.size = size;
    return f;
  };
  const std::string mainLine =
      "<FRAME SRC=\"main.htm\" NAME=\"main\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"0\" SCROLLING=\"AUTO\" BORDER=\"0\">";
  // A top frame over the main one: the frames wizard's window test.
  FrameSetChoices all;
  all.frames[MainFrame] = frame("main", "");
  all.columnsPrimary = all.border = true;
  all.frames[TopFrame] = frame("t", "10%");
  all.frames[BottomFrame] = frame("b", "20");
  all.frames[LeftFrame] = frame("l", "*");
  all.frames[RightFrame] = frame("r", "30");
  all.frames[RightFrame].scrolling = 2;
  all.frames[RightFrame].border = all.frames[RightFrame].fixedSize = true;
  const auto lines = frameSetLines(all);
  const std::vector<std::string> heads = {"<FRAMESET COLS=\"*,*,30\" FRAMEBORDER=\"YES\">", "<FRAME SRC=\"l.htm\"",
                                          "<FRAMESET ROWS=\"10%,*,20\">", "<FRAME SRC=\"t.htm\"", mainLine,
                                          "<FRAME SRC=\"b.htm\"", "</FRAMESET>", "<FRAME SRC=\"r.htm\"", "</FRAMESET>"};
  ASSERT_EQ(lines.size(), heads.size());
  for (std::size_t i = 0; i < heads.size(); ++i) EXPECT_EQ(lines[i].rfind(heads[i], 0), 0u) << lines[i];
  EXPECT_EQ(lines[7], "<FRAME SRC=\"r.htm\" NAME=\"r\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"0\" SCROLLING=\"NO\" BORDER=\"1\" NORESIZE>");
}

// A logical page's table with caption and cell prefix: the table wizard's window test.
TEST(TableMarkup, LinesOfATable) {
  // Visual pages get the texts in visual order, brackets mirrored; no caption, no CAPTION line.
  TableChoices v{"0", "9", "", "\xF9\xEC\xE5\xED", "", {{"\xE0\xE1 (1)"}}};
  EXPECT_EQ(tableLines(v, qm::HebrewStandard::IsoVisual),
            (std::vector<std::string>{"<TABLE BORDER=\"0\">", "<TH COLSPAN=9>\xED\xE5\xEC\xF9</TH>", "<TR>",
                                      "<TD>)1( \xE1\xE0</TD>", "</TR>", "</TABLE>"}));
  TableChoices big;
  big.cells.assign(99, std::vector<std::string>(99));
  EXPECT_EQ(tableLines(big, qm::HebrewStandard::WinLogical).size(), 2u + 99u * (2u + 99u) + 1u);
}

TEST(TableMarkup, FieldNumbers) {
  struct Case { std::string text; FieldNumber::Status status; int value; };
  const Case cases[] = {{"", FieldNumber::Empty, 0},       {"10", FieldNumber::Number, 10},
                        {"5 0", FieldNumber::Number, 5},   {"7 ", FieldNumber::Number, 7},
                        {"abc", FieldNumber::NotANumber, 0}, {"2.5", FieldNumber::NotANumber, 0},
                        {"-3", FieldNumber::Number, -3},   {"99999999999", FieldNumber::NotANumber, 0}};
  for (const Case& c : cases) {
    const FieldNumber n = readFieldNumber(c.text);
    EXPECT_EQ(n.status, c.status) << c.text;
    EXPECT_EQ(n.value, c.value) << c.text;
  }
}
