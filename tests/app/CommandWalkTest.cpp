// Every menu item, popup item, tool-bar button and palette button of the main
// window runs a command that does what the user sees it promise: with two
// documents open it changes the page, the selection, the clipboard, the
// documents, the arrangement of the windows, an option, or opens a window,
// the help or the browser. Each runs on a fresh main window; a prompt the
// row did not script fails the test.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <set>

#include "../editor/DocFixture.h"
#include "app/About_F.h"
#include "platform/Shell.h"

namespace {

enum class Effect { Page, Selection, Clipboard, Documents, Arrangement, Option, Window, Help, Browser, Saved, HebrewMode, Preview, Closed, Told };

// Everything a command may change, read before and after it runs.
struct Snapshot {
  std::string page;
  int selStart = 0, selLength = 0, documents = 0;
  QString clipboard, activeCaption, settings;
  QWidget* active = nullptr;
  std::vector<QRect> geometry;
  std::set<QString> checked;
  qm::HebrewStandard standard{};
  std::set<QWidget*> windows;
  bool toolBar = false, quickEdit = false, hebMode = false, preview = false, mainShown = false;
  std::size_t messages = 0;
};

class CommandWalk : public qmtest::DocFixture {
 protected:
  CommandWalk() {
    qm::setUrlOpener([this](const QString& url) { urls.push_back(url); });
    qm::setHelpViewer([this](int topic) { topics.push_back(topic); });
  }
  ~CommandWalk() override { qm::setUrlOpener({}); qm::setHelpViewer({}); }

  // A fresh main window with two unmodified documents; the second is active
  // and has "bold" selected. One edit of it can be undone.
  void freshWindow() {
    splash.reset();
    form.reset();
    form = std::make_unique<TForm1>(settings.store());
    form->SetExecFolder(dir.path());
    form->show();
    splash = std::make_unique<TAbout_Form>(*form);  // as the program keeps it
    splash->Timer1Timer();                          // its two seconds are up

    for (int i = 1; i <= 5; ++i) {
      const QString name = path(QStringLiteral("recent%1.htm").arg(i));
      writeFile(QStringLiteral("recent%1.htm").arg(i), "<P>recent</P>");
      settings.store().writeString(QStringLiteral("RecentFile%1").arg(i), name);
    }
    form->LoadFromReg();
    docWith("<P>first</P>");
    TWorkForm* w = docWith("<P>plain <B>bold</B> &aacute; <IMG SRC=\"/tmp/pics/a.gif\"></P>", 0, 0);
    w->SaveToUndoBuf();
    w->PageReplaceSelection("<!-- -->");
    w->Memo1->select(20, 4);
    for (QMdiSubWindow* s : form->mdiArea()->subWindowList()) {
      qobject_cast<TWorkForm*>(s->widget())->Memo1->setModified(false);
      s->showNormal();
    }
    QApplication::clipboard()->setText(QStringLiteral("CLIP"));
    QApplication::processEvents();
  }

  Snapshot snap() {
    Snapshot s;
    if (TWorkForm* w = form->AWForm()) {
      s.page = w->DocText();
      s.selStart = w->Memo1->selStart();
      s.selLength = w->Memo1->selLength();
      s.active = w;
      s.activeCaption = w->Caption();
      s.hebMode = w->InHebrewMode();
      s.preview = w->Previewing();
    }
    s.clipboard = QApplication::clipboard()->text();
    s.documents = form->DocumentCount();
    for (QMdiSubWindow* sub : form->mdiArea()->subWindowList()) s.geometry.push_back(sub->geometry());
    for (QAction* a : form->findChildren<QAction*>())
      if (a->isChecked()) s.checked.insert(a->objectName());
    QFile ini(settings.path());
    if (ini.open(QIODevice::ReadOnly)) s.settings = QString::fromUtf8(ini.readAll());
    s.toolBar = form->ToolBar1->isVisible();
    s.quickEdit = form->Panel2->isVisible();
    s.standard = form->Standard();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w != form.get()) s.windows.insert(w);
    s.mainShown = form->isVisible();
    s.messages = prompts.texts("message").size();
    return s;
  }

