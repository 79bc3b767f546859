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

// Layouts are {hebrewOnly, mirror, lineBreaks, table}.
TEST(HebrewEntryMarkup, LinesAreConvertedAndLaidOut) {
  const EntryLayout defaults, table{true, true, true, true};
  struct Case { const char* name; Lines typed; EntryLayout layout; HebrewStandard standard; Lines expected; };
  const Case cases[] = {
      {"default buttons mirror brackets", {"(" + SHALOM + ") " + OLAM}, defaults, ISO,
       {MALO + " (" + MOLASH + ")<BR>"}},
      {"empty lines become bare breaks", {SHALOM, "", ""}, defaults, ISO, {MOLASH + "<BR>", "<BR>", "<BR>"}},
      {"no break when the button is up", {SHALOM, ""}, {true, true, false, false}, ISO, {MOLASH, ""}},
      {"table ignores the break button, middle rows stay bare", {SHALOM, "", OLAM}, {true, true, false, true}, ISO,
       {TABLE + ROW + MOLASH + END_ROW, ROW + END_ROW, ROW + MALO + END_ROW + "</TABLE>"}},
      {"table, one line carries both ends", {SHALOM}, table, ISO, {TABLE + ROW + MOLASH + END_ROW + "</TABLE>"}},
      {"whole line reversed when not Hebrew only", {"abc " + SHALOM}, {false, true, true, false}, ISO,
       {MOLASH + " cba<BR>"}},
      {"brackets kept when mirroring is off", {"(" + SHALOM + ")"}, {true, false, true, false}, ISO,
       {")" + MOLASH + "(<BR>"}},
  };
  for (const Case& c : cases) EXPECT_EQ(hebrew::entryMarkup(c.typed, c.layout, c.standard), c.expected) << c.name;
}

TEST(HebrewEntryMarkup, TypedLinesSurviveTheTripThroughThePage) {
  // What the window inserts without breaks, loaded back, is what was typed.
  const Lines typed = {SHALOM + " " + OLAM + " 2024", "", "(" + OLAM + ") abc", "x"};
  const Lines markup = hebrew::entryMarkup(typed, EntryLayout{true, true, false, false}, ISO);
  std::string page;
  for (const std::string& l : markup) page += l + "\r\n";
  EXPECT_EQ(hebrew::readingOrderLines(page, ISO), typed);
  EXPECT_EQ(hebrew::readingOrderLines(MOLASH + "\r\nx", WIN), (Lines{MOLASH, "x"}));
  EXPECT_EQ(hebrew::readingOrderLines("\r\n", ISO), Lines{""});
}
