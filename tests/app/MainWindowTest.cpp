// The main window: settings read at start and written at close, the command
// components and their state, docking, the window commands.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <functional>
#include <memory>
#include <vector>

#include "app/Html_U.h"
#include "hebrew/HebEdit.h"
#include "hebrew/HebMainMenu.h"
#include "platform/Shell.h"
#include "support/ScriptedPrompts.h"
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

QRect screenRect(const TForm1& f) { return f.screen()->geometry(); }

TEST(MainWindow, FirstRunDefaults) {
  Shell s;
  TForm1& f = *s.form;
  EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
  EXPECT_FALSE(s.action("N43")->isEnabled());
  EXPECT_EQ(f.toolBarArea(f.ToolBar1), Qt::TopToolBarArea);
  for (const char* item : {"N30", "N23", "N38", "N44", "N24", "ISO1"}) {
    SCOPED_TRACE(item);
    EXPECT_TRUE(s.action(item)->isChecked());
  }
  EXPECT_FALSE(s.action("N50")->isChecked());
  EXPECT_FALSE(f.Panel2->isHidden());
  EXPECT_EQ(f.RtfColorTable,
            "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red112\\green112\\blue112;"
            "\\red0\\green0\\blue0;}");
  EXPECT_EQ(f.FontSize, QStringLiteral("16"));
  EXPECT_EQ(f.EnglishFont, QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(f.HebrewFont, QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(f.RefreshEveryXChrs, 60);
  EXPECT_TRUE(f.WinMax);
  EXPECT_EQ(s.stored(QStringLiteral("EXECDIR")), QDir::currentPath());
  EXPECT_FALSE(f.PageControl1->isEnabled());
  EXPECT_TRUE(f.ToolBar1->isHidden());  // until the splash closes
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Quillmark V1.50 - עורך היפר טקסט עברי"));
  EXPECT_EQ(f.layoutDirection(), Qt::RightToLeft);
  // Reading the settings wrote nothing but the start-up folder.
  for (const char* name : {"MainWinMax", "QuickEdit", "ToolBar1", "FontSize", "UseColorCode", "EE"})
    EXPECT_EQ(s.stored(QString::fromLatin1(name)), kUnset) << name;
}

TEST(MainWindow, StoredSettingsAreApplied) {
  struct Row {
    const char* name;
    const char* value;
    std::function<void(Shell&)> check;
  };
  const Row rows[] = {
      {"FontSize", "10", [](Shell& s) { EXPECT_EQ(s.form->FontSize, QStringLiteral("20")); }},
      {"FontSize", "big", [](Shell& s) { EXPECT_EQ(s.form->FontSize, QStringLiteral("16")); }},
      {"QuickEdit", "0",
       [](Shell& s) {
         EXPECT_FALSE(s.action("N30")->isChecked());
         EXPECT_TRUE(s.form->Panel2->isHidden());
       }},
      {"IncludePathName", "0", [](Shell& s) { EXPECT_FALSE(s.action("N23")->isChecked()); }},
      {"UseColorCode", "0", [](Shell& s) { EXPECT_FALSE(s.action("N38")->isChecked()); }},
      {"TextIndentation", "0", [](Shell& s) { EXPECT_FALSE(s.action("N44")->isChecked()); }},
      {"ToolBar1", "1",
       [](Shell& s) {
         EXPECT_EQ(s.form->toolBarArea(s.form->ToolBar1), Qt::BottomToolBarArea);
         EXPECT_EQ(s.form->toolBarArea(s.form->Panel2), Qt::TopToolBarArea);
       }},
      {"WinMax", "0", [](Shell& s) { EXPECT_FALSE(s.form->WinMax); }},
      {"RefreshEveryXChrs", "25", [](Shell& s) { EXPECT_EQ(s.form->RefreshEveryXChrs, 25); }},
      {"HebrewFont", "David CLM", [](Shell& s) { EXPECT_EQ(s.form->HebrewFont, QStringLiteral("David CLM")); }},
      {"TagColor", "255",  // red
       [](Shell& s) {
         EXPECT_NE(s.form->RtfColorTable.find(";\\red255\\green0\\blue0;\\red112"), std::string::npos)
             << s.form->RtfColorTable;
       }},
      {"TextColor", "1193046",  // 0x123456: red 0x56, green 0x34, blue 0x12
       [](Shell& s) {
         EXPECT_NE(s.form->RtfColorTable.find(";\\red86\\green52\\blue18;}"), std::string::npos)
             << s.form->RtfColorTable;
       }},
      {"MemoBackground", "65280", [](Shell& s) { EXPECT_EQ(s.form->MemoBackground, 0x00FF00u); }},
      {"MainWinMax", "0", [](Shell& s) { EXPECT_FALSE(s.form->windowState() & Qt::WindowMaximized); }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.name) + "=" + r.value);
    Shell s({{QString::fromLatin1(r.name), QString::fromUtf8(r.value)}});
    r.check(s);
  }
}

TEST(MainWindow, GeometryReadWhenNotMaximized) {
  struct Row {
    const char* width;
    const char* top;
    const char* left;
    const char* height;
  };
  const Row rows[] = {{"500", "40", "50", "300"}, {"wide", "40", "50", "300"}, {"", "", "", ""}, {"520", "", "", ""}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.width) + "," + r.top + "," + r.left + "," + r.height);
    std::vector<std::pair<QString, QString>> preset{{QStringLiteral("MainWinMax"), QStringLiteral("0")}};
    auto put = [&](const char* name, const char* v) {
      if (*v) preset.emplace_back(QString::fromLatin1(name), QString::fromLatin1(v));
    };
    put("MainWidth", r.width);
    put("MainTop", r.top);
    put("MainLeft", r.left);
    put("MainHeight", r.height);
    Shell s(preset);
    const QRect screen = screenRect(*s.form);
    bool numeric = false;
    int width = QString::fromLatin1(r.width).toInt(&numeric);
    if (!numeric) width = screen.width() / 2;
    const int top = *r.top ? QString::fromLatin1(r.top).toInt() : (screen.height() - 445) / 2;
    const int left = *r.left ? QString::fromLatin1(r.left).toInt() : (screen.width() - width) / 2;
    const int height = *r.height ? QString::fromLatin1(r.height).toInt() : screen.height() / 2;
    EXPECT_EQ(s.form->width(), width);
    EXPECT_EQ(s.form->height(), height);
    EXPECT_EQ(s.form->x(), left);
    EXPECT_EQ(s.form->y(), top);
  }
}

