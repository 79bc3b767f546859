// Pages in UTF-8, windows-1255 and ISO-8859-8: opened in their own encoding,
// edited, saved byte for byte, converted; the status bar and the Hebrew
// standard follow the active page.
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>

#include "../editor/DocFixture.h"
#include "app/Search_f.h"
#include "hebrew/HebEdit.h"
#include "wizards/Body_F.h"
#include "wizards/Meta_F.h"

namespace {

using qmtest::DocFixture;

const std::string kBdika = "\xD7\x91\xD7\x93\xD7\x99\xD7\xA7\xD7\x94";  // "בדיקה" in UTF-8
const std::string kBdikaCp = "\xE1\xE3\xE9\xF7\xE4";                  // and in the code pages

class EncodingPages : public DocFixture {
 protected:
  QString label(const char* name) const { return form->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
  void activate(TWorkForm* w) { form->mdiArea()->setActiveSubWindow(w->SubWindow()); }
  bool saveAs(const QString& name, int choice) {
    prompts.files.push_back(path(name));
    prompts.fileChoices.push_back(choice);
    return form->SaveDocumentAs(form->AWForm(), false);
  }
};

TEST_F(EncodingPages, Utf8PageIsEditedAsTextAndSavedInUtf8) {
  TWorkForm* w = openPage("u.htm", "<p>" + kBdika + "</p>\n<b>x</b>\n");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("<p>בדיקה</p>\n<b>x</b>\n"));
  EXPECT_EQ(label("EncodingLabel"), "UTF-8");
  EXPECT_EQ(label("StandardLabel"), QStringLiteral("עברית לוגית"));
  EXPECT_TRUE(form->Action(QStringLiteral("N50"))->isChecked());
  // The caret after the Hebrew word: offsets are bytes, the status bar counts characters.
  w->Memo1->setSelStart(3 + static_cast<int>(kBdika.size()));
  EXPECT_EQ(label("PositionLabel"), QStringLiteral("שורה 1, עמודה 9"));
  EXPECT_EQ(label("ModifiedLabel"), "");
  type(w->Memo1, QStringLiteral(" שלום Ж"));
  EXPECT_EQ(label("ModifiedLabel"), QStringLiteral("שונה"));
  EXPECT_TRUE(w->SubWindow()->isWindowModified());
  w->Memo1->select(16 + static_cast<int>(kBdika.size()) + 8, 1);  // the "x" on line 2
  type(w->Memo1, QStringLiteral("ש"));
  EXPECT_EQ(label("PositionLabel"), QStringLiteral("שורה 2, עמודה 5"));
  form->SaveHtml();
  EXPECT_EQ(readFile("u.htm"),
            "<p>" + kBdika + " \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD0\x96</p>\n<b>\xD7\xA9</b>\n");
  EXPECT_EQ(label("ModifiedLabel"), "");
  EXPECT_FALSE(w->SubWindow()->isWindowModified());
  // Text the program's windows give in code page 1255 goes in as UTF-8, and
  // the find window looks for the page's own bytes.
  w->Memo1->setSelStart(0);
  form->insrt2(kBdikaCp);
  EXPECT_EQ(w->DocText().substr(0, kBdika.size()), kBdika);
  w->N8->trigger();
  auto* find = form->findChild<TForm9*>(QStringLiteral("Form9"));
  find->Edit1->setText(QStringLiteral("שלום"));
  find->Edit2->setText(QStringLiteral("עולם"));
  find->Button1->click();
  EXPECT_NE(w->DocText().find(" \xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D \xD0\x96"), std::string::npos) << w->DocText();
  // Hebrew edit mode: what is typed there comes back as UTF-8.
  find->hide();
  w->HebEditMode();
  ASSERT_TRUE(w->InHebrewMode());
  w->RichEdit1->setSelStart(0);
  type(w->RichEdit1, QStringLiteral("אЖ"));
  w->HebEditMode();
  EXPECT_EQ(w->DocText().substr(0, 4 + kBdika.size()), "\xD7\x90\xD0\x96" + kBdika) << w->DocText();
}

// The quick-edit line shows a UTF-8 line as its characters and writes what is
// typed there back in UTF-8, a character no code page holds included.
TEST_F(EncodingPages, QuickEditLineOnAUtf8Page) {
  TWorkForm* w = openPage("q.htm", "<p>" + kBdika + " \xD0\x96</p>\n<b>x</b>\n");
  ASSERT_NE(w, nullptr);
  w->Memo1->setSelStart(1);
  EXPECT_EQ(form->Edit1->text(), QStringLiteral("<p>בדיקה Ж</p>"));
  QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
  QApplication::sendEvent(form->Edit1, &in);
  form->Edit1->setText(QStringLiteral("<p>שלום Ж</p>"));
  EXPECT_EQ(w->DocText(), "<p>\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD0\x96</p>\r\n<b>x</b>\r\n");
  QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
  QApplication::sendEvent(form->Edit1, &out);
}

// Mark, line ends, characters beyond the basic plane and bytes that are not
// UTF-8 all come back when an edit is undone.
TEST_F(EncodingPages, Utf8PageComesBackByteForByte) {
  const std::string page = std::string("\xEF\xBB\xBF") + "<p>" + kBdika + "\xF0\x9F\x98\x80</p>\n\xFF\xC3(\r\nend";
  TWorkForm* w = openPage("r.htm", page);
  EXPECT_EQ(label("EncodingLabel"), "UTF-8 BOM");
  // Each stray byte is one visible character of its own.
  EXPECT_EQ(w->Memo1->document()->findBlockByNumber(1).text().size(), 3);
  w->Memo1->setSelStart(static_cast<int>(w->DocText().size()));
  type(w->Memo1, QStringLiteral("ש"));
  w->RestoreUndoBuf();
  form->SaveHtml();
  EXPECT_EQ(readFile("r.htm"), page);
}

TEST_F(EncodingPages, StandardFollowsTheActivePage) {
  TWorkForm* iso = openPage("v.htm", "<meta charset=iso-8859-8><p>" + kBdikaCp + "</p>");
  EXPECT_EQ(label("EncodingLabel"), "ISO-8859-8");
  EXPECT_TRUE(form->Action(QStringLiteral("ISO1"))->isChecked());
  TWorkForm* win = openPage("w.htm", "<meta charset=windows-1255><p>" + kBdikaCp + "</p>");
  EXPECT_EQ(label("EncodingLabel"), "windows-1255");
  EXPECT_TRUE(form->Action(QStringLiteral("N50"))->isChecked());
  EXPECT_EQ(form->Standard(), qm::HebrewStandard::WinLogical);
  activate(iso);
  EXPECT_TRUE(form->Action(QStringLiteral("ISO1"))->isChecked());
  EXPECT_EQ(form->Standard(), qm::HebrewStandard::IsoVisual);
  EXPECT_EQ(label("StandardLabel"), QStringLiteral("עברית ויזואלית"));
  // Choosing the other item changes that page only.
  form->Action(QStringLiteral("N50"))->trigger();
  EXPECT_EQ(iso->PageStandard, qm::HebrewStandard::WinLogical);
  EXPECT_EQ(win->PageStandard, qm::HebrewStandard::WinLogical);
  form->Action(QStringLiteral("ISO1"))->trigger();
  activate(win);
  EXPECT_EQ(iso->PageStandard, qm::HebrewStandard::IsoVisual);
  EXPECT_TRUE(form->Action(QStringLiteral("N50"))->isChecked());
  // A new page takes the menu's choice.
  EXPECT_EQ(newDoc()->PageStandard, qm::HebrewStandard::WinLogical);
}

TEST_F(EncodingPages, SaveAsConvertsBetweenTheThreeAndBack) {
  openPage("s.htm", "<meta charset=utf-8><p>" + kBdika + " \xD0\x96 \xE2\x82\xAC</p>\r\n");
  struct Case { int choice; const char* encoding; std::string bytes; int told; };
  const Case cases[] = {
      {2, "windows-1255", "<meta charset=windows-1255><p>" + kBdikaCp + " &#1046; \x80</p>\r\n", 1},
      {3, "ISO-8859-8", "<meta charset=ISO-8859-8><p>" + kBdikaCp + " &#1046; &#8364;</p>\r\n", 1},
      {1, "UTF-8", "<meta charset=UTF-8><p>" + kBdika + " &#1046; &#8364;</p>\r\n", 0},
      {0, "UTF-8", "<meta charset=UTF-8><p>" + kBdika + " &#1046; &#8364;</p>\r\n", 0},  // kept
  };
  for (const auto& c : cases) {
    prompts.calls.clear();
    ASSERT_TRUE(saveAs(QStringLiteral("s%1.htm").arg(c.choice), c.choice));
    EXPECT_EQ(readFile(QStringLiteral("s%1.htm").arg(c.choice)), c.bytes) << c.encoding;
    EXPECT_EQ(label("EncodingLabel"), c.encoding);
    EXPECT_EQ(static_cast<int>(prompts.texts("message").size()), c.told) << c.encoding;
  }
  EXPECT_EQ(prompts.fileRequests.back().choices.size(), 4);
}

TEST_F(EncodingPages, VisualPageBecomesLogicalUtf8) {
  TWorkForm* w = openPage("vis.htm",
                      "<html>\r\n<head><meta charset=iso-8859-8><title>\xE4\xF7\xE9\xE3\xE1</title></head>\r\n"
                      "<p title=\"1 \xE4\xF7\xE9\xE3\xE1\">\xE4\xF7\xE9\xE3\xE1</p></html>\r\n");
  form->Action(QStringLiteral("UTF81"))->trigger();
  EXPECT_EQ(w->DocText(), "<html dir=\"rtl\">\r\n<head><meta charset=UTF-8><title>" + kBdika + "</title></head>\r\n"
                          "<p title=\"" + kBdika + " 1\">" + kBdika + "</p></html>\r\n");
  EXPECT_EQ(label("EncodingLabel"), "UTF-8");
  EXPECT_EQ(label("StandardLabel"), QStringLiteral("עברית לוגית"));
  form->SaveHtml();
  EXPECT_EQ(readFile("vis.htm"), w->DocText());
}

// Commands that read text out of a UTF-8 page and write it back: the fields
// show its Hebrew, and what goes back into the page is UTF-8.
TEST_F(EncodingPages, WizardsAndToolsReadAndWriteAUtf8PagesText) {
  const std::string head = "<meta charset=utf-8><TITLE>" + kBdika + "</TITLE>";
  const QString bdika = QString::fromUtf8(kBdika.c_str());

  TWorkForm* w = openPage("b.htm", head + "<BODY onload=\"say('" + kBdika + "')\">x</BODY>");
  press("SpeedButton6");
  TForm7* body = form->Window<TForm7>();
  EXPECT_EQ(body->HebEdit1->text(), bdika);
  EXPECT_EQ(body->Edit2->text(), "say('" + bdika + "')");
  body->Button1->click();
  EXPECT_EQ(w->DocText(), head + "<BODY onLoad=\"say('" + kBdika + "')\" >x</BODY>");

  w = openPage("m.htm", "<HEAD>\r\n<META NAME=\"Author\" CONTENT=\"" + kBdika + "\">\r\n</HEAD>");
  press("SpeedButton34");
  TForm18* meta = form->Window<TForm18>();
  EXPECT_EQ(meta->Edit1->text(), bdika);
  meta->Button1->click();
  EXPECT_NE(w->DocText().find("CONTENT=\"" + kBdika + "\""), std::string::npos) << w->DocText();
  EXPECT_EQ(w->DocText().find(kBdikaCp), std::string::npos);

  // Entities become UTF-8 letters; "º" (C2 BA) stays itself.
  w = openPage("e.htm", "<meta charset=utf-8>&aacute;\xC2\xBA");
  press("NCIE1");
  EXPECT_EQ(w->DocText(), "<meta charset=utf-8>\xD7\x91\xC2\xBA");
}

}  // namespace
