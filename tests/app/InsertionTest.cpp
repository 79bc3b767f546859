// Markup insertion driven through the palette buttons and popup items of the
// real main window, checked on the document's text, selection and undo ring.
#include <QAbstractButton>
#include <QAction>
#include <algorithm>
#include <optional>

#include "../editor/DocFixture.h"

namespace {

class Insertion : public qmtest::DocFixture {
 protected:
  void setSmartTags(bool on) {
    if (form->Action(QStringLiteral("N24"))->isChecked() != on) press("N24");
  }
};

struct Selection { int start, length; };

TEST_F(Insertion, TagButtonsWrapOrInsertByTheSmartTagsOption) {
  struct Case { const char* button; bool smart; std::string text; Selection before; std::string expected; Selection after; };
  const Case cases[] = {
      // Bold and friends: the selection wrapped and still selected, else both tags around the caret.
      {"SpeedButton9", true, "x abc y", {2, 3}, "x <B>abc</B> y", {5, 3}},
      {"SpeedButton9", true, "x abc y", {2, 0}, "x <B></B>abc y", {5, 0}},
      {"SpeedButton9", false, "x abc y", {2, 3}, "x <B></B> y", {5, 0}},
      // Alignment and paragraph: wrap, else the opening tag and a line break only.
      {"SpeedButton2", true, "x abc y", {2, 3}, "x <CENTER>abc</CENTER> y", {10, 3}},
      {"SpeedButton2", true, "x abc y", {2, 0}, "x <CENTER>\r\nabc y", {12, 0}},
      {"SpeedButton2", false, "x abc y", {2, 3}, "x <CENTER>\r\n y", {12, 0}},
      {"SpeedButton4", true, "one\r\ntwo", {2, 5}, "on<P>e\r\ntw</P>o", {5, 5}},
      // Popup items wrap like bold.
      {"If1", true, "x", {0, 1}, "<% If x %>", {6, 1}},
      // Plain insertions replace the selection.
      {"SpeedButton5", true, "abc", {1, 1}, "a<HR>\r\nc", {7, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.button << " smart=" << c.smart << " sel=" << c.before.start << ","
                                    << c.before.length);
    TWorkForm* w = docWith(c.text, c.before.start, c.before.length);
    setSmartTags(c.smart);
    press(c.button);
    EXPECT_EQ(w->DocText(), c.expected);
    EXPECT_EQ(w->Memo1->selStart(), c.after.start);
    EXPECT_EQ(w->Memo1->selLength(), c.after.length);
  }
}

TEST_F(Insertion, TableButtonInsertsWholeLines) {
  TWorkForm* w = docWith("<BODY>\r\n</BODY>", 8);
  press("SpeedButton23");
  EXPECT_EQ(w->DocText(), "<BODY>\r\n<TABLE>\r\n</TABLE>\r\n</BODY>");
  // The caret stands at the start of the line after the inserted ones.
  EXPECT_EQ(w->Memo1->caretLine(), 3);
  EXPECT_EQ(w->Memo1->caretColumn(), 0);
}

TEST_F(Insertion, TextRequestStopsLineInsertionsOnly) {
  struct Case { const char* button; bool changes; };
  const Case cases[] = {{"SpeedButton23", false},
                        {"SpeedButton2", false},  // no selection: the opening tag and a break only
                        {"SpeedButton9", true}};
  TWorkForm* w = docWith("abc", 1);
  form->SetTextRequestActive(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    const std::string before = w->DocText();
    w->Memo1->setSelStart(1);
    press(c.button);
    EXPECT_EQ(w->DocText() != before, c.changes);
  }
  form->SetTextRequestActive(false);
  const std::string before = w->DocText();
  press("SpeedButton5");
  EXPECT_NE(w->DocText(), before);
}

TEST_F(Insertion, EveryInsertionIsOneUndoStep) {
  struct Case { const char* button; Selection sel; };
  const Case cases[] = {{"SpeedButton23", {1, 4}}, {"SpeedButton9", {3, 0}}, {"SpeedButton4", {0, 10}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.button << " " << c.sel.start << "," << c.sel.length);
    TWorkForm* w = docWith("l1\r\nl2\r\nl3", c.sel.start, c.sel.length);
    const std::string before = w->DocText();
    const int count = w->UndoCount();
    ASSERT_GE(count, 2);
    press(c.button);
    ASSERT_NE(w->DocText(), before);
    EXPECT_EQ(w->UndoCount(), std::min(count + 1, 20));
    w->RestoreUndoBuf();
    EXPECT_EQ(w->DocText(), before);
  }
}

TEST_F(Insertion, TInsertPutsEveryLineWithABreakAndWorksWithoutColouring) {
  TWorkForm* w = docWith("ab", 1, 1);
  const int count = w->UndoCount();
  form->TInsert({"one", "", "\xF9\xEC\xE5\xED"});
  EXPECT_EQ(w->DocText(), "aone\r\n\r\n\xF9\xEC\xE5\xED\r\n");
  EXPECT_EQ(w->Memo1->selStart(), static_cast<int>(w->DocText().size()));
  EXPECT_EQ(w->UndoCount(), count + 1);
}

TEST_F(Insertion, ColourValueButton) {
  TWorkForm* w = docWith("abc", 1, 1);
  prompts.colors.push_back(QColor(0x0A, 0xBC, 0x0F));
  press("SpeedButton12");
  EXPECT_EQ(w->DocText(), "a0ABC0Fc");
  // Cancelled: nothing goes in, so the selected text goes out; the last colour stays.
  w = docWith("abc", 1, 1);
  prompts.colors.push_back(std::nullopt);
  press("SpeedButton12");
  EXPECT_EQ(w->DocText(), "ac");
  EXPECT_EQ(form->LastColor(), "0ABC0F");
}

TEST_F(Insertion, ServerVariableItemsInsertTheirExpression) {
  const std::pair<const char*, const char*> items[] = {
      {"REMOTEADDR1", "<%= Request.ServerVariables(\"REMOTE_ADDR\") %>"},
      {"MenuItem30", "<!--#ECHO VAR=\"HTTP_COOKIE\" -->"}};
  for (const auto& [item, expected] : items) {
    TWorkForm* w = docWith("[sel]", 0, 5);
    press(item);
    EXPECT_EQ(w->DocText(), expected);
  }
}

// Wizards are tool windows: while one is in front, the page is still the active document.
TEST_F(Insertion, ToolWindowInFrontStillInsertsIntoTheDocument) {
  TWorkForm* w = docWith("ab", 1);
  QWidget tool(form.get(), Qt::Tool);
  tool.show();
  tool.activateWindow();
  QApplication::processEvents();
  ASSERT_TRUE(tool.isActiveWindow());
  form->insrt2("<BR>");
  EXPECT_EQ(w->DocText(), "a<BR>b");
}

}  // namespace
