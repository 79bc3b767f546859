#include "app/Html_U.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include "app/About_F.h"
#include "core/Version.h"
#include "editor/Work_F.h"
#include "hebrew/HebEdit.h"
#include "hebrew/Heb_U.h"
#include "hebrew/HebMainMenu.h"
#include "platform/Browser.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"

namespace {
// The main window's height in its design, used for the default top.
constexpr int kDesignHeight = 445;

// The commands that need a document, enabled and disabled together.
const char* const kDocumentMenuItems[] = {"N2",  "N32", "FTP1", "N4",  "N5",  "N56", "N14", "N15",
                                          "N18", "N16", "N17",  "N52", "N47", "N48", "UTF81"};
const char* const kDocumentToolButtons[] = {"ToolButton3",  "ToolButton5",  "ToolButton6",  "ToolButton7",
                                            "ToolButton9",  "ToolButton11", "ToolButton12", "ToolButton16",
                                            "ToolButton14", "ToolButton15"};
const char* const kDocumentPaletteButtons[] = {
    "LinkB",         "MailB",         "SpeedButton7",  "BrB",           "SpeedButton27", "SpeedButton9",
    "SpeedButton10", "SpeedButton11", "SpeedButton33", "SpeedButton1",  "SpeedButton2",  "SpeedButton3",
    "SpeedButton29", "SpeedButton34", "SpeedButton4",  "SpeedButton6",  "SpeedButton14", "SpeedButton15",
    "SpeedButton16", "SpeedButton17", "SpeedButton18", "SpeedButton19", "SpeedButton20", "SpeedButton21",
    "SpeedButton23", "SpeedButton24", "SpeedButton25", "SpeedButton26", "SpeedButton39", "SpeedButton37",
    "SpeedButton28", "SpeedButton30", "SpeedButton12", "SpeedButton5",  "SpeedButton13", "SpeedButton22",
    "SpeedButton40", "SpeedButton8",  "SpeedButton38", "SpeedButton31", "SpeedButton32", "SpeedButton36",
    "ImageB"};
}  // namespace

TForm1::TForm1(qm::SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), settings_(settings) {
  setObjectName(QStringLiteral("Form1"));
  setLayoutDirection(Qt::RightToLeft);
  setFont(QFont(QStringLiteral("MS Sans Serif")));
  resize(646, kDesignHeight);
  MdiArea = new QMdiArea(this);
  MdiArea->setObjectName(QStringLiteral("MdiArea"));
  setCentralWidget(MdiArea);

  buildMenus();
  buildToolBar();
  buildPalette();
  buildQuickEditBar();
  buildStatusBar();
  addToolBar(Qt::TopToolBarArea, PaletteBar);
  for (QToolBar* bar : {ToolBar1, Panel2}) {
    bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->installEventFilter(this);
  }
  placeBars(Qt::TopToolBarArea, Qt::TopToolBarArea);
  // The mouse moving over the document area takes the splash strip's highlight away.
  MdiArea->viewport()->setMouseTracking(true);
  MdiArea->viewport()->installEventFilter(this);
  ToolBar1->hide();  // shown when the splash closes
  connectShellCommands();
  connectInsertCommands();
  connectQuickEdit();
  ConnectWindows();
  FormCreate();
}

TForm1::~TForm1() { windows_.Clear(); }

TWorkForm* TForm1::AWForm() const {
  QMdiSubWindow* sub = MdiArea->activeSubWindow();
  if (!sub) return nullptr;
  return qobject_cast<TWorkForm*>(sub->widget());
}

// ---- Commands -------------------------------------------------------------

bool TForm1::setCommand(const QString& name, Command handler) {
  if (!items_.contains(name)) return false;
  if (handler)
    commands_.insert(name, std::move(handler));
  else
    commands_.remove(name);
  return true;
}

bool TForm1::hasCommand(const QString& name) const { return commands_.contains(name); }

bool TForm1::runCommand(const QString& name) {
  const auto it = commands_.constFind(name);
  if (it == commands_.cend()) return false;
  const Command handler = it.value();  // the handler may replace itself
  handler();
  return true;
}