TEST(MainWindow, GeometryWrittenOnClose) {
  {
    Shell s({{QStringLiteral("MainWinMax"), QStringLiteral("0")}});
    s.showAndSettle();
    s.form->setGeometry(QRect(61, 52, 530, 410));
    QApplication::processEvents();
    const QRect g(s.form->pos(), s.form->size());
    ASSERT_TRUE(s.form->close());
    EXPECT_EQ(s.stored(QStringLiteral("MainWinMax")), QStringLiteral("0"));
    EXPECT_EQ(s.stored(QStringLiteral("MainLeft")), QString::number(g.x()));
    EXPECT_EQ(s.stored(QStringLiteral("MainTop")), QString::number(g.y()));
    EXPECT_EQ(s.stored(QStringLiteral("MainWidth")), QString::number(g.width()));
    EXPECT_EQ(s.stored(QStringLiteral("MainHeight")), QString::number(g.height()));
    // The next start puts the window where it was.
    qm::SettingsStore again = s.ts.reopen();
    TForm1 next(again);
    EXPECT_EQ(QRect(next.pos(), next.size()), g);
  }
  {
    Shell s({{QStringLiteral("MainTop"), QStringLiteral("77")}});
    s.showAndSettle();
    ASSERT_TRUE(s.form->isMaximized());
    s.action("N10")->trigger();  // Exit
    EXPECT_FALSE(s.form->isVisible());
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
  EXPECT_TRUE(s.form->isVisible());
  EXPECT_EQ(s.stored(QStringLiteral("MainWinMax")), kUnset);
}

TEST(MainWindow, ClosingRemovesThePreviewFile) {
  QTemporaryDir dir;
  const QString old = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  auto& prompts = qmtest::ScriptedPrompts::install();
  {
    Shell s;
    QFile preview(dir.filePath(QStringLiteral("preview.tmp")));
    ASSERT_TRUE(preview.open(QIODevice::WriteOnly));
    preview.write("<html>old preview</html>");
    preview.close();
    EXPECT_TRUE(s.form->close());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("preview.tmp"))));
    EXPECT_TRUE(prompts.calls.empty());
  }
  QDir::setCurrent(old);
}

