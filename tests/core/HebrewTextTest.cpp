// Markup built from the lines typed in the Hebrew text window, and the lines
// a page's selection gives back in reading order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/hebrew/HebrewText.h"

using namespace qm;
using qm::hebrew::EntryLayout;

namespace {

const std::string SHALOM = "\xF9\xEC\xE5\xED";  // shin lamed vav final-mem
const std::string MOLASH = "\xED\xE5\xEC\xF9";  // reversed
const std::string OLAM = "\xF2\xE5\xEC\xED";    // ayin vav lamed final-mem
const std::string MALO = "\xED\xEC\xE5\xF2";    // reversed

constexpr auto ISO = HebrewStandard::IsoVisual;
constexpr auto WIN = HebrewStandard::WinLogical;

const std::string ROW = "<TR><TD ALIGN=\"RIGHT\" COLSPAN=\"250\">";
const std::string END_ROW = "</TD></TR>";
const std::string TABLE = "<TABLE BORDER=\"0\" ALIGN=\"RIGHT\">";

using Lines = std::vector<std::string>;

}  // namespace

TEST(HebrewEntryMarkup, LinesAreConvertedAndLaidOut) {
  const EntryLayout defaults;
  const EntryLayout table{true, true, true, true};
  const EntryLayout tableNoBr{true, true, false, true};
  const EntryLayout plain{true, true, false, false};
  const EntryLayout wholeLine{false, true, true, false};
  const EntryLayout noMirror{true, false, true, false};
  struct Case {
    const char* name;
    Lines typed;
    EntryLayout layout;
    HebrewStandard standard;
    Lines expected;
  };
  const Case cases[] = {
      {"one line, default buttons", {SHALOM + " " + OLAM}, defaults, ISO, {MALO + " " + MOLASH + "<BR>"}},
      {"logical standard keeps the typed order", {SHALOM + " " + OLAM}, defaults, WIN,
       {SHALOM + " " + OLAM + "<BR>"}},
      {"empty lines become bare breaks", {SHALOM, "", ""}, defaults, ISO, {MOLASH + "<BR>", "<BR>", "<BR>"}},
      {"no break when the button is up", {SHALOM, ""}, plain, ISO, {MOLASH, ""}},
      {"table ignores the break button either way", {SHALOM, OLAM}, tableNoBr, ISO,
       {TABLE + ROW + MOLASH + END_ROW, ROW + MALO + END_ROW + "</TABLE>"}},
      {"table, one line carries both ends", {SHALOM}, table, ISO, {TABLE + ROW + MOLASH + END_ROW + "</TABLE>"}},
      {"table, middle rows stay bare", {"a", "", "c"}, table, WIN,
       {TABLE + ROW + "a" + END_ROW, ROW + END_ROW, ROW + "c" + END_ROW + "</TABLE>"}},
      {"whole line reversed when not Hebrew only", {"abc " + SHALOM}, wholeLine, ISO, {MOLASH + " cba<BR>"}},
      {"brackets mirrored by default", {"(" + SHALOM + ")"}, defaults, ISO, {"(" + MOLASH + ")<BR>"}},
      {"brackets kept when mirroring is off", {"(" + SHALOM + ")"}, noMirror, ISO, {")" + MOLASH + "(<BR>"}},
      {"nothing typed, table: no empty table", {}, table, ISO, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(hebrew::entryMarkup(c.typed, c.layout, c.standard), c.expected);
  }
}

TEST(HebrewEntryMarkup, ReadingOrderOfASelection) {
  struct Case {
    const char* name;
    std::string selected;
    HebrewStandard standard;
    Lines expected;
  };
  const Case cases[] = {
      {"three lines, an empty one in the middle", MALO + " " + MOLASH + "\r\n\r\nabc 12", ISO,
       {SHALOM + " " + OLAM, "", "abc 12"}},
      {"markup in the line is reordered with it", "</b>" + MOLASH + "<b>", ISO, {"<b>" + SHALOM + "</b>"}},
      {"logical standard leaves the lines", MOLASH + "\r\nx", WIN, {MOLASH, "x"}},
      {"only a break", "\r\n", ISO, {""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(hebrew::readingOrderLines(c.selected, c.standard), c.expected);
  }
}

TEST(HebrewEntryMarkup, TypedLinesSurviveTheTripThroughThePage) {
  // What the window inserts without breaks, loaded back, is what was typed.
  const Lines typed = {SHALOM + " " + OLAM + " 2024", "", "(" + OLAM + ") abc", "x"};
  const Lines markup = hebrew::entryMarkup(typed, EntryLayout{true, true, false, false}, ISO);
  std::string page;
  for (const std::string& l : markup) page += l + "\r\n";
  EXPECT_EQ(hebrew::readingOrderLines(page, ISO), typed);
}
