// The splash / about window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QToolBar>
#include <memory>

#include "app/About_F.h"
#include "app/Html_U.h"
#include "support/TempSettings.h"

namespace {

struct Start {
  qmtest::TempSettings ts;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TAbout_Form> splash;
  explicit Start(const char* ee = nullptr) {
    if (ee) ts.store().writeString(QStringLiteral("EE"), QString::fromLatin1(ee));
    form = std::make_unique<TForm1>(ts.store());
    splash = std::make_unique<TAbout_Form>(*form);
  }
  QString storedEE() const {
    qm::SettingsStore s = ts.reopen();
    return s.contains(QStringLiteral("EE")) ? s.readString(QStringLiteral("EE"), {}) : QStringLiteral("<unset>");
  }
  // The one picture shown, 1 or 4..7; 0 when none or several.
  int shownPicture() const {
    int shown = 0;
    for (int n : {1, 4, 5, 6, 7}) {
      if (splash->Image(n)->isHidden()) continue;
      if (shown) return 0;
      shown = n;
    }
    return shown;
  }
};

TEST(Splash, PictureCounterRotatesThroughFourStarts) {
  // stored: nullptr when never written
  struct Row { const char* stored; int picture; const char* after; };
  const Row rows[] = {{nullptr, 1, "<unset>"}, {"0", 1, "0"}, {"1", 4, "2"}, {"4", 7, "0"}, {"9", 1, "0"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.stored ? r.stored : "none");
    Start s(r.stored);
    EXPECT_EQ(s.shownPicture(), r.picture);
    EXPECT_EQ(s.storedEE(), QString::fromLatin1(r.after));
  }
}

TEST(Splash, ShownAtStartAndClosedByItsTimer) {
  Start s;
  TAbout_Form& w = *s.splash;
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(w.Timer1->isActive());
  ASSERT_TRUE(s.form->ToolBar1->isHidden());
  w.Timer1Timer();
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(s.form->ToolBar1->isHidden());
  // The about command shows it again.
  s.form->Action(QStringLiteral("N25"))->trigger();
  EXPECT_TRUE(w.isVisible());
  s.splash.reset();
  s.form->Action(QStringLiteral("N25"))->trigger();  // without a splash: nothing
}


}  // namespace
