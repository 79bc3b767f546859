// The keyboard of the main window and its tool windows, pressed as a user
// does (through the toolkit's shortcut handling): the command keys, and
// Escape in every wizard and tool window.
#include <QLineEdit>
#include <QTest>
#include <set>

#include "app/Goto_F.h"
#include "app/Help_F.h"
#include "app/Search_f.h"
#include "app/Update_F.h"
#include "editor/DocFixture.h"

namespace {

class Keyboard : public qmtest::DocFixture {
 protected:
  // Presses `keys` in the window that has the focus, as the user does.
  static void pressIn(QWidget* window, const QKeySequence& keys) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keySequence(target, keys);
    QApplication::processEvents();
  }
  std::set<QWidget*> shownWindows() const {
    std::set<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w != form.get()) shown.insert(w);
    return shown;
  }
};

}  // namespace

TEST_F(Keyboard, CommandKeysReachTheirCommands) {
  TForm9* find = nullptr;
  const struct {
    const char* keys;
    std::function<bool(TWorkForm*)> reached;
  } rows[] = {
      {"Ctrl+G", [&](TWorkForm*) { return form->findChild<TForm17*>(QStringLiteral("Form17"))->isVisible(); }},
      {"Ctrl+H",
       [&](TWorkForm*) {
         find = form->findChild<TForm9*>(QStringLiteral("Form9"));
         return find && find->isVisible() && find->ReplaceMode();
       }},
      {"Ctrl+Shift+S", [&](TWorkForm*) { return prompts.texts("save").size() == 1; }},
      {"Ctrl+Y", [&](TWorkForm* w) { return w->DocText() == "<P>ab ab</P>!"; }},
      {"F3", [&](TWorkForm* w) { return w->Memo1->selStart() == 3 && w->Memo1->selLength() == 2; }},
      {"Ctrl+W", [&](TWorkForm*) { return documents() == 0; }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.keys);
    TWorkForm* w = docWith("<P>ab ab</P>", 12);
    type(w->Memo1, QStringLiteral("!"));
    w->RestoreUndoBuf();
    w->Memo1->setModified(false);
    w->Memo1->setSelStart(0);
    if (find) {
      find->hide();
      find->Edit1->setText(QStringLiteral("ab"));
    }
    prompts.files.push_back(std::nullopt);
    pressIn(form.get(), QKeySequence(QString::fromLatin1(r.keys)));
    EXPECT_TRUE(r.reached(w));
    prompts.files.clear();
    while (TWorkForm* open = form->AWForm()) {
      open->Memo1->setModified(false);
      ASSERT_TRUE(closeDoc(open));
    }
  }
  // No key runs two commands.
  std::set<QKeySequence> taken;
  for (QAction* a : form->findChildren<QAction*>())
    for (const QKeySequence& k : a->shortcuts()) EXPECT_TRUE(taken.insert(k).second) << k.toString().toStdString();
}

TEST_F(Keyboard, EscapeClosesEveryToolWindow) {
  docWith("<P>page</P>");
  const QString commands = QStringLiteral(
      "FTP3 N45 N19 N37 N47 SpeedButton6 SpeedButton34 LinkB ImageB SpeedButton29 SpeedButton30 MailB "
      "SpeedButton8 SpeedButton13 SpeedButton22 SpeedButton31 SpeedButton32 SpeedButton35 SpeedButton28 "
      "SpeedButton33 SpeedButton37 SpeedButton38 SpeedButton39 SpeedButton40 SpeedButton36");
  std::vector<std::pair<QString, QWidget*>> windows;
  for (const QString& name : commands.split(QLatin1Char(' '))) {
    const std::set<QWidget*> before = shownWindows();
    press(name.toLatin1().constData());
    QApplication::processEvents();
    for (QWidget* w : shownWindows())
      if (!before.count(w)) windows.emplace_back(name, w);
  }
  THelpForm help;
  help.ShowTopic(0);
  windows.emplace_back(QStringLiteral("help"), &help);
  TForm19* offer = form->Window<TForm19>();
  offer->show();
  windows.emplace_back(QStringLiteral("N42"), offer);
  EXPECT_GE(windows.size(), 24u);
  for (const auto& [command, w] : windows) {
    SCOPED_TRACE(command.toStdString() + " " + w->objectName().toStdString());
    w->show();
    // Room for a title bar and a panel on a 1024 x 768 screen.
    EXPECT_LE(w->width(), 1024);
    EXPECT_LE(w->height(), 700);
    pressIn(w, QKeySequence(Qt::Key_Escape));
    EXPECT_FALSE(w->isVisible());
  }
}