// ---- Components -------------------------------------------------------------

std::vector<QString> words(const char* list) {
  std::vector<QString> out;
  for (const QString& w : QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts)) out.push_back(w);
  return out;
}

TEST(MainWindow, MenusHoldTheirItemsRightToLeft) {
  Shell s;
  const std::pair<const char*, const char*> menus[] = {
      {"N1", "N6 N3 N4 N5 FTP1 FTP2 N10 N43 N45"}, {"N2", "N7 N8 N9 N20 N12 N19 N35 N37"},
      {"N13", "N14 N15 N18 N16 N17 N21 N30 N52"},  {"N22", "N23 N24 N38 N44"},
      {"N46", "N47 N48 N53"},                      {"N53", "ISO1 N50"},
      {"N32", "N33 N34 NCIE1"},                    {"N39", "FTP3 N41 N40 N42"},
      {"N11", "N25 N26"},                          {"N43", "R1 R2 R3 R4 R5"},
      {"PopupMenu1", "H11 H61"},                   {"PopupMenu2", "includefile1 N54 If1 EndIf1"},
      {"PopupMenu3", "includefile2 execcgi1 label1 goto1 break1"},
      {"PopupMenu5", "MenuItem31 MenuItem32 MenuItem33 MenuItem34 MenuItem35"},
      {"PopupMenu4", "ALLHTTP1 REMOTEADDR1 URL1"}, {"PopupMenu6", "MenuItem1 MenuItem30"},
  };
  for (const auto& [menuName, items] : menus) {
    SCOPED_TRACE(menuName);
    QMenu* menu = s.form->SubMenu(QString::fromLatin1(menuName));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->layoutDirection(), Qt::RightToLeft);
    for (const QString& name : words(items)) {
      QAction* a = s.action(name.toLatin1().constData());
      ASSERT_NE(a, nullptr) << name.toStdString();
      EXPECT_EQ(a, s.form->findChild<QAction*>(name));
      EXPECT_TRUE(menu->actions().contains(a)) << name.toStdString();
    }
  }
  const std::pair<const char*, int> sizes[] = {{"PopupMenu1", 6}, {"PopupMenu2", 5}, {"PopupMenu3", 5},
                                               {"PopupMenu4", 28}, {"PopupMenu5", 5}, {"PopupMenu6", 30}};
  for (const auto& [menu, n] : sizes) EXPECT_EQ(s.form->SubMenu(QString::fromLatin1(menu))->actions().size(), n) << menu;

  // A sample of captions (punctuation, trailing spaces, backslashes, markup) and shortcuts.
  struct Sample {
    const char* name;
    const char* caption;
    const char* shortcut;
  };
  for (const Sample& r : {Sample{"N6", "מסמך חדש", "Ctrl+N"}, Sample{"N3", "פתיחה", "Ctrl+O"}, Sample{"N4", "שמור", "Ctrl+S"},
                          Sample{"N20", "בחר הכל", "Ctrl+A"}, Sample{"N19", "חפש", "Ctrl+F"},
                          Sample{"N16", "החלון הבא", "Alt+N"}, Sample{"N10", "יציאה", "Alt+X"}, Sample{"N7", "העתק ", ""},
                          Sample{"N12", "בטל", "Ctrl+Z"}, Sample{"N37", "לך לשורה...", ""},
                          Sample{"N17", "החלון הקודם", "Alt+P"}, Sample{"N52", "תצוגת עמוד\\מקור", "F11"},
                          Sample{"N48", "ערוך עברית", "F12"}, Sample{"NCIE1", "המרת עברית IE<-NS", ""},
                          Sample{"FTP3", "חיבור ל FTP ", ""}, Sample{"N46", "ע&ברית", ""},
                          Sample{"includefile1", "<!--#include file=\"...\"-->", ""}, Sample{"N54", "<%=...  %>", ""},
                          Sample{"MenuItem32", "<? include (\"\"); ?>", ""}, Sample{"H61", "H6", ""}}) {
    EXPECT_EQ(s.action(r.name)->text(), QString::fromUtf8(r.caption)) << r.name;
    EXPECT_EQ(s.action(r.name)->shortcut(), QKeySequence(QString::fromLatin1(r.shortcut))) << r.name;
  }
  EXPECT_EQ(s.form->SubMenu(QStringLiteral("PopupMenu2"))->actions().first()->text(), QStringLiteral("<%...%>"));
  EXPECT_EQ(s.action("N23")->toolTip(), QStringLiteral("האם יבוצע הוספה של שם נתיב מלא לקבצים"));

  // The menu bar, right to left, in order.
  auto* bar = s.form->findChild<THebMainMenu*>(QStringLiteral("HebMainMenu1"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(s.form->menuBar(), bar);
  EXPECT_EQ(bar->layoutDirection(), Qt::RightToLeft);
  QStringList names;
  for (QAction* a : bar->actions()) names << a->objectName();
  EXPECT_EQ(names, QStringList({"N1", "N2", "N13", "N22", "N46", "N32", "N39", "N11"}));
}

QTabWidget* palette(const Shell& s) { return s.form->findChild<QTabWidget*>(QStringLiteral("PageControl1")); }

QList<QAbstractButton*> paletteButtons(const Shell& s) {
  QList<QAbstractButton*> all;
  for (int i = 0; i < palette(s)->count(); ++i) all += palette(s)->widget(i)->findChildren<QAbstractButton*>();
  return all;
}

TEST(MainWindow, PaletteButtonsSitOnTheirPages) {
  Shell s;
  QTabWidget* pc = palette(s);
  ASSERT_NE(pc, nullptr);
  EXPECT_EQ(pc->layoutDirection(), Qt::RightToLeft);
  const char* const pages[] = {
      "SpeedButton6 SpeedButton34 LinkB ImageB BrB SpeedButton1 SpeedButton2 SpeedButton3 SpeedButton4 SpeedButton5 "
      "SpeedButton29 SpeedButton12 SpeedButton7 SpeedButton30 MailB",
      "SpeedButton8 SpeedButton9 SpeedButton10 SpeedButton11 SpeedButton33",
      "SpeedButton13 SpeedButton14 SpeedButton15 SpeedButton16 SpeedButton17 SpeedButton18 SpeedButton19 "
      "SpeedButton20 SpeedButton21",
      "SpeedButton22 SpeedButton23 SpeedButton24 SpeedButton25 SpeedButton26 SpeedButton27",
      "SpeedButton31 SpeedButton32",
      "SpeedButton35 SpeedButton28 SpeedButton37 SpeedButton38 SpeedButton39 SpeedButton40 SpeedButton36"};
  ASSERT_EQ(pc->count(), 6);
  EXPECT_EQ(pc->tabText(0), QStringLiteral("בסיסי"));
  EXPECT_EQ(pc->tabText(5), QStringLiteral("סקריפט"));
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const auto names = words(pages[i]);
    EXPECT_EQ(pc->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    const auto onPage = pc->widget(i)->findChildren<QAbstractButton*>();
    EXPECT_EQ(onPage.size(), static_cast<qsizetype>(names.size()));  // no other buttons
    for (const QString& name : names) {
      QAbstractButton* b = s.form->PaletteButton(name);
      ASSERT_NE(b, nullptr) << name.toStdString();
      EXPECT_EQ(b, s.form->findChild<QAbstractButton*>(name));
      EXPECT_EQ(b->parentWidget(), pc->widget(i)) << name.toStdString();
    }
    for (QAbstractButton* b : onPage) {
      EXPECT_EQ(b->size(), QSize(26, 26));
      if (b->text().isEmpty()) {
        EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
      }
    }
  }
  struct Sample {
    const char* name;
    const char* hint;
    const char* caption;
  };
  for (const Sample& r : {Sample{"BrB", "שורה חדשה", "BR"}, Sample{"SpeedButton29", "סימנים מיוחדים", "#"},
                          Sample{"SpeedButton33", "", "H"}, Sample{"SpeedButton18", "SCROLLING=\"\"", "SC"},
                          Sample{"SpeedButton20", "<BASE TARGET=\"\">", "BAS"},
                          Sample{"SpeedButton28", "JavaScript אשף ", ""}, Sample{"SpeedButton36", "תגיות נפוצות", "php"},
                          Sample{"SpeedButton6", "אשף עיצוב גוף המסמך", ""}}) {
    QAbstractButton* b = s.form->PaletteButton(QString::fromLatin1(r.name));
    EXPECT_EQ(b->toolTip(), QString::fromUtf8(r.hint)) << r.name;
    EXPECT_EQ(b->text(), QString::fromUtf8(r.caption)) << r.name;
  }
}

TEST(MainWindow, ToolBarHoldsItsButtonsInOrder) {
  Shell s;
  QToolBar* tb = s.form->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
  ASSERT_NE(tb, nullptr);
  EXPECT_EQ(tb->windowTitle(), QStringLiteral("סרגל כלים"));
  QStringList names;
  for (QAction* a : tb->actions()) {
    QWidget* w = tb->widgetForAction(a);
    names << (a->isSeparator() ? QStringLiteral("-") : w && qobject_cast<QLabel*>(w) ? w->objectName() : a->objectName());
  }
  EXPECT_EQ(names.join(' '), QStringLiteral("ToolButton1 ToolButton2 ToolButton3 - ToolButton5 ToolButton6 ToolButton7 - "
                                            "ToolButton9 - ToolButton11 ToolButton12 ToolButton16 - ToolButton14 "
                                            "ToolButton15 - - Label3"));
  EXPECT_EQ(s.action("ToolButton9")->toolTip(), QStringLiteral("בטל"));
  EXPECT_EQ(s.action("ToolButton12")->toolTip(), QStringLiteral("פרוש חלונות אופקית"));
  EXPECT_EQ(s.action("ToolButton14")->toolTip(), QStringLiteral("החלון הקודם"));
  EXPECT_TRUE(s.form->Label3->text().isEmpty());
  EXPECT_TRUE(s.form->Label3->font().bold());
  EXPECT_EQ(s.form->findChild<QLabel*>(QStringLiteral("Label2")), s.form->Label2);
  EXPECT_EQ(s.form->Label2->text(), QStringLiteral("עריכה מהירה"));
  EXPECT_EQ(s.form->findChild<THebEdit*>(QStringLiteral("Edit1")), s.form->Edit1);
  EXPECT_EQ(s.form->Edit1->layoutDirection(), Qt::RightToLeft);
}

// ---- Command state -------------------------------------------------------------

TEST(MainWindow, DocumentCommandsFollowSwitchMItems) {
  Shell s;
  TForm1& f = *s.form;
  const auto documentCommands = words("N2 N32 FTP1 N4 N5 N14 N15 N18 N16 N17 N52 N47 N48 ToolButton3 ToolButton5 "
                                      "ToolButton6 ToolButton7 ToolButton9 ToolButton11 ToolButton12 ToolButton16 "
                                      "ToolButton14 ToolButton15");
  const auto alwaysAvailable = words("N1 N6 N3 N10 N45 FTP2 N13 N21 N30 N22 N23 N46 N53 ISO1 N50 N39 FTP3 N41 N11 "
                                     "N25 N26 ToolButton1 ToolButton2");
  for (bool on : {false, true, false}) {
    SCOPED_TRACE(on ? "enabled" : "disabled");
    f.Edit1->setText(QStringLiteral("שורה"));
    f.SwitchMItems(on);
    for (const QString& n : documentCommands) EXPECT_EQ(f.Action(n)->isEnabled(), on) << n.toStdString();
    for (const QString& n : alwaysAvailable) EXPECT_TRUE(f.Action(n)->isEnabled()) << n.toStdString();
    // The palette itself is enabled with the first document; the script library keeps its own state.
    for (QAbstractButton* b : paletteButtons(s)) {
      const bool library = b->objectName() == QLatin1String("SpeedButton35");
      EXPECT_EQ(b->isEnabledTo(f.PageControl1), on || library) << b->objectName().toStdString();
    }
    EXPECT_EQ(f.Edit1->isEnabled(), on);
    EXPECT_EQ(f.Label2->isEnabled(), on);
    EXPECT_EQ(f.Edit1->text().isEmpty(), !on);
  }
}

TEST(MainWindow, RecentMenuShowsTheStoredSlots) {
  {
    Shell s({{"RecentFile1", "/tmp/a.htm"}, {"RecentFile2", "-"}, {"RecentFile4", "/tmp/d.htm"}});
    EXPECT_TRUE(s.action("N43")->isEnabled());
    struct Row {
      const char* item;
      const char* text;
      bool separator, visible;
    };
    const Row rows[] = {{"R1", "/tmp/a.htm", false, true},
                        {"R2", "-", true, true},
                        {"R3", "", false, false},
                        {"R4", "/tmp/d.htm", false, true},
                        {"R5", "", false, false}};
    for (const Row& r : rows) {
      SCOPED_TRACE(r.item);
      EXPECT_EQ(s.action(r.item)->text(), QString::fromLatin1(r.text));
      EXPECT_EQ(s.action(r.item)->isSeparator(), r.separator);
      EXPECT_EQ(s.action(r.item)->isVisible(), r.visible);
    }
    // An entry taken out later and the list shown again.
    s.form->RecentFiles[1] = QStringLiteral("-");
    s.form->RecentFiles[2] = QStringLiteral("/tmp/b.htm");
    s.form->RefreshRecentMenu();
    EXPECT_TRUE(s.action("R1")->isSeparator());
    EXPECT_FALSE(s.action("R2")->isSeparator());
    EXPECT_EQ(s.action("R2")->text(), QStringLiteral("/tmp/b.htm"));
  }
  {
    Shell s({{QStringLiteral("RecentFile2"), QStringLiteral("/tmp/b.htm")}});
    EXPECT_FALSE(s.action("N43")->isEnabled());
  }
}

TEST(MainWindow, CheckItemsWriteTheirSettings) {
  struct Row {
    const char* item;
    const char* setting;  // "" when the choice is not stored
  };
  const Row rows[] = {{"N30", "QuickEdit"}, {"N23", "IncludePathName"}, {"N44", "TextIndentation"},
                      {"N38", "UseColorCode"}, {"N24", ""}, {"N21", ""}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.item);
    Shell s;
    std::vector<bool> colourSignals;
    QObject::connect(s.form.get(), &TForm1::ColorCodeToggled, [&](bool on) { colourSignals.push_back(on); });
    QAction* a = s.action(r.item);
    const bool before = a->isChecked();
    for (int round = 0; round < 2; ++round) {
      a->trigger();
      const bool now = a->isChecked();
      EXPECT_EQ(now, round == 0 ? !before : before);
      if (*r.setting) {
        EXPECT_EQ(s.stored(QString::fromLatin1(r.setting)), now ? QStringLiteral("1") : QStringLiteral("0"));
      }
      if (QByteArray(r.item) == "N30") {
        EXPECT_EQ(s.form->Panel2->isHidden(), !now);
      }
    }
    const std::vector<bool> expectedSignals =
        QByteArray(r.item) == "N38" ? std::vector<bool>{false, true} : std::vector<bool>{};
    EXPECT_EQ(colourSignals, expectedSignals);
    // The tool bar and quick-edit switches follow the mark.
    if (QByteArray(r.item) == "N21") {
      a->trigger();
      EXPECT_TRUE(s.form->ToolBar1->isHidden());
      a->trigger();
      EXPECT_FALSE(s.form->ToolBar1->isHidden());
    }
  }
}

