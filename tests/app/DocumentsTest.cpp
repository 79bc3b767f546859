// New, open, save, save as, the recent-documents list and dropped files,
// driven through the real main window and document windows.
#include <QAction>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "../editor/DocFixture.h"
#include "core/text/Lines.h"

namespace {

using qmtest::DocFixture;

class Documents : public DocFixture {
 protected:
  std::vector<QString> recent() const {
    std::vector<QString> list;
    for (int slot = 1; slot <= 5; ++slot) list.push_back(form->RecentFile(slot));
    return list;
  }
  // The list as an earlier run left it in the settings.
  void setRecent(const std::vector<QString>& entries) {
    for (int slot = 1; slot <= 5; ++slot)
      settings.store().writeString(QStringLiteral("RecentFile%1").arg(slot), entries.at(static_cast<std::size_t>(slot - 1)));
    form->LoadFromReg();
  }
  static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(Documents, NewDocumentFollowsTheHebrewStandard) {
  struct Case { bool iso; const char* line1; const char* charset; int caret; };
  for (const Case c : {Case{true, "<HTML>", "charset=iso-8859-8", 174},
                       Case{false, "<HTML dir=\"rtl\">", "charset=windows-1255", 186}}) {
    setIso(c.iso);
    TWorkForm* w = newDoc();
    const auto lines = w->Memo1->lines();
    ASSERT_EQ(lines.size(), 10u) << c.iso;
    EXPECT_EQ(lines[0], c.line1);
    EXPECT_NE(lines[2].find(c.charset), std::string::npos) << lines[2];
    EXPECT_EQ(w->Memo1->selStart(), c.caret);
    EXPECT_FALSE(w->Memo1->modified());
    EXPECT_EQ(w->UndoCount(), 1);
  }
}

TEST_F(Documents, UntitledCaptionsCountUpAcrossNewAndTemplates) {
  writeFile("page.QXT", "<HTML>\r\n<BODY>template</BODY>\r\n</HTML>\r\n");
  EXPECT_EQ(newDoc()->Caption(), "untitled1.htm");
  newDoc();
  prompts.files.push_back(path("page.QXT"));
  prompts.fileFilters.push_back(3);
  form->OpenHtml(QString());
  TWorkForm* t = form->AWForm();
  EXPECT_EQ(t->Caption(), "untitled3.htm");
  EXPECT_FALSE(t->HasFileName());
  EXPECT_EQ(t->DocText(), "<HTML>\r\n<BODY>template</BODY>\r\n</HTML>\r\n");
  // Opened through another filter the same file keeps its name.
  prompts.files.push_back(path("page.QXT"));
  form->OpenHtml(QString());
  EXPECT_TRUE(form->AWForm()->HasFileName());
  // Named on the command line a template opens untitled too; a missing file
  // opens nothing, silently.
  form->SetCommandLineFile(path("page.QXT"));
  form->OpenHtml(path("page.QXT"));
  EXPECT_EQ(form->AWForm()->Caption(), "untitled4.htm");
  form->OpenHtml(path("missing.htm"));
  EXPECT_EQ(documents(), 5);
  EXPECT_EQ(prompts.calls.size(), 2u);  // the two open dialogs
}

// A page opened by a relative name keeps its absolute path: saving it after
// the current folder changed writes the file it came from.
TEST_F(Documents, RelativeNameSavesWhereItCameFrom) {
  ASSERT_TRUE(QDir(dir.path()).mkpath("a") && QDir(dir.path()).mkpath("b"));
  writeFile("a/page.htm", "one");
  QDir::setCurrent(path("a"));
  form->SetCommandLineFile(QStringLiteral("page.htm"));
  form->OpenHtml(QStringLiteral("page.htm"));
  TWorkForm* w = form->AWForm();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Caption(), path("a/page.htm"));
  QDir::setCurrent(path("b"));
  w->Memo1->setSelStart(3);
  type(w->Memo1, "!");
  form->SaveHtml();
  EXPECT_EQ(readFile("a/page.htm"), "one!");
  EXPECT_EQ(readFile("b/page.htm"), "<missing>");
}

// Save as naming the page: the overwrite test.
TEST_F(Documents, SaveAsksForANameOnce) {
  TWorkForm* w = newDoc();
  type(w->Memo1, "x");
  prompts.files.push_back(path("one.htm"));
  form->SaveHtml();
  EXPECT_FALSE(w->Memo1->modified());
  type(w->Memo1, "y");
  form->SaveHtml();  // no dialog this time
  EXPECT_EQ(prompts.texts("save").size(), 1u);
  EXPECT_EQ(readFile("one.htm"), w->DocText());
}

TEST_F(Documents, OverwriteQuestionDecidesTheWrite) {
  struct Case { qm::Answer answer; bool written; };
  for (const Case c : {Case{qm::Answer::Yes, true}, Case{qm::Answer::No, false}}) {
    TWorkForm* w = newDoc();
    for (const bool saveAs : {false, true}) {
      writeFile("there.htm", "old");
      prompts.files.push_back(path("there.htm"));
      prompts.answers.push_back(c.answer);
      if (saveAs) form->N5Click(); else form->SaveHtml();
      EXPECT_EQ(readFile("there.htm") == "old", !c.written) << static_cast<int>(c.answer) << saveAs;
      EXPECT_EQ(w->HasFileName(), c.written);
      w->SetUntitled("untitled9.htm");
    }
  }
}

TEST_F(Documents, FileErrorsNameTheFileAndChangeNothing) {
  TWorkForm* w = newDoc();
  type(w->Memo1, "z");
  prompts.files.push_back(path("no-such-folder/page.htm"));
  form->SaveHtml();  // the write fails: the page stays modified and untitled
  EXPECT_TRUE(w->Memo1->modified());
  EXPECT_FALSE(w->HasFileName());
  writeFile("nul.htm", std::string("ab\0cd", 5));
  form->OpenHtml(path("nul.htm"));  // NUL bytes: no window
  EXPECT_EQ(documents(), 1);
  const std::vector<QString> errors = prompts.texts("error");
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_TRUE(errors[0].contains("page.htm") && errors[1].contains("nul.htm"));
  // In Hebrew, as every other message of the program.
  EXPECT_TRUE(errors[0].startsWith(QStringLiteral("לא ניתן לשמור את ")));
  EXPECT_TRUE(errors[1].contains(QStringLiteral("אינו קובץ טקסט")));
}

// A page opened from a file opens as a new page does: maximized when the
// active page is, or with none open when the last one closed was (at first).
TEST_F(Documents, OpenedPagesOpenLikeNewPages) {
  writeFile("a.htm", "<P>a</P>");
  form->OpenHtml(path("a.htm"));
  ASSERT_NE(form->AWForm(), nullptr);
  EXPECT_TRUE(form->AWForm()->IsMaximized());
  form->AWForm()->SubWindow()->showNormal();
  form->OpenHtml(path("a.htm"));
  EXPECT_FALSE(form->AWForm()->IsMaximized());
  EXPECT_EQ(form->AWForm()->SubWindow()->size(), newDoc()->SubWindow()->size());
}

// Opened and saved again the bytes stay as they were; an edited file keeps
// the line ends it came with.
TEST_F(Documents, FilesRoundTripByteForByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  // edit: type "X" at the start before saving
  struct Case { const char* name; std::string bytes; bool edit; };
  const std::vector<Case> cases = {
      {"all.htm", all + "\r\n" + all, false},
      {"lf.htm", "one\ntwo\n", true},
      {"cr.htm", "one\rtwo\r", true},
  };
  for (const auto& c : cases) {
    writeFile(c.name, c.bytes);
    form->OpenHtml(path(c.name));
    TWorkForm* w = form->AWForm();
    w->SetFileName(w->Caption());
    if (c.edit) {
      w->Memo1->setSelStart(0);
      type(w->Memo1, "X");
      EXPECT_EQ(w->DocText(), "Xone\r\ntwo\r\n");
    }
    form->SaveHtml();
    EXPECT_EQ(readFile(c.name), (c.edit ? "X" : "") + c.bytes) << c.name;
  }
}

TEST_F(Documents, RecentListAddAndPull) {
  QAction* n43 = form->Action(QStringLiteral("N43"));
  n43->setEnabled(false);
  setRecent({"A", "B", "C", "D", "E"});
  form->AddToRecent("F");
  EXPECT_EQ(recent(), (std::vector<QString>{"F", "A", "B", "C", "D"}));
  EXPECT_TRUE(n43->isEnabled());
  form->AddToRecent("B");
  EXPECT_EQ(recent(), (std::vector<QString>{"F", "A", "B", "C", "D"}));

  setRecent({"A", "B", "C", "D", "E"});
  EXPECT_EQ(form->PullFromRecent(2), "B");
  EXPECT_EQ(recent(), (std::vector<QString>{"A", "C", "D", "E", "-"}));
  EXPECT_EQ(settings.reopen().readString("RecentFile5", ""), "-");
  for (int i = 0; i < 3; ++i) form->PullFromRecent(1);
  EXPECT_TRUE(n43->isEnabled());
  EXPECT_EQ(form->PullFromRecent(1), "E");
  EXPECT_FALSE(n43->isEnabled());
}

// A listed file that is there opens: the command walk presses every entry.
TEST_F(Documents, RecentEntriesOfMissingFilesVanish) {
  writeFile("kept.htm", "kept");
  setRecent({path("gone.htm"), path("kept.htm"), "", "", ""});
  form->RecentClick(1);
  EXPECT_EQ(documents(), 0);
  EXPECT_EQ(recent(), (std::vector<QString>{path("kept.htm"), "", "", "", "-"}));
}

TEST_F(Documents, ClosingAsksAndListsNamedDocuments) {
  struct Case { qm::Answer answer; bool closes; bool written; };
  for (const Case c : {Case{qm::Answer::Yes, true, true}, Case{qm::Answer::No, true, false},
                       Case{qm::Answer::Cancel, false, false}}) {
    writeFile("doc.htm", "before");
    setRecent({"", "", "", "", ""});
    form->OpenHtml(path("doc.htm"));
    TWorkForm* w = form->AWForm();
    w->Memo1->setSelStart(6);
    type(w->Memo1, "!");
    prompts.answers.push_back(c.answer);
    EXPECT_EQ(closeDoc(w), c.closes);
    EXPECT_EQ(prompts.texts("yesNoCancel").back(), "? " + path("doc.htm") + " האם לשמור את השינויים ב");
    EXPECT_EQ(readFile("doc.htm"), c.written ? "before!" : "before");
    // Listed before the question, so also when the close was cancelled.
    EXPECT_EQ(form->RecentFile(1), path("doc.htm"));
    if (!c.closes) {
      prompts.answers.push_back(qm::Answer::No);
      EXPECT_TRUE(closeDoc(w));
    }
    flushDeletes();
    EXPECT_EQ(documents(), 0);
  }
}

TEST_F(Documents, SavingAnUntitledPageOnCloseAsksForAName) {
  TWorkForm* w = newDoc();
  type(w->Memo1, "q");
  prompts.answers.push_back(qm::Answer::Yes);
  prompts.files.push_back(std::nullopt);
  EXPECT_FALSE(closeDoc(w));  // the dialog was cancelled: the page stays
  EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath("untitled1.htm")));
  prompts.answers.push_back(qm::Answer::Yes);
  prompts.files.push_back(path("named.htm"));
  EXPECT_TRUE(closeDoc(w));
  EXPECT_NE(readFile("named.htm").find('q'), std::string::npos);
}

