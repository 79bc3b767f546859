// The page body, META tags, frames and table wizards on real documents:
// reading the page into the window, writing back as one undo step.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "editor/DocFixture.h"
#include "hebrew/HebEdit.h"
#include "platform/Cp1255Bridge.h"
#include "wizards/Body_F.h"
#include "wizards/Frame_F.h"
#include "wizards/Meta_F.h"
#include "wizards/Table2_F.h"
#include "wizards/Table_F.h"

namespace {

class PageWizards : public qmtest::DocFixture {
 protected:
  // The palette is off in Hebrew edit mode: tests enter it after opening a wizard.
  TWorkForm* page(const std::string& text, std::int32_t caret) {
    setIso(false);
    TWorkForm* w = docWith(text, caret);
    w->SaveToUndoBuf();
    undoSteps = w->UndoCount();
    return w;
  }
  void expectOneUndoStep(TWorkForm* w, const std::string& before) { expectUndoneTo(w, undoSteps, 1, before); }
  // Shows the window of a palette command.
  template <class W>
  W* shown(const char* command) {
    press(command);
    W* win = form->Window<W>();
    EXPECT_TRUE(win->isVisible()) << command;
    return win;
  }
  // The table wizard's first page asking for a grid of rows x columns.
  static void askGrid(TForm10* first, const char* rows, const char* cols) {
    first->MaskEdit1->setText(QString::fromUtf8(rows));
    first->MaskEdit2->setText(QString::fromUtf8(cols));
    first->Button2->click();
  }
  static QColor textColour(const QLabel* l) { return l->palette().color(QPalette::WindowText); }
  static QColor fillColour(const QWidget* w) { return w->palette().color(QPalette::Window); }
  int undoSteps = 0;
};

std::int32_t at(const std::string& text, const std::string& what) {
  return static_cast<std::int32_t>(text.find(what) + what.size());
}

TEST_F(PageWizards, BodyWizardReadsTheTagAndWritesItBack) {
  const std::string before =
      "<HTML><TITLE>Old</TITLE>\r\n<body bgcolor=#ffffff\r\n link=fff text=\"000000\">\r\nabc\r\n</BODY>";
  TWorkForm* w = page(before, at(before, "abc"));
  TForm7* win = shown<TForm7>("SpeedButton6");
  w->HebEditMode();
  ASSERT_TRUE(w->InHebrewMode());
  EXPECT_EQ(win->HebEdit1->text(), QStringLiteral("Old"));
  EXPECT_EQ(win->BodyLinkColor, "fff");
  EXPECT_TRUE(win->CheckBox2->isChecked() && win->RadioButton1->isChecked() && win->CheckBox4->isChecked());
  EXPECT_FALSE(win->CheckBox7->isChecked());
  EXPECT_EQ(textColour(win->Label2), QColor(Qt::white));
  EXPECT_EQ(textColour(win->Label4), QColor(Qt::white));  // the short form expanded
  EXPECT_EQ(fillColour(win->Panel1), QColor(Qt::white));

  prompts.colors.push_back(QColor(255, 0, 0));
  win->Button3->click();
  EXPECT_EQ(textColour(win->Label1), QColor(Qt::red));
  win->CheckBox4->setChecked(false);
  win->HebEdit1->setText(QStringLiteral("New"));
  type(win->Edit2, QStringLiteral("go()"));  // ticks onLoad
  win->Button1->click();

  const std::string after =
      "<HTML><TITLE>New</TITLE>\r\n<BODY TEXT=\"#FF0000\" BGCOLOR=\"#ffffff\" onLoad=\"go()\" >\r\nabc\r\n</BODY>";
  EXPECT_EQ(w->DocText(), after);
  EXPECT_EQ(w->Memo1->selStart(), at(after, "abc"));
  EXPECT_FALSE(win->isVisible());
  expectOneUndoStep(w, before);
}

// A ">" in a quoted value, "background" inside another attribute's value and
// the attributes the wizard does not edit (the page's direction among them).
TEST_F(PageWizards, BodyWizardKeepsWhatItDoesNotEdit) {
  const std::string before = "<body dir=\"rtl\" onload=\"if (n > 0) go()\" style=\"background-color:red\" class=x>abc";
  TWorkForm* w = page(before, 0);
  TForm7* win = shown<TForm7>("SpeedButton6");
  EXPECT_EQ(win->Edit2->text(), QStringLiteral("if (n > 0) go()"));
  EXPECT_TRUE(win->Edit1->text().isEmpty());
  EXPECT_FALSE(win->CheckBox2->isChecked());
  win->Button1->click();
  EXPECT_EQ(w->DocText(),
            "<BODY dir=\"rtl\" style=\"background-color:red\" class=x onLoad=\"if (n > 0) go()\" >abc");
}

TEST_F(PageWizards, BodyWizardWithoutBodyOrTitleEndInsertsAtTheCaret) {
  const std::string before = "<TITLE>t\r\nabc";
  TWorkForm* w = page(before, 0);
  TForm7* win = shown<TForm7>("SpeedButton6");
  EXPECT_FALSE(win->HebEdit1->isVisibleTo(win));
  win->Button1->click();
  EXPECT_EQ(w->DocText(), "<BODY >" + before);
  EXPECT_EQ(w->Memo1->selStart(), 7 + 2);
  expectOneUndoStep(w, before);
  // A selection is not replaced: the tag goes in before it.
  w->Memo1->select(10, 3);
  win->Button1->click();
  EXPECT_EQ(w->DocText(), "<TITLE>t\r\n<BODY >abc");
  EXPECT_EQ(w->Memo1->selStart(), 10 + 7 + 2);
  EXPECT_EQ(w->Memo1->selLength(), 1);  // the old length, cut at the end of the page
}

TEST_F(PageWizards, MetaWizardReplacesTheTickedKindsAfterHead) {
  const std::string before =
      "<HTML><HEAD>\r\n<meta name=\"keywords\" content=\"a,b\">\r\n<META HTTP-EQUIV=\"Refresh\" "
      "CONTENT=\"5; url=rates.htm\">\r\n<META NAME=\"Author\" CONTENT=\"Ron\">\r\n</HEAD>";
  TWorkForm* w = page(before, 3);
  TForm18* win = shown<TForm18>("SpeedButton34");
  w->HebEditMode();
  EXPECT_EQ(win->Edit3->text(), QStringLiteral("a,b"));
  EXPECT_EQ(win->Edit5->text(), QStringLiteral("5"));
  EXPECT_EQ(win->Edit4->text(), QStringLiteral("rates.htm"));
  EXPECT_EQ(win->Edit1->text(), QStringLiteral("Ron"));
  EXPECT_TRUE(win->CheckBox1->isChecked() && win->CheckBox3->isChecked() && win->CheckBox4->isChecked());
  EXPECT_FALSE(win->CheckBox2->isChecked() || win->CheckBox5->isChecked() || win->CheckBox6->isChecked());

  win->CheckBox1->setChecked(false);  // the author's tag stays as it is
  win->Edit6->setText(QStringLiteral("(c)"));  // ticks copyright
  win->Button1->click();
  EXPECT_EQ(w->DocText(),
            "<HTML><HEAD>\r\n<META NAME=\"keywords\" CONTENT=\"a,b\">\r\n"
            "<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5;rates.htm\">\r\n<META NAME=\"copyright\" CONTENT=\"(c)\">\r\n"
            "\r\n\r\n\r\n<META NAME=\"Author\" CONTENT=\"Ron\">\r\n</HEAD>");
  EXPECT_FALSE(win->isVisible());
  expectOneUndoStep(w, before);

  // Every opening starts from a clear window.
  win->Edit2->setText(QStringLiteral("left over"));
  press("SpeedButton34");
  EXPECT_TRUE(win->Edit2->text().isEmpty());
  EXPECT_FALSE(win->CheckBox2->isChecked());
}

TEST_F(PageWizards, FramesWizardRowsAndSchematicFollowTheChoices) {
  page("x", 0);
  TForm8* win = shown<TForm8>("SpeedButton13");
  auto visible = [&](int k) { return win->Frames[static_cast<std::size_t>(k)].panel->isVisibleTo(win); };
  const QColor navy(0, 0, 0x80), green(0, 0x80, 0), red(0xFF, 0, 0);
  EXPECT_TRUE(visible(1) && visible(2));
  EXPECT_FALSE(visible(3) || visible(4));

  win->Frames[1].file->setText(QStringLiteral("top.htm"));  // ticks the top frame
  EXPECT_TRUE(win->Frames[1].include->isChecked());
  EXPECT_TRUE(visible(3) && visible(4));
  win->Frames[3].include->setChecked(true);
  EXPECT_EQ(fillColour(win->Panel2), green);
  EXPECT_EQ(fillColour(win->Panel6), green);  // rows first: the top strip spans the width
  EXPECT_EQ(fillColour(win->Panel7), red);    // the bottom strip is off: the left one shows
  EXPECT_EQ(fillColour(win->Panel9), navy);

  win->RadioGroup1_1->setChecked(true);
  EXPECT_EQ(fillColour(win->Panel6), red);  // columns first: the left strip spans the height
  win->RadioGroup1_0->setChecked(true);

  win->Frames[1].file->clear();  // the last primary frame goes: the secondary ones with it
  EXPECT_FALSE(win->Frames[1].include->isChecked() || win->Frames[3].include->isChecked());
  EXPECT_FALSE(visible(3) || visible(4));
  EXPECT_EQ(fillColour(win->Panel4), navy);

  win->RadioGroup1_1->setChecked(true);
  EXPECT_TRUE(visible(3) && visible(4));
  EXPECT_FALSE(visible(1) || visible(2));
}

TEST_F(PageWizards, FramesWizardWritesAfterTheTitleAndStaysOpen) {
  const std::string before = "<html><TITLE>x</title>\r\n</html>";
  TWorkForm* w = page(before, 0);
  TForm8* win = shown<TForm8>("SpeedButton13");
  w->HebEditMode();
  win->Frames[0].name->setText(QStringLiteral("main"));
  win->Frames[0].file->setText(QStringLiteral("main.htm"));
  win->Frames[1].name->setText(QStringLiteral("top"));
  prompts.files.push_back(QStringLiteral("/site/top.htm"));
  win->Frames[1].browse->click();  // ticks the top frame
  win->Button1->click();
  EXPECT_EQ(w->DocText(),
            "<html><TITLE>x</title>\r\n<FRAMESET ROWS=\"50,*\" FRAMEBORDER=\"NO\">\r\n"
            "<FRAME SRC=\"/site/top.htm\" NAME=\"top\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"0\" SCROLLING=\"AUTO\" BORDER=\"0\">\r\n"
            "<FRAME SRC=\"main.htm\" NAME=\"main\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"0\" SCROLLING=\"AUTO\" BORDER=\"0\">\r\n"
            "</FRAMESET>\r\n\r\n</html>");
  EXPECT_TRUE(win->isVisible());
  expectOneUndoStep(w, before);
}

TEST_F(PageWizards, TableFirstPageRefusesBadCountsBeforeBuilding) {
  page("x", 0);
  TForm10* first = shown<TForm10>("SpeedButton22");
  TForm11* grid = first->Grid();
  struct Case { const char *rows, *cols, *width, *kind, *text; };
  const Case cases[] = {
      {"", "5", "50", nullptr, nullptr},
      {"0", "5", "50", "message", "הזן ערכים בין 1 ל 99 בלבד"},
      {"5", "100", "50", "message", "הזן ערכים בין 1 ל 99 בלבד"},
      {"abc", "5", "50", "error", "'abc' אינו מספר שלם"},
      {"5", "5", "4.5", "error", "'4.5' אינו מספר שלם"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows + std::string("x") + c.cols + " w" + c.width);
    prompts.calls.clear();
    first->MaskEdit4->setText(QString::fromUtf8(c.width));
    askGrid(first, c.rows, c.cols);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(grid->isVisible());
    EXPECT_TRUE(grid->findChildren<THebEdit*>().isEmpty());
    ASSERT_EQ(prompts.calls.size(), c.kind ? 1u : 0u);
    if (c.kind) {
      EXPECT_EQ(prompts.calls[0].text, QString::fromUtf8(c.text));
    }
  }
}

TEST_F(PageWizards, TableGridHoldsEveryCellAndEmitsTheTable) {
  const std::string before = "<BODY>\r\n</BODY>";
  TWorkForm* w = page(before, 8);
  TForm10* first = shown<TForm10>("SpeedButton22");
  w->HebEditMode();
  TForm11* grid = first->Grid();
  askGrid(first, "3", "4");
  ASSERT_TRUE(grid->isVisible());
  EXPECT_FALSE(first->isVisible());
  EXPECT_EQ(grid->findChildren<THebEdit*>().size(), 12);

  askGrid(first, "1", "2");  // the next grid replaces this one
  EXPECT_EQ(grid->findChildren<THebEdit*>().size(), 2);
  // A cell grows with its text, and its column with it; the width asked for stays the least.
  const QString longText = QStringLiteral("שלום עולם ומלואו, כל הארץ");
  grid->Cells[1][1]->setText(longText);
  const QRect first11 = grid->Cells[1][1]->geometry();
  EXPECT_GT(first11.width(), grid->Cells[1][1]->fontMetrics().horizontalAdvance(longText));
  EXPECT_EQ(grid->Cells[2][1]->x(), first11.right() + 1);
  grid->Cells[1][1]->setText(QString());
  EXPECT_EQ(grid->Cells[1][1]->width(), 50);
  EXPECT_EQ(grid->Cells[2][1]->x(), 50);
  grid->Cells[1][1]->setText(QStringLiteral("א"));
  grid->Cells[2][1]->setText(QStringLiteral("ב"));
  grid->ComboBox1->setCurrentIndex(2);
  grid->ComboBox1Click();
  grid->Button1->click();
  EXPECT_EQ(w->DocText(),
            "<BODY>\r\n<TABLE BORDER=\"4\">\r\n<CAPTION>Caption</CAPTION>\r\n<TH COLSPAN=50>Header</TH>\r\n<TR>\r\n"
            "<TD><CENTER>\xE0</TD>\r\n<TD><CENTER>\xE1</TD>\r\n</TR>\r\n</TABLE>\r\n</BODY>");
  EXPECT_FALSE(grid->isVisible());
  EXPECT_TRUE(grid->findChildren<THebEdit*>().isEmpty());
  expectOneUndoStep(w, before);

  // Item 0 after a typed prefix: the prefix is dropped when the table is written.
  first->Button2->click();
  grid->CustomEdit->setText(QStringLiteral("<B>"));
  grid->ComboBox1->setCurrentIndex(0);
  grid->Button1->click();
  EXPECT_TRUE(grid->CustomEdit->text().isEmpty());
  EXPECT_NE(w->DocText().find("<TD></TD>"), std::string::npos);

  // With no page left to write into, the grid keeps what was typed.
  w->Memo1->setModified(false);
  ASSERT_TRUE(closeDoc(w));
  first->Button2->click();
  grid->Cells[2][1]->setText(QStringLiteral("x"));
  grid->Button1->click();
  EXPECT_TRUE(grid->isVisible());
  EXPECT_EQ(grid->Cells[2][1]->text(), QStringLiteral("x"));
}

}  // namespace
