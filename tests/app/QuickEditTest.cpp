// The quick-edit line (Edit1 in Panel2), the keyboard-language switching and
// the document commands' enabled state, through the real windows and a fake
// set of keyboard layouts.
#include <QAction>
#include <QFocusEvent>
#include <QToolBar>

#include "../editor/DocFixture.h"
#include "hebrew/HebEdit.h"
#include "platform/Cp1255Bridge.h"
#include "support/FakeKeyboardLayouts.h"

namespace {

const QString kUs = QStringLiteral("00000409"), kHebrew = QStringLiteral("0000040d"), kFrench = QStringLiteral("0000040c");

// "שלום" in code page 1255, and the same word stored backwards.
const std::string kShalom = "\xF9\xEC\xE5\xED", kShalomVisual = "\xED\xE5\xEC\xF9";

class QuickEdit : public qmtest::DocFixture {
 protected:
  void focusField(bool in) {
    QFocusEvent e(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(form->Edit1, &e);
  }
  QString field() const { return form->Edit1->text(); }
  static QString q(const std::string& bytes) { return qm::fromCp1255(bytes); }
  qmtest::FakeLayoutsInstalled layouts{{kUs, kHebrew}, 0};
};

TEST_F(QuickEdit, FieldShowsTheCaretLineInReadingOrder) {
  setIso(true);
  TWorkForm* w = docWith("first\r\nworld 123 " + kShalomVisual + "\r\nlast");
  w->Memo1->setSelStart(9);  // on the second line
  EXPECT_EQ(field(), q(kShalom + " world 123"));
}

TEST_F(QuickEdit, TypingInTheFieldRewritesTheCaretLine) {
  struct Case { bool iso; QString typed; std::string stored; };
  const Case cases[] = {
      {true, q(kShalom + " world 123"), "world 123 " + kShalomVisual},
      // A character the code page cannot hold goes in as a reference.
      {true, QStringLiteral("x\u0416"), "x&#1046;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    setIso(c.iso);
    TWorkForm* w = docWith("one\r\ntwo\r\nthree", 6);
    focusField(true);
    ASSERT_TRUE(form->IsQuickEditActive());
    form->Edit1->selectAll();
    for (const QChar ch : c.typed) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(form->Edit1, &press);
    }
    EXPECT_EQ(field(), c.typed);
    EXPECT_EQ(w->DocText(), "one\r\n" + c.stored + "\r\nthree");
    focusField(false);
  }
}

// Entering the field ends Hebrew edit mode (keeping what was typed there) and
// shows the caret line of the page as it now stands.
TEST_F(QuickEdit, EnteringTheFieldInHebrewEditModeKeepsBothEdits) {
  setIso(false);
  TWorkForm* w = docWith("one\r\ntwo", 0);
  w->HebEditMode();
  type(w->RichEdit1, "Z");
  w->RichEdit1->setSelStart(7);  // on "two"
  focusField(true);
  EXPECT_FALSE(w->InHebrewMode());
  EXPECT_EQ(field(), QStringLiteral("two"));
  form->Edit1->setText(QStringLiteral("TWO"));
  EXPECT_EQ(w->DocText(), "Zone\r\nTWO");
  focusField(false);
}

TEST_F(QuickEdit, FieldKeepsItsTextWhenItMustNotRefresh) {
  struct Case { const char* why; std::string text; int caret; bool hideBar; };
  const Case cases[] = {
      {"bar hidden", "alpha\r\nbeta", 8, true},
      // After a final line break the caret stands on a line the line list lacks.
      {"beyond the lines", "alpha\r\nbeta\r\n", 13, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    TWorkForm* w = docWith(c.text, 0);
    if (c.hideBar) form->Action(QStringLiteral("N30"))->trigger();
    ASSERT_EQ(form->Panel2->isHidden(), c.hideBar);
    form->Edit1->setText(QStringLiteral("kept"));
    w->Memo1->setSelStart(c.caret);
    form->RefreshQEdit();
    EXPECT_EQ(field(), QStringLiteral("kept"));
    EXPECT_EQ(w->DocText(), c.text);
    if (c.hideBar) form->Action(QStringLiteral("N30"))->trigger();
  }
}

TEST_F(QuickEdit, EnteringTheFieldWithoutADocumentClearsAndDisablesIt) {
  form->Edit1->setEnabled(true);
  form->Edit1->setText(QStringLiteral("old"));
  focusField(true);
  EXPECT_TRUE(form->IsQuickEditActive());
  EXPECT_TRUE(field().isEmpty());
  EXPECT_FALSE(form->Edit1->isEnabled());
}

TEST_F(QuickEdit, LanguageSwitchesOnlyFromTheOtherLanguage) {
  // hebrew: SetHebrew, else SetEnglish
  struct Case { std::vector<QString> installed; std::size_t active; bool hebrew; QString after; int switches; };
  const Case cases[] = {
      {{kUs, kHebrew}, 0, true, kHebrew, 1},
      {{kUs, kHebrew}, 1, true, kHebrew, 0},
      {{kUs, kHebrew}, 1, false, kUs, 1},
      {{kUs, kFrench, kHebrew}, 0, true, kFrench, 1},  // "next", whichever it is
      {{kFrench, kUs, kHebrew}, 0, false, kFrench, 0},
  };
  for (const Case& c : cases) {
    layouts->installed = c.installed;
    layouts->active = c.active;
    layouts->switches = 0;
    if (c.hebrew)
      qm::SetHebrew();
    else
      qm::SetEnglish();
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
  QFocusEvent away(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(form->Edit1, &away);
  EXPECT_EQ(layouts->activeLayoutName(), kHebrew);
  EXPECT_TRUE(form->IsQuickEditActive());
  QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
  QApplication::sendEvent(w->Memo1, &in);
  EXPECT_EQ(layouts->activeLayoutName(), kUs);
  EXPECT_FALSE(form->IsQuickEditActive());
}

TEST_F(QuickEdit, ClosingTheLastDocumentSwitchesTheDocumentCommandsOff) {
  TWorkForm* w = docWith("abc");
  EXPECT_EQ(field(), QStringLiteral("abc"));
  w->Memo1->setModified(false);
  ASSERT_TRUE(closeDoc(w));
  EXPECT_FALSE(form->Action(QStringLiteral("N2"))->isEnabled());
  EXPECT_FALSE(form->PaletteButton(QStringLiteral("SpeedButton9"))->isEnabled());
  EXPECT_TRUE(field().isEmpty());
  EXPECT_FALSE(form->Edit1->isEnabled());
}

}  // namespace