  // Whether `effect` shows between the two snapshots.
  bool shows(Effect effect, const Snapshot& a, const Snapshot& b) const {
    switch (effect) {
      case Effect::Page: return a.page != b.page;
      case Effect::Selection: return a.page == b.page && (a.selStart != b.selStart || a.selLength != b.selLength);
      case Effect::Clipboard: return a.clipboard != b.clipboard && a.page == b.page;
      case Effect::Documents: return a.documents != b.documents || a.active != b.active;
      case Effect::Arrangement: return a.geometry != b.geometry && a.documents == b.documents;
      case Effect::Option:
        return a.checked != b.checked && (a.settings != b.settings || a.toolBar != b.toolBar ||
                                          a.quickEdit != b.quickEdit || a.standard != b.standard);
      case Effect::Window: return !std::includes(a.windows.begin(), a.windows.end(), b.windows.begin(), b.windows.end());
      case Effect::Help: return topics.size() == 1;
      case Effect::Browser: return urls.size() == 1 && urls[0].startsWith(QStringLiteral("http://"));
      case Effect::Saved:
        return a.activeCaption != b.activeCaption && readFile(QStringLiteral("saved.htm")) == b.page;
      case Effect::HebrewMode: return a.hebMode != b.hebMode;
      case Effect::Preview: return a.preview != b.preview;
      case Effect::Closed: return a.mainShown && !b.mainShown;
      case Effect::Told: return b.messages > a.messages;
    }
    return false;
  }

  std::unique_ptr<TAbout_Form> splash;
  std::vector<QString> urls;
  std::vector<int> topics;
};

// Every command component of the main window, by name.
std::set<QString> allComponents(TForm1& form) {
  std::set<QString> names;
  std::function<void(QWidget*)> walk = [&](QWidget* menu) {
    for (QAction* a : menu->actions()) {
      if (a->isSeparator() || a->objectName().isEmpty()) continue;
      if (a->menu()) {
        walk(a->menu());
        continue;
      }
      names.insert(a->objectName());
    }
  };
  walk(form.menuBar());
  walk(form.ToolBar1);
  for (int i = 1; i <= 6; ++i) walk(form.SubMenu(QStringLiteral("PopupMenu%1").arg(i)));
  for (QToolButton* b : form.PageControl1->findChildren<QToolButton*>())
    if (form.PaletteButton(b->objectName()) == b) names.insert(b->objectName());
  return names;
}

struct Row {
  QString name;
  Effect effect;
  std::function<void(qmtest::ScriptedPrompts&, const QString& savePath)> script = {};
};