QAction* TForm1::Action(const QString& name) const { return qobject_cast<QAction*>(items_.value(name)); }

QAbstractButton* TForm1::PaletteButton(const QString& name) const {
  return qobject_cast<QAbstractButton*>(items_.value(name));
}

QMenu* TForm1::SubMenu(const QString& name) const { return menus_.value(name); }

void TForm1::setItemEnabled(const QString& name, bool enabled) {
  QObject* item = items_.value(name);
  if (auto* action = qobject_cast<QAction*>(item))
    action->setEnabled(enabled);
  else if (auto* widget = qobject_cast<QWidget*>(item))
    widget->setEnabled(enabled);
}

void TForm1::connectShellCommands() {
  auto both = [this](std::initializer_list<const char*> names, const Command& c) {
    for (const char* n : names) setCommand(QString::fromLatin1(n), c);
  };
  both({"N6", "ToolButton1"}, [this] { NewForm(); });
  both({"N3", "ToolButton2"}, [this] { OpenHtml(QString()); });
  both({"N4", "ToolButton3"}, [this] { SaveHtml(); });
  setCommand(QStringLiteral("N5"), [this] { N5Click(); });
  // Closes the active page as its close box does (asking to save a changed one).
  setCommand(QStringLiteral("N56"), [this] {
    if (QMdiSubWindow* sub = mdiArea()->activeSubWindow()) sub->close();
  });
  for (int slot = 1; slot <= 5; ++slot) setCommand(QStringLiteral("R%1").arg(slot), [this, slot] { RecentClick(slot); });
  setCommand(QStringLiteral("N10"), [this] { close(); });

  both({"N14", "ToolButton11"}, [this] { CascadeWindows(); });
  both({"N15", "ToolButton12"}, [this] { TileWindows(Qt::Horizontal); });
  both({"N18", "ToolButton16"}, [this] { TileWindows(Qt::Vertical); });
  // "Next window" walks the windows backwards and "previous" forwards, as
  // the window list of this program always has.
  both({"N16", "ToolButton15"}, [this] { ActivatePreviousWindow(); });
  both({"N17", "ToolButton14"}, [this] { ActivateNextWindow(); });

  // Check items: the action has already toggled its mark when they run.
  setCommand(QStringLiteral("N21"), [this] { ToolBar1->setVisible(Action(QStringLiteral("N21"))->isChecked()); });
  setCommand(QStringLiteral("N30"), [this] {
    const bool on = Action(QStringLiteral("N30"))->isChecked();
    Panel2->setVisible(on);
    settings_.write(qm::setting::QuickEdit, on);
  });
  setCommand(QStringLiteral("N23"), [this] {
    settings_.write(qm::setting::IncludePathName, Action(QStringLiteral("N23"))->isChecked());
  });
  setCommand(QStringLiteral("N44"), [this] {
    settings_.write(qm::setting::TextIndentation, Action(QStringLiteral("N44"))->isChecked());
  });
  setCommand(QStringLiteral("N38"), [this] {
    const bool on = Action(QStringLiteral("N38"))->isChecked();
    settings_.write(qm::setting::UseColorCode, on);
    emit ColorCodeToggled(on);
  });
  connect(SubMenu(QStringLiteral("N13")), &QMenu::aboutToShow, this, [this] {
    if (ToolBar1->isHidden()) Action(QStringLiteral("N21"))->setChecked(false);
    if (Panel2->isHidden()) Action(QStringLiteral("N30"))->setChecked(false);
  });

  setCommand(QStringLiteral("N25"), [this] {
    if (splash_) splash_->ShowAbout();
  });
  setCommand(QStringLiteral("N26"), [] { qm::showHelp(0); });
  setCommand(QStringLiteral("N41"), [] { qm::openUrl(SiteAddress()); });
  setCommand(QStringLiteral("N40"), [] { qm::openUrl(SiteAddress() + QStringLiteral("/guides.htm")); });
}

