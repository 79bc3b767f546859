// The element wizards driven through their controls: each palette command
// shows its window, and what the window inserts is checked in the page text
// and taken back by a single undo.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <functional>

#include "editor/DocFixture.h"
#include "platform/Cp1255Bridge.h"
#include "wizards/AddForm_F.h"
#include "wizards/Email_F.h"
#include "wizards/Embed_U.h"
#include "wizards/Font_F.h"
#include "wizards/Forms_F.h"
#include "wizards/Java_F.h"
#include "wizards/Special_F.h"

namespace {

class ElementWizards : public qmtest::DocFixture {
 protected:
  // A page holding `text` with a selection, recorded as the undo ring's newest step.
  TWorkForm* page(const std::string& text, int selStart, int selLength) {
    TWorkForm* w = docWith(text, selStart, selLength);
    w->SaveToUndoBuf();
    return w;
  }
  template <class W>
  W* shown(const char* command) {
    press(command);
    W* win = form->Window<W>();
    EXPECT_TRUE(win->isVisible()) << command;
    return win;
  }
};

TEST_F(ElementWizards, EachWindowInsertsItsMarkupAsOneUndoStep) {
  struct Case {
    const char* name;
    std::string before;
    int selStart, selLength;
    std::function<void()> use;
    std::string after;
  };
  const Case cases[] = {
      {"mail link", "<P>", 3, 0,
       [&] {
         auto* w = shown<TForm5>("MailB");
         w->Edit1->setText("a@b");
         w->Edit3->clear();
         w->Edit2->setText("x");
         w->Button1->click();
       },
       "<P><A HREF=\"Mailto:a@b\">x</A>\r\n"},
      {"ampersand replaces the selected word", "a word", 2, 4,
       [&] { shown<TForm13>("SpeedButton29")->Buttons[11]->click(); }, "a &amp;"},
      {"font around the selection, colour kept when the dialog is cancelled", "abc", 0, 3,
       [&] {
         auto* w = shown<TForm6>("SpeedButton8");
         w->ComboBox1->setCurrentText("+1");
         prompts.colors = {QColor(255, 0, 0), std::nullopt};
         w->Button3->click();
         w->Button3->click();
         w->Button1->click();
       },
       "<FONT SIZE=\"+1\" COLOR=\"#FF0000\" >abc</FONT>"},
      {"form element around the selection", "abc", 0, 3,
       [&] {
         auto* w = shown<TForm16>("SpeedButton32");
         w->ComboBox1->setCurrentIndex(1);
         w->Button2->click();
       },
       "<FORM METHOD=\"GET\" ACTION=\"\" ENCTYPE=\"\">abc</FORM>"},
      {"selection list with its default", "", 0, 0,
       [&] {
         auto* w = shown<TForm15>("SpeedButton31");
         w->Edit4->setText("x");
         for (const char* option : {"a", "", "b"}) {
           w->Edit5->setText(option);
           w->Button11->click();
         }
         w->ComboBox1->setCurrentIndex(1);
         w->Button5->click();
       },
       "<SELECT NAME=\"x\">\r\n  <OPTION>a\r\n  <OPTION SELECTED>b\r\n</SELECT>\r\n"},
      {"text area with its lines", "", 0, 0,
       [&] {
         auto* w = shown<TForm15>("SpeedButton31");
         w->Memo1->setPlainText("one\ntwo");
         w->CheckBox3->setChecked(true);
         w->Button3->click();
       },
       "<TEXTAREA NAME=\"\" ROWS=\"15\" COLS=\"50\" disabled>\r\none\r\ntwo\r\n</TEXTAREA>\r\n"},
      {"multimedia: size ticked by the width, last alignment, path shortened", "", 0, 0,
       [&] {
         press("N23");  // path names off
         auto* w = shown<TForm14>("SpeedButton30");
         w->Edit1->setText("C:\\m\\clip.avi");
         w->Edit2->setText("50");
         w->ComboBox1->setCurrentIndex(8);
         w->Button2->click();
       },
       "<EMBED SRC=\"clip.avi\" WIDTH=\"50\" HEIGHT=\"100\" ALIGN=\"ABSBOTTOM \">\r\n"},
      {"scroller after the title, call first in the existing onload", "<head><title>t</title>\r\n<body onload=\"a()\">", 0, 0,
       [&] {
         auto* w = shown<TForm12>("SpeedButton28");
         w->HebEdit2->setText("hi");
         w->Button4->click();
       },
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWorkForm* w = page(c.before, c.selStart, c.selLength);
    const int steps = w->UndoCount();
    c.use();
    const std::string text = w->DocText();
    if (c.after.empty()) {  // the scroller: script after "</title>", onload edited in the tag
      EXPECT_EQ(text.find("<head><title>t</title>\r\n          <SCRIPT LANGUAGE=\"JavaScript\">"), 0u);
      EXPECT_NE(text.find("var MESSAGE  = \"hi\"\r\n"), std::string::npos);
      EXPECT_NE(text.find("</SCRIPT>\r\n\r\n<body onload=\"scroller(); a()\">"), std::string::npos);
    } else {
      EXPECT_EQ(text, c.after);
    }
    expectUndoneTo(w, steps, 1, c.before);
  }
}

// The window was open when the page went into Hebrew edit mode; what was
// typed there stays and the link goes in after it.
TEST_F(ElementWizards, InsertingLeavesHebrewEditModeKeepingWhatWasTyped) {
  TWorkForm* w = page("<P>", 3, 0);
  auto* mail = shown<TForm5>("MailB");
  w->HebEditMode();
  type(w->RichEdit1, "i");
  const int steps = w->UndoCount();
  mail->Edit3->clear();
  mail->Edit2->setText("x");
  mail->Button1->click();
  EXPECT_EQ(w->DocText(), "<P>i<A HREF=\"Mailto:Email Address\">x</A>\r\n");
  // What was typed is one step of its own, the link the next.
  expectUndoneTo(w, steps, 2, "<P>i");
}

TEST_F(ElementWizards, JavaScriptNumbersLinksAndWarnsWithoutABody) {
  TWorkForm* w = page("<p>", 3, 0);
  press("N23");  // path names off: a chosen file keeps its name, a typed relative path its folders
  auto* js = shown<TForm12>("SpeedButton28");
  prompts.files = {QStringLiteral("/site/img/on.gif"), QStringLiteral("/site/a.gif"), std::nullopt,
                   QStringLiteral("C:\\pics\\b.gif")};
  js->Button1->click();
  js->Edit2->setText("img/off.gif");
  for (int i = 0; i < 3; ++i) js->Button5->click();
  js->Button3->click();
  EXPECT_NE(w->DocText().find(" onMouseOver=\"change1('on.gif')\"\r\n onMouseOut=\"change1('img/off.gif')\">"),
            std::string::npos);
  press("SpeedButton28");
  js->Button6->click();
  EXPECT_NE(w->DocText().find("new initArray(\r\n\"a.gif\",\r\n\"b.gif\"\r\n);"), std::string::npos);
  press("SpeedButton28");
  js->Button3->click();
  EXPECT_NE(w->DocText().find("function change2(picture)"), std::string::npos);

  w = page("<p>", 0, 0);
  press("SpeedButton28");
  js->TrackBar2->setValue(12);
  js->Button8->click();
  EXPECT_NE(w->DocText().find("var speed = 12000\r\n"), std::string::npos);
  press("SpeedButton28");
  js->Button4->click();
  EXPECT_NE(w->DocText().find("</SCRIPT>"), std::string::npos);
  EXPECT_EQ(prompts.texts("message"), std::vector<QString>{QStringLiteral("!! \"<BODY>\" לא נמצא")});
}

TEST_F(ElementWizards, ScrollerMessageKeepsItsFirstSixtyCharacters) {
  auto* js = form->Window<TForm12>();
  const QString typed = QString(59, 'a') + "bcd";
  js->HebEdit2->setText(typed);
  EXPECT_EQ(js->HebEdit2->text(), typed.left(60));
  EXPECT_EQ(prompts.texts("message"), std::vector<QString>{QStringLiteral("אין להכניס מעל 60 אותיות")});
}

}  // namespace
