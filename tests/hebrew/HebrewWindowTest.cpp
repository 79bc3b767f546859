// The Hebrew text entry window: loading from a page, inserting into it, its
// check buttons and options, and its text files.
#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/Html_U.h"
#include "core/text/Lines.h"
#include "editor/DocFixture.h"
#include "editor/Work_F.h"
#include "hebrew/HebMemo.h"
#include "hebrew/Heb_U.h"
#include "platform/Cp1255Bridge.h"

namespace {

// Words in code page 1255, in reading order and reversed (visual order).
const std::string SHALOM = "\xF9\xEC\xE5\xED", MOLASH = "\xED\xE5\xEC\xF9";
const std::string OLAM = "\xF2\xE5\xEC\xED", MALO = "\xED\xEC\xE5\xF2";

const std::string ROW = "<TR><TD ALIGN=\"RIGHT\" COLSPAN=\"250\">";
const std::string END_ROW = "</TD></TR>";
const std::string TABLE = "<TABLE BORDER=\"0\" ALIGN=\"RIGHT\">";

using Lines = std::vector<std::string>;

QString lineText(const Lines& lines) {
  std::string s;
  for (std::size_t i = 0; i < lines.size(); ++i) s += (i ? "\n" : "") + lines[i];
  return qm::fromCp1255(s);
}

Lines memoLines(const QPlainTextEdit* memo) {
  return qm::lines::split(qm::lines::toCrLf(qm::toCp1255(memo->toPlainText())));
}

class HebrewWindow : public qmtest::DocFixture {
 protected:
  // A document holding `text`, the window created, and the Hebrew standard set.
  TWorkForm* page(const std::string& text, bool iso = true) {
    setIso(iso);
    TWorkForm* w = newDoc();
    w->Memo1->setText(text);
    w->SaveToUndoBuf();
    win = form->Window<TForm2>();
    return w;
  }
  void tick(QAction* a, bool on) {
    if (a->isChecked() != on) a->trigger();
  }
  TForm2* win = nullptr;
};

TEST_F(HebrewWindow, LoadsTheSelectionInReadingOrder) {
  const std::string selected = MALO + " " + MOLASH + "\r\n\r\n( 12" + MOLASH + ")";
  const std::string text = "<P>\r\n" + selected + "\r\n</P>";
  struct Case { const char* name; bool viaDocumentButton; bool iso; Lines expected; };
  const Case cases[] = {
      {"document button, visual page", true, true, {SHALOM + " " + OLAM, "", "(" + SHALOM + ") 12"}},
      {"menu command, logical page", false, false, qm::lines::split(selected)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWorkForm* w = page(text, c.iso);
    win->Memo1->setPlainText(QStringLiteral("ישן"));
    w->Memo1->select(5, static_cast<std::int32_t>(selected.size()));
    if (c.viaDocumentButton)
      w->Button1->click();
    else
      ASSERT_TRUE(form->runCommand(QStringLiteral("N47")));
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(memoLines(win->Memo1), c.expected);
    // Loading reads the page and leaves it alone.
    EXPECT_EQ(w->DocText(), text);
    win->hide();
  }
}

TEST_F(HebrewWindow, NothingSelectedTakesTheWholePageOnlyWhenAsked) {
  const std::string text = MOLASH + "\r\nabc";
  settings.store().writeBool(QStringLiteral("SelectAllHebWiz"), true);  // read when the window is made
  TWorkForm* w = page(text);
  ASSERT_TRUE(win->N13->isChecked());
  w->Memo1->setSelStart(2);
  form->N47Click();
  EXPECT_EQ(memoLines(win->Memo1), (Lines{SHALOM, "abc"}));
  // Taking the whole page selects it, so that inserting replaces it.
  EXPECT_EQ(w->Memo1->selLength(), static_cast<std::int32_t>(text.size()));
  // Not asked: the window keeps its text. Unticking stores the choice.
  win->N13->trigger();
  EXPECT_FALSE(settings.reopen().readBool(QStringLiteral("SelectAllHebWiz"), true));
  win->Memo1->setPlainText(QStringLiteral("ישן"));
  w->Memo1->setSelStart(2);
  form->N47Click();
  EXPECT_EQ(win->Memo1->toPlainText(), QStringLiteral("ישן"));
  EXPECT_EQ(w->Memo1->selLength(), 0);
}

TEST_F(HebrewWindow, InsertsTheConvertedLinesAsOneUndoStep) {
  const std::string head = "<BODY>\r\n";
  const std::string tail = "</BODY>";
  struct Case {
    const char* name;
    Lines typed;
    bool iso, table, lineBreaks, hebrewOnly, mirror;
    std::string selected;  // text between head and tail, selected before inserting
    Lines inserted;
    bool hebrewEditMode = false;  // the page is in Hebrew edit mode when "הוספה" is pressed
  };
  const Case cases[] = {
      {"logical page", {SHALOM + " " + OLAM}, false, false, true, true, true, "", {SHALOM + " " + OLAM + "<BR>"}},
      {"table ignores the break button", {SHALOM, OLAM}, true, true, true, true, true, "",
       {TABLE + ROW + MOLASH + END_ROW, ROW + MALO + END_ROW + "</TABLE>"}},
      {"no break, whole line reversed, brackets kept", {"(ab " + SHALOM + ")"}, true, false, false, false, false, "",
       {")" + MOLASH + " ba("}},
      {"nothing typed: the selection goes, no empty table", {}, true, true, true, true, true, "old", {}},
      {"Hebrew edit mode is left first", {OLAM}, true, false, true, true, true, "", {MALO + "<BR>"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string before = head + c.selected + tail;
    TWorkForm* w = page(before, c.iso);
    const int undoSteps = w->UndoCount();
    w->Memo1->select(static_cast<std::int32_t>(head.size()), static_cast<std::int32_t>(c.selected.size()));
    if (c.hebrewEditMode) w->HebEditMode();
    win->show();
    win->Memo1->setPlainText(lineText(c.typed));
    tick(win->N12, c.table);
    tick(win->ToolButton11, c.lineBreaks);
    tick(win->ToolButton12, c.hebrewOnly);
    tick(win->ToolButton13, c.mirror);
    win->Button1->click();

    EXPECT_EQ(w->DocText(), head + qm::lines::joinTerminated(c.inserted) + tail);
    EXPECT_EQ(w->Memo1->selStart(), static_cast<std::int32_t>(head.size()));
    EXPECT_FALSE(win->isVisible());
    expectUndoneTo(w, undoSteps, 1, before);
  }
}

TEST_F(HebrewWindow, WithoutADocumentInsertingChangesNothing) {
  win = form->Window<TForm2>();
  win->show();
  win->Memo1->setPlainText(QStringLiteral("שלום"));
  win->Button1->click();
  EXPECT_TRUE(win->isVisible());
  EXPECT_EQ(win->Memo1->toPlainText(), QStringLiteral("שלום"));
  EXPECT_EQ(documents(), 0);
}

// Saved as code-page bytes with CR LF after every line, read back the same;
// a file with LF ends reads as lines too; a missing file keeps the text.
TEST_F(HebrewWindow, TextFilesRoundTripAsCodePageBytes) {
  page("x");
  const QString typed = QStringLiteral("שלום\n\nעולם (1)");
  win->Memo1->setPlainText(typed);
  prompts.files.push_back(path("t.txt"));
  win->N4->trigger();
  EXPECT_EQ(readFile("t.txt"), SHALOM + "\r\n\r\n" + OLAM + " (1)\r\n");
  EXPECT_EQ(prompts.fileRequests.back().defaultSuffix, QStringLiteral("txt"));
  win->ToolButton1->trigger();  // a new, empty text
  prompts.files.push_back(path("t.txt"));
  win->ToolButton2->trigger();
  EXPECT_EQ(win->Memo1->toPlainText(), typed);

  writeFile(QStringLiteral("lf.txt"), SHALOM + "\nb\n");
  prompts.files.push_back(path("lf.txt"));
  win->N2->trigger();
  EXPECT_EQ(win->Memo1->toPlainText(), QStringLiteral("שלום\nb"));
  prompts.files.push_back(path("none.txt"));
  win->N2->trigger();
  EXPECT_EQ(win->Memo1->toPlainText(), QStringLiteral("שלום\nb"));
  EXPECT_EQ(prompts.texts("error").size(), 1u);
}

}  // namespace
