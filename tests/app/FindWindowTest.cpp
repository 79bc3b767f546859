// The find and go-to-line windows, opened from a document's context menu.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/Goto_F.h"
#include "app/Search_f.h"
#include "editor/DocFixture.h"

namespace {

class FindWindow : public qmtest::DocFixture {
 protected:
  std::pair<int, int> sel(TWorkForm* w) const { return {w->Memo1->selStart(), w->Memo1->selLength()}; }
  TForm9* win() { return form->findChild<TForm9*>(QStringLiteral("Form9")); }
  TForm17* gotoWin() { return form->findChild<TForm17*>(QStringLiteral("Form17")); }
};

TEST_F(FindWindow, FindNextWalksTheMatchesThenStartsAgain) {
  TWorkForm* w = docWith("abc x\r\nABC abc");
  w->N7->trigger();
  win()->Edit1->setText(QStringLiteral("abc"));
  win()->CheckBox1->setChecked(true);
  for (const auto& hit : {std::make_pair(0, 3), std::make_pair(11, 3)}) {
    win()->Button1->click();
    EXPECT_EQ(sel(w), hit);
    EXPECT_EQ(win()->Button1->text(), QStringLiteral("חפש שוב"));
  }
  win()->Button1->click();
  EXPECT_EQ(prompts.texts("message"), std::vector<QString>{QStringLiteral("!! טקסט לא נמצא")});
  EXPECT_EQ(win()->Button1->text(), QStringLiteral("חפש"));
  win()->CheckBox1->setChecked(false);
  win()->Button1->click();
  win()->Button1->click();
  EXPECT_EQ(sel(w), std::make_pair(7, 3));
  setIso(true);
  w = docWith("<P>\xED\xE5\xEC\xF9</P>");
  w->N7->trigger();
  win()->Edit1->setText(QStringLiteral("שלום"));
  win()->Button1->click();
  EXPECT_EQ(sel(w), std::make_pair(3, 4));
}

TEST_F(FindWindow, ReplaceAllIsOneUndoStep) {
  struct Case { std::string text, find, by; bool cs, hebrewMode; std::string expected; QString message; };
  const Case cases[] = {
      {"aaa", "a", "aa", false, false, "aaaaaa", QStringLiteral("3 : מספר החלפות")},
      {"abab", "ab", "x", false, false, "xx", QStringLiteral("2 : מספר החלפות")},
      {"aAa", "a", "b", true, false, "bAb", QStringLiteral("2 : מספר החלפות")},
      {"aAa", "a", "b", false, false, "bbb", QStringLiteral("3 : מספר החלפות")},
      {"abc", "z", "y", false, false, "abc", QStringLiteral("טקסט לא נמצא")},
      {"one two", "two", "2", false, true, "Zone 2", QStringLiteral("1 : מספר החלפות")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + " " + c.find);
    prompts.calls.clear();
    setIso(false);
    TWorkForm* w = docWith(c.text);
    w->SaveToUndoBuf();
    if (c.hebrewMode) {
      w->HebEditMode();
      type(w->RichEdit1, "Z");
    }
    const int steps = w->UndoCount();
    w->N8->trigger();
    win()->Edit1->setText(QString::fromStdString(c.find));
    win()->Edit2->setText(QString::fromStdString(c.by));
    win()->CheckBox1->setChecked(c.cs);
    win()->Button1->click();
    EXPECT_EQ(w->DocText(), c.expected);
    EXPECT_EQ(prompts.texts("message"), std::vector<QString>{c.message});
    EXPECT_FALSE(win()->isVisible());
    // Leaving Hebrew edit mode records what was typed there as a step of its own.
    expectUndoneTo(w, steps, c.hebrewMode ? 2 : 1, (c.hebrewMode ? "Z" : "") + c.text);
  }
}

TEST_F(FindWindow, GoToLine) {
  struct Case { std::string text; int caret; QString shown, typed; int expected; QString error, message; };
  const Case cases[] = {
      {"one\r\ntwo\r\nthree", 6, "2", "2", 8},
      {"one\r\ntwo\r\nthree", 0, "1", "3", 15},
      {"one\r\ntwo\r\n", 0, "1", "3", -1, {}, QStringLiteral("לא בתחום")},
      {"one\r\ntwo", 6, "2", "0", 1},
      {"\r\ntwo", 4, "2", "0", 0},
      {"one", 0, "1", "x1", -1, QStringLiteral("'x1' אינו מספר שלם")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + " " + c.typed.toStdString());
    prompts.calls.clear();
    TWorkForm* w = docWith(c.text, c.caret);
    w->N10->trigger();
    EXPECT_EQ(gotoWin()->Edit1->text(), c.shown);
    gotoWin()->Edit1->setText(c.typed);
    gotoWin()->Button1->click();
    EXPECT_EQ(gotoWin()->isVisible(), c.expected < 0);  // stays open on an error
    EXPECT_EQ(sel(w), std::make_pair(c.expected < 0 ? c.caret : c.expected, 0));
    EXPECT_EQ(prompts.texts("error"), c.error.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.error});
    EXPECT_EQ(prompts.texts("message"), c.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.message});
  }
}

}  // namespace
