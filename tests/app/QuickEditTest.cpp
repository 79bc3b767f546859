// The quick-edit line (Edit1 in Panel2), the keyboard-language switching and
// the document commands' enabled state, through the real windows and a fake
// set of keyboard layouts.
#include <QAbstractButton>
#include <QAction>
#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolBar>

#include "../editor/DocFixture.h"
#include "hebrew/HebEdit.h"
#include "platform/Cp1255Bridge.h"
#include "support/FakeKeyboardLayouts.h"

namespace {

const QString kUs = QStringLiteral("00000409");
const QString kHebrew = QStringLiteral("0000040d");
const QString kFrench = QStringLiteral("0000040c");

// "שלום" in code page 1255, and the same word stored backwards.
const std::string kShalom = "\xF9\xEC\xE5\xED";
const std::string kShalomVisual = "\xED\xE5\xEC\xF9";

class QuickEdit : public qmtest::DocFixture {
 protected:
  void focusField(bool in) {
    QFocusEvent e(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(form->Edit1, &e);
  }
  void setIso(bool iso) { form->Action(iso ? QStringLiteral("ISO1") : QStringLiteral("N50"))->setChecked(true); }
  QString field() const { return form->Edit1->text(); }
  static QString q(const std::string& bytes) { return qm::fromCp1255(bytes); }
  qmtest::FakeLayoutsInstalled layouts{{kUs, kHebrew}, 0};
};

TEST_F(QuickEdit, FieldShowsTheCaretLineReadableUnderEitherStandard) {
  struct Case {
    bool iso;
    std::string line;   // as stored in the page
    QString shown;      // in the field
  };
  const Case cases[] = {
      {true, "world 123 " + kShalomVisual, q(kShalom + " world 123")},
      {true, "<b>abc</b>", QStringLiteral("<b>abc</b>")},
      {true, "(" + kShalomVisual + ")", q("(" + kShalom + ")")},
      {false, kShalom + " world", q(kShalom + " world")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    setIso(c.iso);
    TWorkForm* w = docWith("first\r\n" + c.line + "\r\nlast");
    w->Memo1->setSelStart(9);  // on the second line
    EXPECT_EQ(field(), c.shown);
    w->Memo1->setSelStart(0);
    EXPECT_EQ(field(), QStringLiteral("first"));
  }
}

TEST_F(QuickEdit, TypingInTheFieldRewritesTheCaretLine) {
  struct Case {
    bool iso;
    QString typed;
    std::string stored;
  };
  const Case cases[] = {
      {true, q(kShalom + " world 123"), "world 123 " + kShalomVisual},
      {true, q("(" + kShalom + ")"), "(" + kShalomVisual + ")"},
      {false, q(kShalom + " world"), kShalom + " world"},
      // A character the code page cannot hold goes in as a reference.
      {true, QStringLiteral("x\u0416"), "x&#1046;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    setIso(c.iso);
    TWorkForm* w = docWith("one\r\ntwo\r\nthree", 6);
    focusField(true);
    ASSERT_TRUE(form->QuickEditActive);
    form->Edit1->selectAll();
    for (const QChar ch : c.typed) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(form->Edit1, &press);
    }
    EXPECT_EQ(field(), c.typed);
    EXPECT_EQ(w->DocText(), "one\r\n" + c.stored + "\r\nthree");
    EXPECT_EQ(w->Memo1->caretLine(), 1);
    // Moving the caret in the editor while the field is in use leaves the field alone.
    w->Memo1->setSelStart(0);
    EXPECT_EQ(field(), c.typed);
    focusField(false);
    EXPECT_FALSE(form->QuickEditActive);
    w->Memo1->setSelStart(1);
    EXPECT_EQ(field(), QStringLiteral("one"));
  }
}

TEST_F(QuickEdit, FieldKeepsItsTextWhenItMustNotRefresh) {
  struct Case {
    const char* why;
    std::string text;
    int caret;
    bool hideBar;
    bool active;
  };
  const Case cases[] = {
      {"bar hidden", "alpha\r\nbeta", 8, true, false},
      {"field in use", "alpha\r\nbeta", 8, false, true},
      // After a final line break the caret stands on a line the line list lacks.
      {"beyond the lines", "alpha\r\nbeta\r\n", 13, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    TWorkForm* w = docWith(c.text, 0);
    if (c.hideBar) form->Action(QStringLiteral("N30"))->trigger();
    ASSERT_EQ(form->Panel2->isHidden(), c.hideBar);
    form->Edit1->setText(QStringLiteral("kept"));
    form->QuickEditActive = c.active;
    w->Memo1->setSelStart(c.caret);
    form->RefreshQEdit();
    EXPECT_EQ(field(), QStringLiteral("kept"));
    EXPECT_EQ(w->DocText(), c.text);
    if (c.hideBar) form->Action(QStringLiteral("N30"))->trigger();
    form->QuickEditActive = false;
  }
}

TEST_F(QuickEdit, EnteringTheFieldWithoutADocumentClearsAndDisablesIt) {
  form->Edit1->setEnabled(true);
  form->Edit1->setText(QStringLiteral("old"));
  focusField(true);
  EXPECT_TRUE(form->QuickEditActive);
  EXPECT_TRUE(field().isEmpty());
  EXPECT_FALSE(form->Edit1->isEnabled());
  // With a document the field is enabled again on entering.
  TWorkForm* w = docWith("abc");
  form->Edit1->setEnabled(false);
  focusField(true);
  EXPECT_TRUE(form->Edit1->isEnabled());
  EXPECT_EQ(w->DocText(), "abc");
}

TEST_F(QuickEdit, BarEventsRefreshAndMarkTheFieldInUse) {
  TWorkForm* w = docWith("alpha\r\nbeta", 8);
  form->Edit1->setText(QStringLiteral("stale"));
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(form->Panel2, &click);
  EXPECT_EQ(field(), QStringLiteral("beta"));
  EXPECT_TRUE(form->QuickEditActive);
  // Entering the editor gives the field back to the document.
  QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
  QApplication::sendEvent(w->Memo1, &in);
  EXPECT_FALSE(form->QuickEditActive);
  form->Panel2->resize(500, form->Panel2->height());
  EXPECT_EQ(form->Edit1->maximumWidth(), form->Panel2->width() - form->Label2->width() - 45);
}

TEST_F(QuickEdit, LanguageSwitchesOnlyFromTheOtherLanguage) {
  struct Case {
    std::vector<QString> installed;
    std::size_t active;
    bool hebrew;  // SetHebrew, else SetEnglish
    QString after;
    int switches;
  };
  const Case cases[] = {
      {{kUs, kHebrew}, 0, true, kHebrew, 1},
      {{kUs, kHebrew}, 1, true, kHebrew, 0},
      {{kUs, kHebrew}, 1, false, kUs, 1},
      {{kUs, kHebrew}, 0, false, kUs, 0},
      {{kUs, kFrench, kHebrew}, 0, true, kFrench, 1},  // "next", whichever it is
      {{kFrench, kUs, kHebrew}, 0, true, kFrench, 0},
      {{kFrench, kUs, kHebrew}, 0, false, kFrench, 0},
      {{}, 0, true, QString(), 0},
  };
  for (const Case& c : cases) {
    layouts->installed = c.installed;
    layouts->active = c.active;
    layouts->switches = 0;
    if (c.hebrew)
      form->SetHebrew();
    else
      form->SetEnglish();
    EXPECT_EQ(layouts->activeLayoutName(), c.after) << c.active << " hebrew=" << c.hebrew;
    EXPECT_EQ(layouts->switches, c.switches);
  }
}

TEST_F(QuickEdit, FieldAndEditorSwitchTheKeyboard) {
  TWorkForm* w = docWith("abc");
  layouts->active = 0;
  focusField(true);
  EXPECT_EQ(layouts->activeLayoutName(), kHebrew);
  // Another program taking the focus, or a menu opening, is no leaving of the field.
  for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
    QFocusEvent away(QEvent::FocusOut, reason);
    QApplication::sendEvent(form->Edit1, &away);
    EXPECT_EQ(layouts->activeLayoutName(), kHebrew) << reason;
    EXPECT_TRUE(form->QuickEditActive) << reason;
  }
  focusField(false);
  EXPECT_EQ(layouts->activeLayoutName(), kUs);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(form->Edit1, &press);
  EXPECT_EQ(layouts->activeLayoutName(), kHebrew);
  QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
  QApplication::sendEvent(w->Memo1, &in);
  EXPECT_EQ(layouts->activeLayoutName(), kUs);
}

TEST_F(QuickEdit, ClosingTheLastDocumentSwitchesTheDocumentCommandsOff) {
  TWorkForm* w = docWith("abc");
  EXPECT_EQ(field(), QStringLiteral("abc"));
  EXPECT_TRUE(form->Action(QStringLiteral("N2"))->isEnabled());
  w->Memo1->setModified(false);
  ASSERT_TRUE(closeDoc(w));
  for (const char* menu : {"N2", "N32", "N4", "N52", "N48"})
    EXPECT_FALSE(form->Action(QString::fromLatin1(menu))->isEnabled()) << menu;
  EXPECT_TRUE(field().isEmpty());
  EXPECT_FALSE(form->Edit1->isEnabled());
  for (const char* button : {"SpeedButton9", "SpeedButton23", "LinkB", "ImageB", "SpeedButton12"})
    EXPECT_FALSE(form->PaletteButton(QString::fromLatin1(button))->isEnabled()) << button;
  // The script library stays available (the palette itself goes grey with the last document).
  EXPECT_TRUE(form->PaletteButton(QStringLiteral("SpeedButton35"))->isEnabledTo(form->PageControl1));
}

}  // namespace
