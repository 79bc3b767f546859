// The right-to-left control classes.
#include <gtest/gtest.h>

#include <functional>

#include "hebrew/HebEdit.h"
#include "hebrew/HebGroupBox.h"
#include "hebrew/HebLabel.h"
#include "hebrew/HebMainMenu.h"
#include "hebrew/HebMemo.h"
#include "hebrew/HebRadioButton.h"

namespace {

TEST(HebControls, ReadRightToLeftInsideALeftToRightParent) {
  struct Row {
    const char* className;
    std::function<QWidget*(QWidget*)> make;
  };
  const Row rows[] = {
      {"THebMainMenu", [](QWidget* p) { return new THebMainMenu(p); }},
      {"THebEdit", [](QWidget* p) { return new THebEdit(QStringLiteral("שלום"), p); }},
      {"THebMemo", [](QWidget* p) { return new THebMemo(p); }},
      {"THebLabel", [](QWidget* p) { return new THebLabel(QStringLiteral("תווית"), p); }},
      {"THebGroupBox", [](QWidget* p) { return new THebGroupBox(QStringLiteral("קבוצה"), p); }},
      {"THebRadioButton", [](QWidget* p) { return new THebRadioButton(QStringLiteral("בחירה"), p); }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.className);
    QWidget parent;
    parent.setLayoutDirection(Qt::LeftToRight);
    QWidget* w = r.make(&parent);
    EXPECT_STREQ(w->metaObject()->className(), r.className);
    EXPECT_EQ(w->layoutDirection(), Qt::RightToLeft);
  }
}

}  // namespace
