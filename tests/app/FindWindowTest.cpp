// The find window (find next, replace all) and the go-to-line window, driven
// through the Edit menu and a document's context menu.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/Goto_F.h"
#include "app/Search_f.h"
#include "editor/DocFixture.h"

namespace {

const std::string SHALOM = "\xF9\xEC\xE5\xED";
const std::string MOLASH = "\xED\xE5\xEC\xF9";
const QString NotFound = QStringLiteral("טקסט לא נמצא");

class FindWindow : public qmtest::DocFixture {
 protected:
  std::pair<int, int> sel(TWorkForm* w) const { return {w->Memo1->selStart(), w->Memo1->selLength()}; }
  TForm9* win() { return form->findChild<TForm9*>(QStringLiteral("Form9")); }
  TForm17* gotoWin() { return form->findChild<TForm17*>(QStringLiteral("Form17")); }
};

// Three finds over two matches: the first, the second, then the message, and
// the button says "חפש שוב" after each hit and "חפש" after the message.
TEST_F(FindWindow, FindNextWalksTheMatchesThenStartsAgain) {
  TWorkForm* w = docWith("abc x\r\nABC abc");
  w->N7->trigger();  // the context menu's find
  ASSERT_NE(win(), nullptr);
  EXPECT_TRUE(win()->isVisible());
  EXPECT_EQ(win()->windowTitle(), QStringLiteral("חפש טקסט"));
  win()->Edit1->setText(QStringLiteral("abc"));
  win()->CheckBox1->setChecked(true);
  const std::pair<int, int> hits[] = {{0, 3}, {11, 3}};
  for (const auto& hit : hits) {
    win()->Button1->click();
    EXPECT_EQ(sel(w), hit);
    EXPECT_EQ(win()->Button1->text(), QStringLiteral("חפש שוב"));
  }
  win()->Button1->click();
  EXPECT_EQ(prompts.texts("message"), std::vector<QString>{QStringLiteral("!! טקסט לא נמצא")});
  EXPECT_EQ(win()->Button1->text(), QStringLiteral("חפש"));
  // Case blind now, from the top again: "ABC" on line 2 is the second hit.
  win()->CheckBox1->setChecked(false);
  win()->Button1->click();
  win()->Button1->click();
  EXPECT_EQ(sel(w), std::make_pair(7, 3));
}

TEST_F(FindWindow, AHebrewWordTypedInReadingOrderIsFoundInAVisualPage) {
  setIso(true);
  TWorkForm* w = docWith("<P>" + MOLASH + "</P>");
  press("N19");
  win()->Edit1->setText(QStringLiteral("שלום"));
  win()->Button1->click();
  EXPECT_EQ(sel(w), std::make_pair(3, 4));
}

TEST_F(FindWindow, ReplaceAllIsOneUndoStep) {
  struct Case { const char* what; std::string text, find, by; bool cs, hebrewMode; std::string expected; QString message; };
  const Case cases[] = {
      {"a by aa", "aaa", "a", "aa", false, false, "aaaaaa", QStringLiteral("3 : מספר החלפות")},
      {"ab by x", "abab", "ab", "x", false, false, "xx", QStringLiteral("2 : מספר החלפות")},
      {"case sensitive", "aAa", "a", "b", true, false, "bAb", QStringLiteral("2 : מספר החלפות")},
      {"case blind", "aAa", "a", "b", false, false, "bbb", QStringLiteral("3 : מספר החלפות")},
      {"not found", "abc", "z", "y", false, false, "abc", NotFound},
      {"in Hebrew edit mode", "one two", "two", "2", false, true, "Zone 2", QStringLiteral("1 : מספר החלפות")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    prompts.calls.clear();
    setIso(false);
    TWorkForm* w = docWith(c.text);
    w->SaveToUndoBuf();
    std::string before = c.text;
    if (c.hebrewMode) {
      w->HebEditMode();
      type(w->RichEdit1, "Z");
      before = "Z" + c.text;
    }
    const int steps = w->UndoCount();
    w->N8->trigger();  // the context menu's replace
    EXPECT_EQ(win()->windowTitle(), QStringLiteral("החלף טקסט"));
    win()->Edit1->setText(QString::fromStdString(c.find));
    win()->Edit2->setText(QString::fromStdString(c.by));
    win()->CheckBox1->setChecked(c.cs);
    win()->Button1->click();
    EXPECT_EQ(w->DocText(), c.expected);
    EXPECT_FALSE(w->HebMode);
    EXPECT_EQ(prompts.texts("message"), std::vector<QString>{c.message});
    EXPECT_FALSE(win()->isVisible());
    EXPECT_TRUE(win()->Button1->isEnabled());
    // Leaving Hebrew edit mode records what was typed there as a step of its own.
    EXPECT_EQ(w->UndoCount(), steps + (c.hebrewMode ? 2 : 1));
    w->RestoreUndoBuf();
    EXPECT_EQ(w->DocText(), before);
  }
}

TEST_F(FindWindow, GoToLine) {
  struct Case { const char* what; std::string text; int caret; QString shown, typed; int expected; bool staysOpen; };
  const Case cases[] = {
      {"the caret's own line", "one\r\ntwo\r\nthree", 6, "2", "2", 8, false},
      {"the last line", "one\r\ntwo\r\nthree", 0, "1", "3", 15, false},
      {"beyond the lines", "one\r\ntwo\r\n", 0, "1", "3", 0, true},
      {"line 0", "one\r\ntwo", 6, "2", "0", 1, false},
      {"line 0 when the first line is empty", "\r\ntwo", 4, "2", "0", 0, false},
      {"not a number", "one", 0, "1", "x1", 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    prompts.calls.clear();
    TWorkForm* w = docWith(c.text, c.caret);
    w->N10->trigger();  // the context menu's go to line
    ASSERT_NE(gotoWin(), nullptr);
    EXPECT_EQ(gotoWin()->Edit1->text(), c.shown);
    gotoWin()->Edit1->setText(c.typed);
    gotoWin()->Button1->click();
    EXPECT_EQ(gotoWin()->isVisible(), c.staysOpen);
    EXPECT_EQ(sel(w), std::make_pair(c.staysOpen ? c.caret : c.expected, 0));
    if (c.typed == QStringLiteral("x1")) {
      EXPECT_EQ(prompts.texts("error"), std::vector<QString>{QStringLiteral("'x1' is not a valid integer value")});
    } else if (c.staysOpen) {
      EXPECT_EQ(prompts.texts("message"), std::vector<QString>{QStringLiteral("לא בתחום")});
    }
    gotoWin()->Button2->click();
  }
}

}  // namespace
