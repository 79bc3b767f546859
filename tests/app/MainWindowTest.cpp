// The main window: settings read at start and written at close, the command
// components and their state, docking, the window commands.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <memory>
#include <vector>

#include "app/Html_U.h"
#include "hebrew/HebEdit.h"
#include "support/TempSettings.h"

namespace {

const QString kUnset = QStringLiteral("<unset>");

// A main window on a settings store of its own, optionally with values
// stored before it starts.
struct Shell {
  qmtest::TempSettings ts;
  std::unique_ptr<TForm1> form;

  explicit Shell(std::vector<std::pair<QString, QString>> preset = {}) {
    for (const auto& [name, value] : preset) ts.store().writeString(name, value);
    form = std::make_unique<TForm1>(ts.store());
  }
  // The value as the next start of the program would read it.
  QString stored(const QString& name) const {
    qm::SettingsStore s = ts.reopen();
    return s.contains(name) ? s.readString(name, {}) : kUnset;
  }
  QAction* action(const char* name) const { return form->Action(QString::fromLatin1(name)); }
  void showAndSettle() {
    form->show();
    QApplication::processEvents();
  }
};

TEST(MainWindow, FirstRunDefaults) {
  Shell s;
  TForm1& f = *s.form;
  EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(f.toolBarArea(f.ToolBar1), Qt::TopToolBarArea);
  for (const char* item : {"N30", "N23", "N38", "N44", "N24", "ISO1"}) EXPECT_TRUE(s.action(item)->isChecked()) << item;
  EXPECT_EQ(f.Editor(), qm::EditorSettings{});
  EXPECT_EQ(s.stored(QStringLiteral("EXECDIR")), QDir::currentPath());
  // Reading the settings wrote nothing but the start-up folder.
  for (const char* name : {"MainWinMax", "QuickEdit", "FontSize", "EE"})
    EXPECT_EQ(s.stored(QString::fromLatin1(name)), kUnset) << name;
}

TEST(MainWindow, StoredSettingsAreApplied) {
  // A font size that is not a number reads the default.
  for (const auto& [stored, size] : {std::pair{"10", 10}, std::pair{"big", 8}}) {
    Shell s({{QStringLiteral("FontSize"), QString::fromLatin1(stored)}});
    EXPECT_EQ(s.form->Editor().FontSize, size) << stored;
  }
  Shell s({{"ToolBar1", "1"}, {"TextColor", "1193046"}});  // 0x123456
  EXPECT_EQ(s.form->toolBarArea(s.form->ToolBar1), Qt::BottomToolBarArea);
  EXPECT_EQ(s.form->Editor().TextColor, 0x123456u);
  // A width that is not a number reads the default too; stored geometry: the close test.
  Shell g({{"MainWinMax", "0"}, {"MainWidth", "wide"}});
  EXPECT_EQ(g.form->width(), g.form->screen()->geometry().width() / 2);
}

TEST(MainWindow, GeometryWrittenOnClose) {
  {
    Shell s({{QStringLiteral("MainWinMax"), QStringLiteral("0")}});
    s.showAndSettle();
    s.form->setGeometry(QRect(61, 52, 530, 410));
    QApplication::processEvents();
    const QRect g(s.form->pos(), s.form->size());
    ASSERT_TRUE(s.form->close());
    // The next start puts the window, not maximized, where it was.
    qm::SettingsStore again = s.ts.reopen();
    TForm1 next(again);
    EXPECT_EQ(QRect(next.pos(), next.size()), g);
  }
  {
    Shell s({{QStringLiteral("MainTop"), QStringLiteral("77")}});
    s.showAndSettle();
    s.action("N10")->trigger();  // Exit
    EXPECT_EQ(s.stored(QStringLiteral("MainWinMax")), QStringLiteral("1"));
    EXPECT_EQ(s.stored(QStringLiteral("MainTop")), QStringLiteral("77"));
    EXPECT_EQ(s.stored(QStringLiteral("MainWidth")), kUnset);
  }
}

// A document window whose owner refuses to close it (its save question was
// cancelled).
class StubbornWindow : public QWidget {
 protected:
  void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

TEST(MainWindow, ClosingStopsWhileADocumentStaysOpen) {
  Shell s;
  s.showAndSettle();
  s.form->mdiArea()->addSubWindow(new StubbornWindow)->show();
  EXPECT_FALSE(s.form->close());
  EXPECT_EQ(s.stored(QStringLiteral("MainWinMax")), kUnset);
}

// ---- Command state -------------------------------------------------------------

// Switched on by a document: the command walk presses the document commands; off again when
// the last one closes: the quick edit tests.
TEST(MainWindow, OnlyTheDocumentCommandsStartOff) {
  Shell s;
  TForm1& f = *s.form;
  for (const char* n : {"N2", "N32", "N4", "N48", "ToolButton9", "ToolButton15"}) EXPECT_FALSE(s.action(n)->isEnabled()) << n;
  for (const char* n : {"N6", "N3", "N45", "ToolButton1"}) EXPECT_TRUE(s.action(n)->isEnabled()) << n;
  EXPECT_FALSE(f.PaletteButton(QStringLiteral("SpeedButton9"))->isEnabledTo(f.PageControl1));
  // The script library keeps its own state.
  EXPECT_TRUE(f.PaletteButton(QStringLiteral("SpeedButton35"))->isEnabledTo(f.PageControl1));
}

TEST(MainWindow, RecentMenuShowsTheStoredSlots) {
  {
    Shell s({{"RecentFile1", "/tmp/a.htm"}, {"RecentFile2", "-"}});
    EXPECT_TRUE(s.action("N43")->isEnabled());
    EXPECT_EQ(s.action("R1")->text(), QStringLiteral("/tmp/a.htm"));
    EXPECT_TRUE(s.action("R2")->isSeparator());
    EXPECT_FALSE(s.action("R3")->isVisible());
  }
  {
    Shell s({{QStringLiteral("RecentFile2"), QStringLiteral("/tmp/b.htm")}});
    EXPECT_FALSE(s.action("N43")->isEnabled());
  }
}

// N30 hiding the quick-edit bar: the quick edit tests.
TEST(MainWindow, CheckItemsWriteTheirSettings) {
  const std::pair<const char*, const char*> rows[] = {
      {"N30", "QuickEdit"}, {"N23", "IncludePathName"}, {"N44", "TextIndentation"}};
  for (const auto& [item, setting] : rows) {
    Shell s;
    s.action(item)->trigger();
    EXPECT_EQ(s.stored(QString::fromLatin1(setting)), QStringLiteral("0")) << item;
    s.action(item)->trigger();
    EXPECT_EQ(s.stored(QString::fromLatin1(setting)), QStringLiteral("1")) << item;
  }
}

TEST(MainWindow, BarsDockAtTheEdgeNearestTheDropPoint) {
  Shell s({{"MainWinMax", "0"}, {"MainTop", "100"}, {"MainLeft", "10"}, {"MainHeight", "400"}, {"MainWidth", "600"}});
  TForm1& f = *s.form;
  s.showAndSettle();
  const QRect frame = f.frameGeometry();
  const int middle = frame.top() + frame.height() / 2;
  // dy: drop point relative to the middle
  struct Row { bool toolBar; int dy; Qt::ToolBarArea area; const char* stored; };
  const Row rows[] = {{true, 0, Qt::BottomToolBarArea, "1"},
                      {true, -1, Qt::TopToolBarArea, "0"},
                      {false, -40, Qt::TopToolBarArea, "0"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.toolBar ? "ToolBar1 " : "Panel2 ") + std::to_string(r.dy));
    QToolBar* bar = r.toolBar ? f.ToolBar1 : f.Panel2;
    f.DockBar(bar, QPoint(frame.left() + 20, middle + r.dy));
    EXPECT_EQ(f.toolBarArea(bar), r.area);
    EXPECT_EQ(s.stored(QStringLiteral("ToolBar1")), QString::fromLatin1(r.stored));
  }
}

// ---- Window commands ---------------------------------------------------------------

TEST(MainWindow, WindowCommandsArrangeAndWalkTheDocuments) {
  Shell s;
  s.showAndSettle();
  QMdiArea* mdi = s.form->mdiArea();
  std::vector<QMdiSubWindow*> docs;
  for (int i = 0; i < 3; ++i) {
    docs.push_back(mdi->addSubWindow(new QWidget));
    docs.back()->show();
  }
  mdi->setActiveSubWindow(docs[0]);
  const QRect area = mdi->viewport()->rect();
  s.form->runCommand(QStringLiteral("N15"));  // one above the other
  int covered = 0;
  for (QMdiSubWindow* w : docs) {
    EXPECT_EQ(w->geometry().width(), area.width());
    EXPECT_EQ(w->geometry().top(), covered);
    covered += w->geometry().height();
  }
  EXPECT_EQ(covered, area.height());

  // "Previous window" (N17) moves forward in the list, "next window" (N16) back.
  mdi->setActiveSubWindow(docs[0]);
  s.form->runCommand(QStringLiteral("N17"));
  EXPECT_EQ(mdi->activeSubWindow(), docs[1]);
  s.form->runCommand(QStringLiteral("ToolButton15"));  // next window
  EXPECT_EQ(mdi->activeSubWindow(), docs[0]);
}

}  // namespace
