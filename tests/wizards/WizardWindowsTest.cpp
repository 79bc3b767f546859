// The hyperlink and image wizards in both modes, files dropped on a page, N33.
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "editor/DocFixture.h"
#include "hebrew/HebEdit.h"
#include "hebrew/HebLabel.h"
#include "hebrew/HebRadioButton.h"
#include "platform/Cp1255Bridge.h"
#include "support/FakeKeyboardLayouts.h"
#include "wizards/Link_F.h"
#include "wizards/Picture_F.h"

namespace {

const std::string LINK = "\xE4\xF7\xE9\xF9\xE5\xF8 \xF9\xEC\xE9";  // "הקישור שלי"

class Wizards : public qmtest::DocFixture {};

TEST_F(Wizards, LinkInsertionInBothLayouts) {
  setIso(false);
  form->Action(QStringLiteral("N23"))->setChecked(false);
  struct Case {
    const char* name;
    int selLength;  // of "abc"
    std::function<void(TForm3*)> fill;
    std::string page;
  };
  const Case cases[] = {
      {"selection wrapped", 3, [](TForm3*) {}, "<A HREF=\"http://\">abc</A>"},
      {"image content, chosen file", 0,
       [this](TForm3* f) {
         prompts.files = {QStringLiteral("/pics/x/a.gif")};
         f->Button1->click();
         f->HebRadioButton2->setChecked(true);
       },
       "<A HREF=\"http://\"><IMG SRC=\"a.gif\"></A>\r\nabc"},
      {"effects and handlers", 0,
       [this](TForm3* f) {
         f->Button8->click();
         prompts.colors = {QColor(255, 0, 0), std::nullopt};
         f->Button4->click();
         f->Button7->click();  // cancelled: the row stays ticked with no colour
         f->Edit5->setText(QStringLiteral("go()"));
         f->Edit4->setText(QStringLiteral("main"));
       },
       "<A HREF=\"http://\" TARGET=\"main\" OnMouseOver=\" style.background='FF0000'; style.color='';go()\" "
       "OnMouseOut=\" style.background=''; style.color=''\">" + LINK + "</A>\r\nabc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWorkForm* w = docWith("abc", 0, c.selLength);
    press("LinkB");
    TForm3* f = form->Window<TForm3>();
    EXPECT_EQ(f->Label4->isVisibleTo(f), c.selLength > 0);
    EXPECT_EQ(f->Edit2->isVisibleTo(f), c.selLength == 0);
    c.fill(f);
    f->Button2->click();
    EXPECT_EQ(w->DocText(), c.page);
    EXPECT_FALSE(f->isVisible());
  }
}

// Inserted through the same line insertion as the mail link, whose test covers Hebrew edit mode.
TEST_F(Wizards, ImageFieldsTickTheirAttributes) {
  TWorkForm* w = docWith("");
  press("ImageB");
  TForm4* f = form->Window<TForm4>();
  f->ComboBox1->setCurrentIndex(4);  // ticks ALIGN
  f->Edit2->setText(QStringLiteral("x"));  // ticks ALT
  f->Button2->click();
  EXPECT_EQ(w->DocText(), "<IMG SRC=\"Picture.pic\" ALT=\"x\" ALIGN=\"MIDDLE\" >\r\n");
}

TEST_F(Wizards, HebrewFieldsSwitchTheKeyboard) {
  const QString us = QStringLiteral("00000409"), he = QStringLiteral("0000040d");
  qmtest::FakeLayoutsInstalled layouts({us, he}, 0);
  TForm3* link = form->Window<TForm3>();
  struct Case { QWidget* field; QEvent::Type focus; QString after; };
  const Case cases[] = {{link->Edit2, QEvent::FocusIn, he}, {link->Edit2, QEvent::FocusOut, us},
                        {form->Window<TForm4>()->Edit2, QEvent::FocusIn, he}, {link->Edit4, QEvent::FocusIn, us}};
  for (const Case& c : cases) {
    QFocusEvent e(c.focus, Qt::TabFocusReason);
    QApplication::sendEvent(c.field, &e);
    EXPECT_EQ(layouts->activeLayoutName(), c.after);
  }
}

TEST_F(Wizards, TextRequestsEndByConfirmCloseOrCloseBox) {
  setIso(false);
  TWorkForm* w = docWith("abc");
  TForm3* link = form->Window<TForm3>();
  TForm4* image = form->Window<TForm4>();
  struct Case { TWizardForm* win; QPushButton* end; std::string result; };  // no button: the close box
  const Case cases[] = {
      {link, link->Button2, "<A HREF=\"p.html\">" + LINK + "</A>"}, {link, link->Button3, ""}, {link, nullptr, ""},
      {image, image->Button2, "<IMG SRC=\"p.html\">"}, {image, nullptr, ""},
  };
  for (const Case& c : cases) {
    QTimer::singleShot(0, c.win, [&] {  // runs inside the wait
      EXPECT_TRUE(c.win->isVisible() && form->IsTextRequestActive());
      form->insrt2ln("no");  // other insertions wait for the request too
      c.end ? c.end->click() : static_cast<void>(c.win->close());
    });
    std::string got;
    if (c.win == link) {
      link->ShowForRequest(QStringLiteral("p.html"));
      got = link->GetText();
    } else {
      image->ShowForRequest(QStringLiteral("p.html"));
      got = image->gettext();
    }
    EXPECT_EQ(got, c.result);
    EXPECT_FALSE(c.win->isVisible() || form->IsTextRequestActive());
  }
  EXPECT_EQ(w->DocText(), "abc");
}

TEST_F(Wizards, DroppedFilesGoInThroughTheirWizard) {
  setIso(false);
  struct Case { const char* file; bool pathNames; std::string inserted; };
  const Case cases[] = {
      {"a.html", false, "<A HREF=\"a.html\">" + LINK + "</A>"},
      {"logo.gif", false, "<IMG SRC=\"logo.gif\">"},
      {"logo.gif", true, "<IMG SRC=\"" + path("logo.gif").toStdString() + "\">"},
      {"a.txt", false, ""},
  };
  TForm3* link = form->Window<TForm3>();
  TForm4* image = form->Window<TForm4>();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    form->Action(QStringLiteral("N23"))->setChecked(c.pathNames);
    TWorkForm* w = docWith("[]", 1);
    QTimer confirm;  // confirms whichever wizard waits
    QObject::connect(&confirm, &QTimer::timeout, [&] {
      if (link->Waiting()) link->Button2->click();
      if (image->Waiting()) image->Button2->click();
    });
    confirm.start(0);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path(QString::fromLatin1(c.file)))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->Memo1->viewport(), &enter);  // makes the editor the drop's target
    QDropEvent e(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->Memo1->viewport(), &e);
    EXPECT_TRUE(enter.isAccepted() && e.isAccepted());
    QCoreApplication::processEvents();  // the drop is completed after its delivery
    EXPECT_EQ(w->DocText(), "[" + c.inserted + "]");
    EXPECT_EQ(documents(), 1 + (&c - cases));  // nothing opened as a document
  }
}

TEST_F(Wizards, PathRemovalIsOneUndoStep) {
  const std::string text = "<img src=\"C:\\p\\a.gif\"> <IMG SRC = \"i\\b.gif\">";
  TWorkForm* w = docWith(text);
  w->SaveToUndoBuf();
  w->HebEditMode();
  prompts.answers = {qm::Answer::Cancel, qm::Answer::Ok};
  press("N33");
  EXPECT_EQ(w->DocText(), text);
  press("N33");
  EXPECT_EQ(w->DocText(), "<img src=\"a.gif\"> <IMG SRC = \"b.gif\">");
  w->RestoreUndoBuf();
  EXPECT_EQ(w->DocText(), text);
}

}  // namespace