TEST(MainWindow, ViewMenuUnchecksTheBarsThatAreHidden) {
  Shell s;
  TForm1& f = *s.form;
  // The tool bar is hidden until the splash closes; its mark says so when the menu opens.
  ASSERT_TRUE(s.action("N21")->isChecked());
  emit f.SubMenu(QStringLiteral("N13"))->aboutToShow();
  EXPECT_FALSE(s.action("N21")->isChecked());
  EXPECT_TRUE(s.action("N30")->isChecked());
  f.ToolBar1->show();
  f.Panel2->hide();
  s.action("N21")->setChecked(true);
  emit f.SubMenu(QStringLiteral("N13"))->aboutToShow();
  EXPECT_TRUE(s.action("N21")->isChecked());
  EXPECT_FALSE(s.action("N30")->isChecked());
}

TEST(MainWindow, HebrewStandardItemsExcludeEachOther) {
  Shell s;
  s.action("N50")->trigger();
  EXPECT_TRUE(s.action("N50")->isChecked());
  EXPECT_FALSE(s.action("ISO1")->isChecked());
  s.action("ISO1")->trigger();
  EXPECT_TRUE(s.action("ISO1")->isChecked());
  EXPECT_FALSE(s.action("N50")->isChecked());
  s.action("ISO1")->trigger();  // clicking the checked one keeps it
  EXPECT_TRUE(s.action("ISO1")->isChecked());
}