TEST_F(CommandWalk, EveryItemAndButtonRunsACommandThatDoesSomething) {
  using P = qmtest::ScriptedPrompts;
  const auto saveAs = [](P& p, const QString& to) { p.files.push_back(to); };
  const auto sure = [](P& p, const QString&) { p.answers.push_back(qm::Answer::Ok); };
  const auto openOther = [](P& p, const QString& to) {
    p.files.push_back(QFileInfo(to).dir().filePath(QStringLiteral("recent1.htm")));
  };
  // "ISO ויזואלית" is checked at start: its row starts from "WIN לוגית". Smart
  // tags (N24) change only what the tag buttons do: the insertion tests press it.
  std::vector<Row> rows = {
      {"N3", Effect::Documents, openOther}, {"ToolButton2", Effect::Documents, openOther},
      {"N4", Effect::Saved, saveAs}, {"ToolButton3", Effect::Saved, saveAs}, {"N5", Effect::Saved, saveAs},
      {"N33", Effect::Page, sure}, {"N34", Effect::Page, sure}, {"ISO1", Effect::Option},
      {"SpeedButton12", Effect::Page, [](P& p, const QString&) { p.colors.push_back(QColor(0x12, 0x34, 0x56)); }},
      // The update check against a closed local port says so.
      {"N42", Effect::Told, [](P&, const QString&) { qputenv("QUILLMARK_UPDATE_SITE", "http://127.0.0.1:1"); }}};
  // The rows without a prompt, by the effect they show; the palette's tag buttons put markup in.
  const std::pair<Effect, const char*> plain[] = {
      {Effect::Documents, "N6 ToolButton1 R1 R2 R3 R4 R5 N16 ToolButton15 N17 ToolButton14 N56"},
      {Effect::Closed, "N10"}, {Effect::Clipboard, "N7 ToolButton5"}, {Effect::Selection, "N20"},
      {Effect::Arrangement, "N14 ToolButton11 N15 ToolButton12 N18 ToolButton16"},
      {Effect::Option, "N21 N30 N23 N38 N44 N50 UTF81"}, {Effect::Preview, "N52"}, {Effect::HebrewMode, "N48"},
      {Effect::Browser, "N41 N40"}, {Effect::Help, "N26"},
      {Effect::Window, "FTP1 FTP2 FTP3 N45 N19 N55 N35 N37 N47 N25 SpeedButton6 SpeedButton34 LinkB ImageB SpeedButton29 "
                       "SpeedButton30 MailB SpeedButton8 SpeedButton13 SpeedButton22 SpeedButton31 SpeedButton32 "
                       "SpeedButton35 SpeedButton28 SpeedButton33 SpeedButton37 SpeedButton38 SpeedButton39 "
                       "SpeedButton40 SpeedButton36"},
      {Effect::Page, "N8 ToolButton6 N9 ToolButton7 N12 ToolButton9 N57 NCIE1 BrB SpeedButton1 SpeedButton2 "
                     "SpeedButton3 SpeedButton4 SpeedButton5 SpeedButton7 SpeedButton9 SpeedButton10 SpeedButton11 "
                     "SpeedButton14 SpeedButton15 SpeedButton16 SpeedButton17 SpeedButton18 SpeedButton19 "
                     "SpeedButton20 SpeedButton21 SpeedButton23 SpeedButton24 SpeedButton25 SpeedButton26 "
                     "SpeedButton27"}};
  for (const auto& [effect, names] : plain)
    for (const QString& n : QString::fromLatin1(names).split(QLatin1Char(' '))) rows.push_back({n, effect});
  freshWindow();  // every popup item puts markup in
  for (int i = 1; i <= 6; ++i)
    for (QAction* a : form->SubMenu(QStringLiteral("PopupMenu%1").arg(i))->actions())
      if (!a->isSeparator()) rows.push_back({a->objectName(), Effect::Page});

  // Every component has its row, or waits for its window.
  std::set<QString> covered;
  for (const Row& r : rows) covered.insert(r.name);
  for (const QString& name : allComponents(*form)) {
    if (name == QStringLiteral("N24")) continue;
    EXPECT_TRUE(covered.count(name)) << "no row for " << name.toStdString();
  }

  for (const Row& r : rows) {
    SCOPED_TRACE(r.name.toStdString());
    const QString& name = r.name;
    freshWindow();
    if (name == QStringLiteral("ISO1")) form->Action(QStringLiteral("N50"))->setChecked(true);
    if (name == QStringLiteral("N57")) form->AWForm()->RestoreUndoBuf();  // a step to take forward again
    prompts.calls.clear();
    urls.clear();
    topics.clear();
    QFile::remove(path(QStringLiteral("saved.htm")));
    if (r.script) r.script(prompts, path(QStringLiteral("saved.htm")));
    // A command, or an option whose mark the program reads (the Hebrew standard).
    const QAction* option = form->Action(name);
    ASSERT_TRUE(form->hasCommand(name) || (option && option->isCheckable()));
    const Snapshot before = snap();
    press(name.toLatin1().constData());
    QApplication::processEvents();
    const Snapshot after = snap();
    EXPECT_TRUE(shows(r.effect, before, after)) << "effect " << static_cast<int>(r.effect);
    EXPECT_TRUE(prompts.answers.empty() && prompts.files.empty() && prompts.colors.empty()) << "script not used";
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QMenu*>(w)) w->hide();
  }
  qunsetenv("QUILLMARK_UPDATE_SITE");
}

}  // namespace