TEST_F(Documents, DroppedFilesOpenByTheirExtension) {
  for (const char* name : {"Page.Html", "notes.txt", "pic.gif", "x.shtml"}) writeFile(name, name);
  newDoc();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path("Page.Html")), QUrl::fromLocalFile(path("notes.txt")),
                QUrl::fromLocalFile(path("pic.gif")), QUrl::fromLocalFile(path("missing.htm"))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form.get(), &drop);
  std::vector<QString> captions;
  for (QMdiSubWindow* s : form->mdiArea()->subWindowList()) captions.push_back(s->widget()->windowTitle());
  EXPECT_EQ(captions, (std::vector<QString>{"untitled1.htm", path("Page.Html"), path("notes.txt")}));
}

// Another program changes an open page's file: the window asks once per
// outside version when it becomes active (through the window menu or the
// program coming back to the front) whether to reload, and asks before saving
// over it; no keeps the outside version.
TEST_F(Documents, AFileChangedByAnotherProgramIsReloadedOrKeptAsTheUserAnswers) {
  writeFile("a.htm", "mine\r\n");
  writeFile("b.htm", "other\r\n");
  form->SetCommandLineFile(path("a.htm"));
  form->OpenHtml(path("a.htm"));
  TWorkForm* a = form->AWForm();
  form->OpenHtml(path("b.htm"));
  // Back to the page after another program wrote it: reloaded.
  writeFile("a.htm", "outside\r\n");
  prompts.answers.push_back(qm::Answer::Yes);
  form->runCommand(QStringLiteral("N16"));
  ASSERT_EQ(form->AWForm(), a);
  EXPECT_EQ(a->DocText(), "outside\r\n");
  EXPECT_FALSE(a->Memo1->modified());
  // Changed again while the user edits: kept, and not asked again for the same version.
  a->Memo1->setSelStart(0);
  type(a->Memo1, "X");
  writeFile("a.htm", "outside 2\r\n");
  prompts.answers.push_back(qm::Answer::No);
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  form->runCommand(QStringLiteral("N16"));
  form->runCommand(QStringLiteral("N16"));
  EXPECT_EQ(a->DocText(), "Xoutside\r\n");
  const auto asked = prompts.texts("yesNo");
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_TRUE(asked[1].contains(path("a.htm")));
  // Saving asks first: no keeps the file as the other program left it.
  prompts.answers.push_back(qm::Answer::No);
  form->SaveHtml();
  EXPECT_EQ(readFile("a.htm"), "outside 2\r\n");
  EXPECT_TRUE(a->Memo1->modified());
  prompts.answers.push_back(qm::Answer::Yes);
  form->SaveHtml();
  EXPECT_EQ(readFile("a.htm"), "Xoutside\r\n");
  // The program's own save is no outside change.
  type(a->Memo1, "Y");
  form->SaveHtml();
  form->runCommand(QStringLiteral("N16"));
  form->runCommand(QStringLiteral("N16"));
  EXPECT_EQ(prompts.texts("yesNo").size(), 4u);
  EXPECT_EQ(readFile("a.htm"), "XYoutside\r\n");
}

}  // namespace