TEST(MainWindow, BarsDockAtTheEdgeNearestTheDropPoint) {
  Shell s({{"MainWinMax", "0"}, {"MainTop", "100"}, {"MainLeft", "10"}, {"MainHeight", "400"}, {"MainWidth", "600"}});
  TForm1& f = *s.form;
  s.showAndSettle();
  const QRect frame = f.frameGeometry();
  const int middle = frame.top() + frame.height() / 2;
  struct Row {
    bool toolBar;
    int dy;  // drop point relative to the middle
    Qt::ToolBarArea area;
    const char* stored;
  };
  const Row rows[] = {{true, 5, Qt::BottomToolBarArea, "1"},  {true, -1, Qt::TopToolBarArea, "0"},
                      {true, 0, Qt::BottomToolBarArea, "1"},  {false, 40, Qt::BottomToolBarArea, "1"},
                      {false, -40, Qt::TopToolBarArea, "1"}, {true, -200, Qt::TopToolBarArea, "0"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.toolBar ? "ToolBar1 " : "Panel2 ") + std::to_string(r.dy));
    QToolBar* bar = r.toolBar ? f.ToolBar1 : f.Panel2;
    const bool hidden = bar->isHidden();
    f.DockBar(bar, QPoint(frame.left() + 20, middle + r.dy));
    EXPECT_EQ(f.toolBarArea(bar), r.area);
    EXPECT_EQ(bar->isHidden(), hidden);
    EXPECT_EQ(s.stored(QStringLiteral("ToolBar1")), QString::fromLatin1(r.stored));
  }
  // Letting go of a dragged bar below the middle settles it at the bottom.
  f.DockBar(f.ToolBar1, QPoint(frame.left() + 20, middle - 50));
  ASSERT_EQ(f.toolBarArea(f.ToolBar1), Qt::TopToolBarArea);
  const QPointF drop(frame.left() + 30, middle + 60);
  QMouseEvent release(QEvent::MouseButtonRelease, f.ToolBar1->mapFromGlobal(drop), drop, Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(f.ToolBar1, &release);
  QApplication::processEvents();
  EXPECT_EQ(f.toolBarArea(f.ToolBar1), Qt::BottomToolBarArea);
  EXPECT_EQ(s.stored(QStringLiteral("ToolBar1")), QStringLiteral("1"));
  // The palette stays at the top above everything.
  auto* palette = f.findChild<QToolBar*>(QStringLiteral("PaletteBar"));
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(f.toolBarArea(palette), Qt::TopToolBarArea);
  EXPECT_EQ(f.PageControl1->parentWidget(), palette);
}