// ---- Creation and settings ------------------------------------------------

void TForm1::FormCreate() {
  SwitchMItems(false);
  const QRect screenRect = screen() ? screen()->geometry() : QRect(0, 0, 1024, 768);
  if (settings_.read(qm::setting::MainWinMax)) {
    setWindowState(windowState() | Qt::WindowMaximized);
  } else {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    const int width = settings_.read(qm::setting::MainWidth, screenRect.width() / 2);
    const int top = settings_.read(qm::setting::MainTop, (screenRect.height() - kDesignHeight) / 2);
    const int left = settings_.read(qm::setting::MainLeft, (screenRect.width() - width) / 2);
    const int height = settings_.read(qm::setting::MainHeight, screenRect.height() / 2);
    resize(width, height);
    move(left, top);
  }
  setWindowTitle(QString::fromUtf8(qm::VersionTitle) + QStringLiteral(" - עורך היפר טקסט עברי"));
  PageControl1->setEnabled(false);
  execDir_ = QDir::currentPath();
  settings_.write(qm::setting::ExecDir, execDir_);
  LoadFromReg();
  quickEditActive_ = false;
  textRequestActive_ = false;
  dropPending_ = false;
}

void TForm1::SetSplash(TAbout_Form* splash) { splash_ = splash; }

void TForm1::LoadFromReg() {
  for (int slot = 1; slot <= 5; ++slot)
    recentFiles_[static_cast<std::size_t>(slot)] = settings_.read(qm::setting::RecentFile.at(static_cast<std::size_t>(slot)));
  if (recentFiles_[1].isEmpty()) Action(QStringLiteral("N43"))->setEnabled(false);
  RefreshRecentMenu();

  const bool toolBarAtBottom = settings_.read(qm::setting::ToolBar1);
  placeBars(toolBarAtBottom ? Qt::BottomToolBarArea : Qt::TopToolBarArea, toolBarArea(Panel2));
  winMax_ = settings_.read(qm::setting::WinMax);
  if (!settings_.read(qm::setting::QuickEdit)) {
    Action(QStringLiteral("N30"))->setChecked(false);
    Panel2->hide();
  }
  if (!settings_.read(qm::setting::IncludePathName)) Action(QStringLiteral("N23"))->setChecked(false);
  if (!settings_.read(qm::setting::UseColorCode)) Action(QStringLiteral("N38"))->setChecked(false);
  if (!settings_.read(qm::setting::TextIndentation)) Action(QStringLiteral("N44"))->setChecked(false);
  qm::setPreviewNetworkAllowed(settings_.read(qm::setting::PreviewNetwork));
  editor_ = qm::EditorSettings::Load(settings_);
}

void TForm1::SetEditorSettings(const qm::EditorSettings& s) {
  editor_ = s;
  editor_.Save(settings_);
  emit EditorSettingsChanged();
}

qm::HebrewStandard TForm1::Standard() const {
  return optionChecked("ISO1", true) ? qm::HebrewStandard::IsoVisual : qm::HebrewStandard::WinLogical;
}

void TForm1::SwitchMItems(bool enabled) {
  for (const char* n : kDocumentMenuItems) setItemEnabled(QString::fromLatin1(n), enabled);
  for (const char* n : kDocumentToolButtons) setItemEnabled(QString::fromLatin1(n), enabled);
  Edit1->setEnabled(enabled);
  Label2->setEnabled(enabled);
  if (!enabled) Edit1->clear();
  for (const char* n : kDocumentPaletteButtons) setItemEnabled(QString::fromLatin1(n), enabled);
}

void TForm1::RefreshRecentMenu() {
  for (int slot = 1; slot <= 5; ++slot) {
    QAction* item = Action(QStringLiteral("R%1").arg(slot));
    const QString& caption = recentFiles_[static_cast<std::size_t>(slot)];
    item->setText(caption);
    // A taken-out entry shows as a separator line; a never-used slot not at all.
    item->setSeparator(caption == QStringLiteral("-"));
    item->setVisible(!caption.isEmpty());
  }
}

