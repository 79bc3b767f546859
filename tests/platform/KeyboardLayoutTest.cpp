// Names of X11 keyboard groups as the program's layout names.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/KeyboardLayout.h"

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

TEST(KeyboardLayout, WithoutAnX11DisplayNothingIsReportedOrSwitched) {
  // The test programs run on the offscreen platform: no layout can be read.
  ASSERT_NE(QGuiApplication::platformName(), QStringLiteral("xcb"));
  qm::KeyboardLayouts& layouts = qm::keyboardLayouts();
  EXPECT_TRUE(layouts.activeLayoutName().isEmpty());
  layouts.activateNextLayout();
  EXPECT_TRUE(layouts.activeLayoutName().isEmpty());
}

}  // namespace