// ---- Window commands ---------------------------------------------------------------

TEST(MainWindow, WindowCommandsArrangeAndWalkTheDocuments) {
  Shell s;
  s.showAndSettle();
  QMdiArea* mdi = s.form->mdiArea();
  std::vector<QMdiSubWindow*> docs;
  for (int i = 0; i < 3; ++i) {
    QMdiSubWindow* w = mdi->addSubWindow(new QWidget);
    w->setObjectName(QStringLiteral("doc%1").arg(i));
    w->show();
    docs.push_back(w);
  }
  mdi->setActiveSubWindow(docs[0]);
  const QRect area = mdi->viewport()->rect();

  struct Tile {
    const char* command;
    bool rows;
  };
  for (const Tile& t : {Tile{"N15", true}, Tile{"ToolButton16", false}, Tile{"ToolButton12", true}, Tile{"N18", false}}) {
    SCOPED_TRACE(t.command);
    s.form->runCommand(QString::fromLatin1(t.command));
    int covered = 0;
    for (QMdiSubWindow* w : docs) {
      const QRect g = w->geometry();
      if (t.rows) {
        EXPECT_EQ(g.width(), area.width());
        EXPECT_EQ(g.top(), covered);
        covered += g.height();
      } else {
        EXPECT_EQ(g.height(), area.height());
        EXPECT_EQ(g.left(), covered);
        covered += g.width();
      }
    }
    EXPECT_EQ(covered, t.rows ? area.height() : area.width());
  }

  s.form->runCommand(QStringLiteral("N14"));
  EXPECT_NE(docs[0]->pos(), docs[1]->pos());
  EXPECT_NE(docs[1]->pos(), docs[2]->pos());

  // "Previous window" (N17) moves forward in the list, "next window" (N16) back.
  mdi->setActiveSubWindow(docs[0]);
  s.form->runCommand(QStringLiteral("N17"));
  EXPECT_EQ(mdi->activeSubWindow(), docs[1]);
  s.form->runCommand(QStringLiteral("ToolButton14"));
  EXPECT_EQ(mdi->activeSubWindow(), docs[2]);
  s.form->runCommand(QStringLiteral("N16"));
  EXPECT_EQ(mdi->activeSubWindow(), docs[1]);
  s.form->runCommand(QStringLiteral("ToolButton15"));
  EXPECT_EQ(mdi->activeSubWindow(), docs[0]);
  mdi->closeAllSubWindows();
}

