// The keyboard of the main window and its tool windows, pressed as a user
// does (through the toolkit's shortcut handling): the command keys, and
// Escape in every wizard and tool window.
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <set>

#include "app/Goto_F.h"
#include "app/Help_F.h"
#include "app/Search_f.h"
#include "app/Update_F.h"
#include "editor/DocFixture.h"
#include "net/ui/FTP_F.h"
#include "scripts/ScriptEd_F.h"
#include "scripts/Script_F.h"

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
  // Every window the user opens: the tool windows and wizards through their commands, the
  // help window, the update offer and the script editor.
  std::vector<std::pair<QString, QWidget*>> openEveryWindow(THelpForm& help) {
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
    help.ShowTopic(0);
    windows.emplace_back(QStringLiteral("help"), &help);
    TForm19* offer = form->Window<TForm19>();
    offer->show();
    windows.emplace_back(QStringLiteral("N42"), offer);
    TForm23* editor = form->Window<TForm22>()->Form23();
    editor->show();
    windows.emplace_back(QStringLiteral("script editor"), editor);
    return windows;
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
  THelpForm help;
  const auto windows = openEveryWindow(help);
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

// Every window reads right to left in Hebrew. Tab walks it as it reads, right to left and top to
// bottom: each step goes to a control further left on the same row (or to a column further
// left), or down to a later row; a control inside a group or a tab page stands where its group
// stands, seen from a control outside it. A caption with Latin letters has Hebrew beside them,
// unless it is markup, a name the page or a server uses, a file name or a sample of Latin text.
TEST_F(Keyboard, EveryWindowReadsRightToLeftInHebrew) {
  const QRegularExpression latin(QStringLiteral("[A-Za-z]")), hebrew(QStringLiteral("[א-ת]")),
      fileName(QStringLiteral("^\\S+\\.htm$"));
  const QStringList names = {"author", "description", "keywords", "refresh", "Content-Type", "copyright", "Host",
                             "PORT",   "User ID",     "Password", "Text",    "<TAG>",        "<!--REMARKS-->", "ABcd"};
  press("FTP3");  // no page open: the upload side says so
  EXPECT_TRUE(form->Window<TForm21>()->Label8->text().contains(hebrew));
  form->Window<TForm21>()->hide();
  docWith("<P>page</P>");
  THelpForm help;
  for (const auto& [command, w] : openEveryWindow(help)) {
    SCOPED_TRACE(command.toStdString() + " " + w->objectName().toStdString());
    w->show();
    QApplication::processEvents();
    std::vector<QWidget*> chain;
    for (QWidget* c = w->nextInFocusChain(); c != w && chain.size() < 200; c = c->nextInFocusChain())
      if (c->isVisibleTo(w) && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) && !c->focusProxy()) chain.push_back(c);
    for (std::size_t i = 1; i < chain.size(); ++i) {
      QWidget* a = chain[i - 1];
      QWidget* b = chain[i];
      QWidget* common = b;
      while (common && common != a && !common->isAncestorOf(a)) common = common->parentWidget();
      if (common == a || common == b) continue;  // into or out of a control that holds the other
      const auto place = [&](QWidget* c) {
        while (c->parentWidget() != common) c = c->parentWidget();
        return QRect(c->mapTo(w, QPoint(0, 0)), c->size());
      };
      const QRect from = place(a), to = place(b);
      EXPECT_TRUE(to.top() >= from.bottom() - 3 || to.right() <= from.left() + 3)
          << a->objectName().toStdString() << " -> " << b->objectName().toStdString();
    }
    for (QWidget* c : w->findChildren<QWidget*>()) {
      const auto* l = qobject_cast<QLabel*>(c);
      const auto* b = qobject_cast<QAbstractButton*>(c);
      const QString text = (l ? l->text() : b ? b->text() : QString()).trimmed();
      if (c->isVisibleTo(w) && text.contains(latin) && !text.contains(hebrew) && !names.contains(text) &&
          !text.contains(fileName))
        ADD_FAILURE() << c->objectName().toStdString() << ": " << text.toStdString();
    }
    w->hide();
  }
}
