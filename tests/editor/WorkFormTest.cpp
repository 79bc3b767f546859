// The document window: change pipeline and undo ring, Hebrew edit mode,
// auto-indent, caret status and activation.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "DocFixture.h"
#include "core/hebrew/LineReorder.h"

namespace {

using qmtest::DocFixture;

using WorkForm = DocFixture;

TEST_F(WorkForm, FirstChangeMakesTwoSnapshotsAndUndoReturnsToTheTemplate) {
  TWorkForm* w = newDoc();
  const std::string templ = w->DocText();
  type(w->Memo1, "a");
  EXPECT_EQ(w->UndoCount(), 2);
  EXPECT_NE(w->DocText(), templ);
  key(w->Memo1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(w->DocText(), templ);
  EXPECT_EQ(w->UndoCount(), 1);
  EXPECT_EQ(prompts.beeps, 0);
  w->N4->trigger();
  EXPECT_EQ(prompts.beeps, 1);
  // The undone text still differs from any file: closing asks.
  EXPECT_TRUE(w->Memo1->modified());
}

TEST_F(WorkForm, OnlyNineteenStepsCanBeUndone) {
  TWorkForm* w = newDoc();
  std::vector<std::string> states{w->DocText()};
  std::vector<std::int32_t> carets{w->Memo1->selStart()};
  for (int i = 0; i < 25; ++i) {
    type(w->Memo1, QString(QChar('a' + i)));
    states.push_back(w->DocText());
    carets.push_back(w->Memo1->selStart());
  }
  for (int i = 1; i <= 19; ++i) {
    // The caret is moved away; undo puts back the recorded one.
    w->Memo1->setSelStart(0);
    w->RestoreUndoBuf();
    ASSERT_EQ(w->DocText(), states[static_cast<std::size_t>(25 - i)]) << "step " << i;
    EXPECT_EQ(w->Memo1->selStart(), carets[static_cast<std::size_t>(25 - i)]);
  }
  const int beeps = prompts.beeps;
  w->RestoreUndoBuf();
  EXPECT_EQ(prompts.beeps, beeps + 1);
  EXPECT_EQ(w->DocText(), states[6]);
}

// Several edits as one step: one undo snapshot, also when the edit throws
// half way; recording goes on afterwards.
TEST_F(WorkForm, OneStepEditsAreOneUndoStepEvenWhenTheyThrow) {
  TWorkForm* w = docWith("abc", 1, 1);
  const int undoCount = w->UndoCount();
  w->PageOneStep([w] {
    w->PageReplaceSelection("X");
    w->PageSelect(0, 0);
    w->PageReplaceSelection("<B>");
  });
  EXPECT_EQ(w->DocText(), "<B>aXc");
  EXPECT_EQ(w->UndoCount(), undoCount + 1);
  EXPECT_THROW(w->PageOneStep([w] {
    w->PageReplaceSelection("1");
    throw std::runtime_error("half way");
  }), std::runtime_error);
  EXPECT_EQ(w->UndoCount(), undoCount + 2);
  type(w->Memo1, "z");
  EXPECT_EQ(w->UndoCount(), undoCount + 3);
  w->RestoreUndoBuf();
  w->RestoreUndoBuf();
  EXPECT_EQ(w->DocText(), "<B>aXc");
}

TEST_F(WorkForm, HebrewEditModeShowsReorderedLinesAndBringsEditsBack) {
  const std::string hebrew = "\xF9\xEC\xE5\xED";  // shalom
  struct Case { bool iso; std::string text; };
  const std::vector<Case> cases = {
      {true, "<P>" + hebrew + " abc</P>\r\n<BR>\r\n"},
      {false, "<P>" + hebrew + "</P>\r\n"},
  };
  for (const auto& c : cases) {
    setIso(c.iso);
    TWorkForm* w = newDoc();
    w->Memo1->setText(c.text);
    const int undoCount = w->UndoCount();
    w->Memo1->setModified(false);
    w->Button4->click();
    ASSERT_TRUE(w->InHebrewMode());
    EXPECT_EQ(w->RichEdit1->text(), c.iso ? qm::hebrew::reorderLines(c.text) : c.text);
    // The Hebrew view is twice the source size (16 points by default).
    EXPECT_DOUBLE_EQ(w->RichEdit1->font().pointSizeF(), 16.0);
    // Undo only beeps while the mode is on.
    const int beeps = prompts.beeps;
    w->RestoreUndoBuf();
    EXPECT_EQ(prompts.beeps, beeps + 1);
    w->HebEditMode();
    EXPECT_FALSE(w->InHebrewMode());
    EXPECT_EQ(w->DocText(), c.text);
    EXPECT_EQ(w->UndoCount(), undoCount);
    EXPECT_FALSE(w->Memo1->modified());
  }
}

TEST_F(WorkForm, EditsInHebrewModeReachTheFileAndTheCloseQuestion) {
  TWorkForm* w = newDoc();
  w->Memo1->setText("abc\r\n");
  w->Memo1->setModified(false);
  w->HebEditMode();
  w->RichEdit1->setSelStart(0);
  type(w->RichEdit1, "Z ");
  EXPECT_EQ(w->RichEdit1->text(), "Z abc\r\n");
  prompts.files.push_back(path("heb.htm"));
  form->SaveHtml();
  EXPECT_TRUE(w->InHebrewMode());  // saving does not leave the mode
  EXPECT_EQ(readFile("heb.htm"), "abc Z\r\n");

  w->RichEdit1->setText("xyz\r\n");
  prompts.answers.push_back(qm::Answer::Yes);
  EXPECT_TRUE(closeDoc(w));
  EXPECT_EQ(prompts.texts("yesNoCancel").size(), 1u);
  EXPECT_EQ(readFile("heb.htm"), "xyz\r\n");
}

TEST_F(WorkForm, EnterIndentsLikeTheLineAbove) {
  // before: text before the caret, which sits at its end; inserted: what follows the new line break
  struct Case { std::string before; bool indentation; std::string inserted; };
  const std::vector<Case> cases = {
      {"    abc", true, "    "},
      {"   x\r\n\r\n", true, "   "},  // an empty line: the one above it
      {"\tabc", true, ""},
      {"    abc", false, ""},
  };
  for (const auto& c : cases) {
    form->Action(QStringLiteral("N44"))->setChecked(c.indentation);
    TWorkForm* w = newDoc();
    w->Memo1->setText(c.before + "|tail");
    w->Memo1->setSelStart(static_cast<std::int32_t>(c.before.size()));
    type(w->Memo1, "\r");
    EXPECT_EQ(w->DocText(), c.before + "\r\n" + c.inserted + "|tail") << c.before << c.indentation;
    EXPECT_EQ(w->Memo1->selStart(), static_cast<std::int32_t>(c.before.size() + 2 + c.inserted.size()));
  }
}

TEST_F(WorkForm, CaretStatusShowsLineAndColumn) {
  TWorkForm* w = newDoc();
  w->Memo1->setText("a\r\nbcdef\r\n\r\nxyz");
  for (const auto& [offset, shown] : std::vector<std::pair<int, QString>>{
           {0, "0:0"}, {5, "1:2"}, {15, "3:3"}}) {
    w->Memo1->setSelStart(offset);
    EXPECT_EQ(w->Label1->text(), shown) << offset;
  }
}

// Activation points the open dialog at the page's folder and leaves the
// process's current folder alone.
TEST_F(WorkForm, ActivationSetsTheDialogFolderNotTheCurrentOne) {
  TWorkForm* w = newDoc();
  const QString cwd = QDir::currentPath();
  w->SetCaption(path("page.htm"));
  w->FormActivate();
  EXPECT_EQ(form->OpenDialogFolder(), dir.path());
  EXPECT_EQ(QDir::currentPath(), cwd);
}

}  // namespace
