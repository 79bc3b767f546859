// The script library window and the script editor on a real main window, with
// the library file in a temporary start-up folder.
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTreeWidget>

#include "core/scripts/ScriptDb.h"
#include "editor/DocFixture.h"
#include "scripts/ScriptEd_F.h"
#include "scripts/Script_F.h"

namespace {

namespace sc = qm::scripts;

const std::string SHALOM = "\xF9\xEC\xE5\xED", MOLASH = "\xED\xE5\xEC\xF9";

class ScriptLibrary : public qmtest::DocFixture {
 protected:
  ScriptLibrary() { form->SetExecFolder(dir.path()); }
  void library(const sc::ScriptList& list) { writeFile(QStringLiteral("JSDB.dat"), sc::SaveDB(list)); }
  TForm22* open() {
    EXPECT_TRUE(form->runCommand(QStringLiteral("SpeedButton35")));
    return form->Window<TForm22>();
  }
  sc::ScriptList stored() const { return sc::LoadDB(readFile(QStringLiteral("JSDB.dat"))).scripts; }
};

sc::ScriptRec script(const std::string& name) { return {name, "", "<" + name + ">", "", "", "", "", ""}; }

TEST_F(ScriptLibrary, FillsTheVariablesAndInsertsEverythingAsOneUndoStep) {
  sc::ScriptRec zeta{"zeta", "d", "c=$$color$;", "<S>", "<B>$$T$</B>", "go($$N$,1)", "", ""};
  zeta.ListOfVars = sc::formatVars({{"COLOR", "c", "000000", "C"}, {"N", "n", "1", "I"}, {"T", "t", SHALOM, "SH"}});
  for (const bool hebrewEditMode : {false, true}) {
    SCOPED_TRACE(hebrewEditMode);
    library({script("clock"), zeta});
    setIso(true);
    const std::string before = "<HTML><HEAD></HEAD><BODY onload=\"init()\">\r\nxy</BODY>";
    TWorkForm* w = docWith(before, 43, 1);
    w->SaveToUndoBuf();
    const int undoSteps = w->UndoCount();
    if (hebrewEditMode) w->HebEditMode();
    ASSERT_EQ(w->InHebrewMode(), hebrewEditMode);
    TForm22* win = open();
    win->ListBox1->setCurrentRow(1);
    EXPECT_FALSE(win->Button4->isHidden());  // a colour variable comes first
    prompts.colors.push_back(QColor(0xFF, 0, 0));
    win->Button4->click();
    win->Button9->click();
    win->Edit1->setText(QStringLiteral("7"));
    win->Button9->click();
    EXPECT_TRUE(win->Button9->isHidden());
    EXPECT_EQ(win->Edit1->layoutDirection(), Qt::RightToLeft);
    win->Button1->click();

    EXPECT_EQ(w->DocText(), "<HTML><HEAD><S></HEAD><BODY onload=\"go(7,1);init()\"><B>" + MOLASH +
                                "</B>\r\nc=FF0000;xy</BODY>");
    EXPECT_FALSE(win->isVisible());
    expectUndoneTo(w, undoSteps, 1, before);
    form.reset();  // a fresh main window reads the file again
    form = std::make_unique<TForm1>(settings.store());
    form->SetExecFolder(dir.path());
  }
}

TEST_F(ScriptLibrary, AUtf8PageTakesTheScriptInUtf8) {
  sc::ScriptRec s{"heb", "d", "", "", "<B>$$T$</B>", "", "", ""};
  s.ListOfVars = sc::formatVars({{"T", "t", SHALOM, "SH"}});
  library({s});
  const std::string shalomUtf8 = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D";
  TWorkForm* w = openPage(QStringLiteral("u.htm"), "<meta charset=\"utf-8\"><BODY>" + shalomUtf8 + "</BODY>");
  ASSERT_NE(w, nullptr);
  TForm22* win = open();
  win->ListBox1->setCurrentRow(0);
  win->Button1->click();
  EXPECT_EQ(w->PageFileBytes(), "<meta charset=\"utf-8\"><BODY><B>" + shalomUtf8 + "</B>" + shalomUtf8 + "</BODY>");
}

TEST_F(ScriptLibrary, EditorAddsEditsAndRefusesATakenName) {
  TForm22* win = open();  // no file yet: the starter scripts
  const int starters = win->ListBox1->count();
  win->Button7->click();
  win->Button3->click();
  TForm23* ed = win->Form23();
  ed->Button3->click();
  ed->Edit1->setText(QStringLiteral("new"));
  ed->Memo1->setPlainText(QStringLiteral("a\nb "));
  ed->Memo1->moveCursor(QTextCursor::End);
  ed->Button5->click();
  ed->Edit4->setText(QStringLiteral("X"));
  EXPECT_EQ(ed->ComboBox1->currentText(), QStringLiteral("X"));
  ed->Button6->click();
  ed->Button3->click();
  EXPECT_FALSE(ed->isVisible());
  sc::ScriptList lib = stored();
  ASSERT_EQ(lib.size(), static_cast<std::size_t>(starters + 1));
  EXPECT_EQ(lib.back(), (sc::ScriptRec{"new", "", "a\r\nb $$X$", "", "", "", "", "X\r\n---\r\n0\r\nI"}));

  win->Button3->click();  // the same name for a new script
  ed->Edit1->setText(QStringLiteral("new"));
  ed->Button3->click();
  ASSERT_EQ(win->ListBox1->item(0)->text(), QStringLiteral("new"));  // Hebrew names sort after Latin ones
  win->Edit1->setText(QStringLiteral("5"));
  win->Button12->click();  // editing keeps the name, takes the values typed
  ed->Memo4->setPlainText(QStringLiteral("ok"));
  ed->Button3->click();
  win->Button12->click();
  ed->Edit1->setText(win->ListBox1->item(1)->text());  // another script's name
  ed->Button3->click();
  EXPECT_EQ(prompts.texts("message").size(), 3u);  // no name, then a taken name twice
  lib = stored();
  EXPECT_EQ(lib.size(), static_cast<std::size_t>(starters + 1));
  EXPECT_EQ(lib.back().SDescription, "ok");
  EXPECT_EQ(lib.back().ListOfVars, "X\r\n---\r\n5\r\nI");
}

// A file whose reading stopped early is kept whole before the first save,
// beside an earlier copy that stays; deleting its only script leaves an empty
// library.
TEST_F(ScriptLibrary, DeletingAfterAnEarlyStopKeepsTheOriginal) {
  const std::string full = sc::SaveDB({script("a"), script("b")});
  const std::string cut = full.substr(0, full.rfind("!SCRIPT-END"));
  writeFile(QStringLiteral("JSDB.dat"), cut);
  writeFile(QStringLiteral("JSDB.dat.bak"), "an earlier copy");
  TForm22* win = open();
  EXPECT_EQ(prompts.texts("error").size(), 1u);
  ASSERT_EQ(win->ListBox1->count(), 1);
  prompts.answers = {qm::Answer::Cancel, qm::Answer::Ok};
  win->Button11->click();
  EXPECT_EQ(readFile(QStringLiteral("JSDB.dat")), cut);
  win->Button11->click();
  EXPECT_EQ(win->ListBox1->count(), 0);
  EXPECT_EQ(win->CurScript, nullptr);
  EXPECT_EQ(readFile(QStringLiteral("JSDB.dat.bak")), "an earlier copy");
  EXPECT_EQ(readFile(QStringLiteral("JSDB.dat.1.bak")), cut);
  EXPECT_EQ(readFile(QStringLiteral("JSDB.dat")), sc::SaveDB({}));
  EXPECT_TRUE(prompts.texts("message").back().endsWith(path(QStringLiteral("JSDB.dat.1.bak"))));
}

// The window does not open on an unreadable library; a save that fails is
// told in Hebrew and thrown through no signal; the next opening reads again.
TEST_F(ScriptLibrary, AFileThatCannotBeReadIsReportedAndNotOverwritten) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("JSDB.dat")));
  TForm22* win = open();
  EXPECT_EQ(prompts.texts("message"),
            (std::vector<QString>{QStringLiteral("שגיאה בפתיחת\n\r") + path(QStringLiteral("JSDB.dat"))}));
  EXPECT_FALSE(win->isVisible());
  EXPECT_EQ(win->ListBox1->count(), 0);
  win->Button3->click();
  win->Form23()->Edit1->setText(QStringLiteral("x"));
  EXPECT_NO_THROW(win->Form23()->Button3->click());
  ASSERT_EQ(prompts.texts("error").size(), 1u);
  EXPECT_TRUE(prompts.texts("error")[0].startsWith(QStringLiteral("לא ניתן לשמור את הקובץ")));
  EXPECT_TRUE(QFileInfo(path(QStringLiteral("JSDB.dat"))).isDir());

  win->hide();
  ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("JSDB.dat")));
  open();
  EXPECT_TRUE(win->isVisible());
  EXPECT_GT(win->ListBox1->count(), 0);  // the starter scripts
}

}  // namespace
