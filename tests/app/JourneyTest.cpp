// A webmaster's day through the real windows: a new visual-Hebrew page, its
// title and body from the page body wizard, a link, an image, a table with
// Hebrew cells, a script from the library; saved, walked back by undo to the
// new page (the history goes with the window), closed, reopened byte for
// byte, previewed in the browser, published to a local FTP server and
// fetched back into a new window.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "../editor/DocFixture.h"
#include "hebrew/HebEdit.h"
#include "net/ui/FTP_F.h"
#include "platform/FileIO.h"
#include "platform/Cp1255Bridge.h"
#include "scripts/Script_F.h"
#include "wizards/Body_F.h"
#include "wizards/Link_F.h"
#include "wizards/Picture_F.h"
#include "wizards/Table2_F.h"
#include "support/FtpServer.h"
#include "wizards/Table_F.h"

namespace {

class Journey : public qmtest::DocFixture {
 protected:
  Journey() { form->SetExecFolder(dir.path()); }  // the script library's folder

  // Each step of the day is one undo step that changed the page.
  void stepDone(TWorkForm* w, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_NE(w->DocText(), states.back());
    EXPECT_EQ(w->UndoCount(), startUndo + static_cast<int>(states.size()));
    states.push_back(w->DocText());
  }
  static bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