// ---- Command registry and shell commands ---------------------------------------------

TEST(MainWindow, CommandsRunTheHandlerRegisteredUnderTheirName) {
  Shell s;
  TForm1& f = *s.form;
  int ran = 0;
  EXPECT_FALSE(f.setCommand(QStringLiteral("NoSuchItem"), [&] { ++ran; }));
  EXPECT_FALSE(f.runCommand(QStringLiteral("NoSuchItem")));
  // Replacing a handler: the action, the palette button and a popup item run the new one.
  for (const char* n : {"N6", "SpeedButton9", "REMOTEADDR1", "MenuItem30", "H31"}) {
    SCOPED_TRACE(n);
    const QString name = QString::fromLatin1(n);
    ran = 0;
    ASSERT_TRUE(f.setCommand(name, [&] { ++ran; }));
    if (QAction* a = f.Action(name)) {
      a->setEnabled(true);
      a->trigger();
    } else {
      f.PaletteButton(name)->setEnabled(true);
      f.PageControl1->setEnabled(true);
      f.PaletteButton(name)->click();
    }
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(f.setCommand(name, {}));
    EXPECT_FALSE(f.hasCommand(name));
    EXPECT_FALSE(f.runCommand(name));
    EXPECT_EQ(ran, 1);
  }
}

TEST(MainWindow, SiteAndHelpCommandsUseTheShell) {
  Shell s;
  QStringList urls;
  std::vector<int> topics;
  qm::setUrlOpener([&](const QString& u) { urls << u; });
  qm::setHelpViewer([&](int t) { topics.push_back(t); });
  s.action("N41")->trigger();
  s.action("N40")->trigger();
  s.action("N26")->trigger();
  EXPECT_EQ(urls, QStringList({QString::fromLatin1(SiteAddress), QString::fromLatin1(SiteAddress) + "/guides.htm"}));
  EXPECT_EQ(topics, std::vector<int>{0});
  qm::setUrlOpener([](const QString&) {});
  qm::setHelpViewer({});
}

}  // namespace
