// Names of X11 keyboard groups as the program's layout names, and the
// language switches over a fake set of layouts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include "platform/KeyboardLayout.h"
#include "support/FakeKeyboardLayouts.h"

namespace {

TEST(KeyboardLayout, XkbGroupNamesMapToUsEnglishAndHebrew) {
  struct Case { const char* group; const char* expected; };
  const Case cases[] = {
      {"English (US)", "00000409"}, {"us(intl)", "00000409"}, {"Hebrew (lyx)", "0000040d"}, {"il", "0000040d"},
      // Other layouts keep their own names, so neither language switch acts on them.
      {"English (UK)", "English (UK)"}, {"usb", "usb"}, {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(qm::layoutNameForXkbGroup(c.group), QString::fromUtf8(c.expected)) << c.group;
}

// The language switches act only from the other language, and a field switches
// as the focus enters and leaves it, unless the focus came or went with the
// whole window or a popup menu.
TEST(KeyboardLayout, SwitchesOnlyFromTheOtherLanguageAndOnRealFocusChanges) {
  const QString us = QStringLiteral("00000409"), he = QStringLiteral("0000040d"), fr = QStringLiteral("0000040c");
  qmtest::FakeLayoutsInstalled layouts({}, 0);
  QLineEdit field;
  qm::switchLanguageOnFocus(&field, qm::Language::Hebrew, qm::Language::English);
  QLineEdit keeps;
  qm::switchLanguageOnFocus(&keeps, qm::Language::English, qm::Language::Keep);
  enum Act { Hebrew, English, In, Out, KeepsIn, KeepsOut };
  struct Case { std::vector<QString> installed; std::size_t active; Act act; Qt::FocusReason reason; QString after; };
  const Case cases[] = {
      {{us, he}, 0, Hebrew, {}, he},
      {{us, he}, 1, Hebrew, {}, he},
      {{us, he}, 1, English, {}, us},
      {{us, fr, he}, 0, Hebrew, {}, fr},  // "next", whichever it is
      {{fr, us, he}, 0, English, {}, fr},
      {{us, he}, 0, In, Qt::TabFocusReason, he},
      {{us, he}, 1, Out, Qt::MouseFocusReason, us},
      {{us, he}, 0, In, Qt::ActiveWindowFocusReason, us},
      {{us, he}, 1, Out, Qt::PopupFocusReason, he},
      {{us, he}, 1, KeepsIn, Qt::TabFocusReason, us},
      {{us, he}, 1, KeepsOut, Qt::TabFocusReason, he},
  };
  for (const Case& c : cases) {
    layouts->installed = c.installed;
    layouts->active = c.active;
    if (c.act == Hebrew) qm::SetHebrew();
    if (c.act == English) qm::SetEnglish();
    if (c.act >= In) {
      QFocusEvent e(c.act == In || c.act == KeepsIn ? QEvent::FocusIn : QEvent::FocusOut, c.reason);
      QApplication::sendEvent(c.act <= Out ? &field : &keeps, &e);
    }
    EXPECT_EQ(layouts->activeLayoutName(), c.after) << c.active << " act " << c.act << " reason " << c.reason;
  }
}

}  // namespace