  std::vector<std::string> states;  // the page after each step, the new page first
  int startUndo = 0;
};

// Hebrew as code-page 1255 bytes: logical order, and the visual order a visual page stores.
const std::string kNext = "\xE4\xE1\xE0", kNextVisual = "\xE0\xE1\xE4";                  // הבא
const std::string kShalomVisual = "\xED\xE5\xEC\xF9", kOlamVisual = "\xED\xEC\xE5\xF2";  // שלום, עולם

TEST_F(Journey, AVisualHebrewPageFromNewPageToPublishing) {
  setIso(true);
  press("N6");
  TWorkForm* w = form->AWForm();
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(has(w->DocText(), "charset=iso-8859-8"));
  states.push_back(w->DocText());
  startUndo = w->UndoCount();

  // Title and body colours through the page body wizard.
  press("SpeedButton6");
  TForm7* body = form->Window<TForm7>();
  ASSERT_TRUE(body->isVisible());
  body->HebEdit1->setText(QStringLiteral("Our day"));
  prompts.colors.push_back(QColor(0, 0, 0x80));
  body->Button3->click();  // text colour
  body->Button1->click();
  EXPECT_TRUE(has(w->DocText(), "<TITLE>Our day</TITLE>"));
  EXPECT_TRUE(has(w->DocText(), "<BODY TEXT=\"#000080\""));
  stepDone(w, "body");

  // A link with Hebrew text, written in visual order.
  press("LinkB");
  TForm3* link = form->Window<TForm3>();
  link->Edit1->setText(QStringLiteral("next.htm"));
  link->Edit2->setText(qm::fromCp1255(kNext));
  link->Button2->click();
  EXPECT_TRUE(has(w->DocText(), "HREF=\"next.htm\""));
  EXPECT_TRUE(has(w->DocText(), kNextVisual + "</A>"));
  stepDone(w, "link");

  // An image.
  press("ImageB");
  TForm4* image = form->Window<TForm4>();
  image->Edit1->setText(QStringLiteral("dot.gif"));
  image->Button2->click();
  EXPECT_TRUE(has(w->DocText(), "SRC=\"dot.gif\""));
  stepDone(w, "image");

  // A table with Hebrew cells, written while the page is in Hebrew edit mode.
  press("SpeedButton22");
  w->HebEditMode();
  ASSERT_TRUE(w->InHebrewMode());
  TForm10* table = form->Window<TForm10>();
  table->MaskEdit1->setText(QStringLiteral("1"));
  table->MaskEdit2->setText(QStringLiteral("2"));
  table->Button2->click();
  TForm11* grid = table->Grid();
  ASSERT_TRUE(grid->isVisible());
  grid->Cells[1][1]->setText(QStringLiteral("שלום"));
  grid->Cells[2][1]->setText(QStringLiteral("עולם"));
  grid->Button1->click();
  EXPECT_FALSE(w->InHebrewMode());
  EXPECT_TRUE(has(w->DocText(), "<TD>" + kShalomVisual + "</TD>\r\n<TD>" + kOlamVisual + "</TD>"));
  stepDone(w, "table");

  // A script from the library (no library file yet: the starter scripts).
  press("SpeedButton35");
  TForm22* library = form->Window<TForm22>();
  const auto found = library->ListBox1->findItems(QStringLiteral("קישור לראש הדף"), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  library->ListBox1->setCurrentItem(found.first());
  library->Button1->click();
  EXPECT_TRUE(has(w->DocText(), "HREF=\"#qmTop\""));
  stepDone(w, "script");

  // Saved under a name of our choosing; the file is the page byte for byte.
  prompts.files.push_back(path("day.htm"));
  press("N4");
  const std::string saved = readFile("day.htm");
  EXPECT_EQ(saved, w->DocumentBytes());
  EXPECT_EQ(saved, states.back());

  // Undo walks back through every step to the new page.
  for (std::size_t i = states.size() - 1; i > 0; --i) {
    press("N12");
    EXPECT_EQ(w->DocText(), states[i - 1]) << "undo to step " << i - 1;
  }

  // Closing asks about the undone changes; "no" keeps the saved file.
  prompts.answers.push_back(qm::Answer::No);
  ASSERT_TRUE(closeDoc(w));
  EXPECT_EQ(documents(), 0);
  EXPECT_EQ(readFile("day.htm"), saved);

  // Reopened from the open dialog: the same bytes, and saving writes them unchanged.
  prompts.files.push_back(path("day.htm"));
  press("N3");
  TWorkForm* again = form->AWForm();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->DocumentBytes(), saved);
  press("N4");
  EXPECT_EQ(readFile("day.htm"), saved);

  // The preview shows the page in its own character set, Hebrew as stored.
  ASSERT_TRUE(qmtest::previewed(again));
  QWebEngineView* view = qmtest::viewOf(again);
  using qmtest::evaluate;
  EXPECT_EQ(evaluate(view, QStringLiteral("document.characterSet.toLowerCase()")), QStringLiteral("iso-8859-8"));
  EXPECT_EQ(evaluate(view, QStringLiteral("document.title")), QStringLiteral("Our day"));
  EXPECT_EQ(evaluate(view, QStringLiteral("document.querySelector('td').innerText")), qm::fromCp1255(kShalomVisual));
  EXPECT_EQ(evaluate(view, QStringLiteral("document.querySelector('a[href=\"next.htm\"]').innerText")),
            qm::fromCp1255(kNextVisual));
  again->Button2->click();
  EXPECT_TRUE(prompts.texts("error").empty());

  // Published to a local FTP server through the FTP window, then fetched back
  // into a new window: the same text.
  qmtest::FtpServer server;
  ASSERT_TRUE(server.running()) << server.error().toStdString();
  qm::writeFileAtomically(server.file(QStringLiteral("index.htm")), "site");
  press("FTP3");
  TForm21* ftp = form->Window<TForm21>();
  ftp->Edit1->setText(QStringLiteral("127.0.0.1"));
  ftp->Edit2->setText(QString::number(server.port()));
  ftp->Edit3->setText(QString::fromLatin1(qmtest::FtpServer::User));
  ftp->Edit4->setText(QString::fromLatin1(qmtest::FtpServer::Password));
  ftp->Button1->click();
  ftp->Edit6->setText(QStringLiteral("day.htm"));
  ftp->Button5->click();
  EXPECT_EQ(qm::readFileBytes(server.file(QStringLiteral("day.htm"))), saved);
  ftp->SpeedButton3->click();  // the listing again, with the new file
  ftp->ListBox1->setCurrentItem(ftp->ListBox1->findItems(QStringLiteral("day.htm"), Qt::MatchContains).value(0));
  ftp->RadioButton1->setChecked(true);
  ftp->Button3->click();
  TWorkForm* fetched = form->AWForm();
  ASSERT_NE(fetched, again);
  EXPECT_EQ(fetched->DocumentBytes(), saved);
  ftp->Button2->click();
  EXPECT_TRUE(prompts.texts("error").empty());
}

}  // namespace