// ---- Bars -----------------------------------------------------------------

void TForm1::placeBars(Qt::ToolBarArea toolBarArea, Qt::ToolBarArea panelArea) {
  const bool toolBarShown = !ToolBar1->isHidden();
  const bool panelShown = !Panel2->isHidden();
  removeToolBar(ToolBar1);
  removeToolBar(Panel2);
  // Each bar on a line of its own: the palette, then the tool bar, then the
  // quick-edit bar, whichever edges they sit at.
  addToolBarBreak(toolBarArea);
  addToolBar(toolBarArea, ToolBar1);
  addToolBarBreak(panelArea);
  addToolBar(panelArea, Panel2);
  ToolBar1->setVisible(toolBarShown);
  Panel2->setVisible(panelShown);
}

void TForm1::DockBar(QToolBar* bar, const QPoint& globalDropPoint) {
  if (bar != ToolBar1 && bar != Panel2) return;
  const QRect frame = frameGeometry();
  const Qt::ToolBarArea area =
      globalDropPoint.y() < frame.top() + frame.height() / 2 ? Qt::TopToolBarArea : Qt::BottomToolBarArea;
  if (bar == ToolBar1) {
    placeBars(area, toolBarArea(Panel2));
    settings_.write(qm::setting::ToolBar1, area == Qt::BottomToolBarArea);
  } else {
    placeBars(toolBarArea(ToolBar1), area);
  }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && splash_ && watched == MdiArea->viewport()) splash_->HoverReset();
  if ((watched == ToolBar1 || watched == Panel2) && event->type() == QEvent::MouseButtonRelease) {
    auto* bar = static_cast<QToolBar*>(watched);
    const QPoint drop = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    // Let the bar finish its own drag first, then settle it at an edge.
    QTimer::singleShot(0, this, [this, bar, drop] { DockBar(bar, drop); });
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- Document windows -----------------------------------------------------

void TForm1::CascadeWindows() {
  if (MdiArea->subWindowList().isEmpty()) return;
  MdiArea->cascadeSubWindows();
}

void TForm1::TileWindows(Qt::Orientation orientation) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* w : MdiArea->subWindowList())
    if (!w->isHidden() && !w->isMinimized()) windows.append(w);
  if (windows.isEmpty()) return;
  const QRect area = MdiArea->viewport()->rect();
  const int n = static_cast<int>(windows.size());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* w = windows[i];
    if (w->isMaximized()) w->showNormal();
    if (orientation == Qt::Horizontal) {
      // One window above the other, each as wide as the area.
      const int top = area.height() * i / n, bottom = area.height() * (i + 1) / n;
      w->setGeometry(0, top, area.width(), bottom - top);
    } else {
      // Side by side, each as high as the area.
      const int left = area.width() * i / n, right = area.width() * (i + 1) / n;
      w->setGeometry(left, 0, right - left, area.height());
    }
  }
}

void TForm1::ActivateNextWindow() {
  if (MdiArea->subWindowList().isEmpty()) return;
  MdiArea->activateNextSubWindow();
}

void TForm1::ActivatePreviousWindow() {
  if (MdiArea->subWindowList().isEmpty()) return;
  MdiArea->activatePreviousSubWindow();
}

// ---- Closing --------------------------------------------------------------

void TForm1::closeEvent(QCloseEvent* event) {
  // Every document window is asked first; one that stays open (its save
  // question was cancelled) keeps the program running.
  MdiArea->closeAllSubWindows();
  if (!MdiArea->subWindowList().isEmpty()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TForm1::FormClose() {
  emit FormClosing();
  writeGeometry();
}

void TForm1::writeGeometry() {
  if (isMaximized()) {
    settings_.write(qm::setting::MainWinMax, true);
    return;
  }
  settings_.write(qm::setting::MainTop, y());
  settings_.write(qm::setting::MainLeft, x());
  settings_.write(qm::setting::MainWidth, width());
  settings_.write(qm::setting::MainHeight, height());
  settings_.write(qm::setting::MainWinMax, false);
}

