#pragma once

#include <QHash>
#include <QPointer>
#include <QMainWindow>
#include <string>
#include <string_view>
#include <vector>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>

#include "core/markup/MarkupText.h"
#include "host/DocumentHost.h"
#include "host/InsertTarget.h"
#include "host/PublishingHost.h"
#include "platform/EditorSettings.h"
#include "platform/SettingsStore.h"
#include "platform/WindowHolder.h"

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QDragEnterEvent;
class QDropEvent;
class QMdiArea;
class QTabWidget;
class QToolBar;
class TAbout_Form;
class THebEdit;
class THebMainMenu;
class TWorkForm;
namespace qm::net {
class THttpClient;
}

// The main window: MDI parent of the document windows, owner of the settings
// that the editor, the colouring, the dialogs and the wizards read. Every
// other window reaches the work through its host interface.
class TForm1 : public QMainWindow,
               public qm::ScriptHost,
               public qm::PublishingHost,
               public qm::EditorSettingsHost,
               public qm::DocumentHost {
  Q_OBJECT
 public:
  // The settings store lives as long as the program; the window reads every
  // setting while it is created.
  explicit TForm1(qm::SettingsStore& settings, QWidget* parent = nullptr);
  ~TForm1() override;

  // The active document window, or nullptr when no document is open.
  TWorkForm* AWForm() const;
  QMdiArea* mdiArea() const { return MdiArea; }

  // ---- The host interfaces (host/*.h) ----
  qm::PageView* ActivePage() override;
  qm::SettingsStore& Settings() override { return settings_; }
  const qm::EditorSettings& Editor() const override { return editor_; }
  void SetEditorSettings(const qm::EditorSettings& s) override;
  qm::HebrewStandard Standard() const override;
  bool ColourCoding() const override { return optionChecked("N38"); }
  bool AutoIndent() const override { return optionChecked("N44"); }
  QWidget* HostWindow() override { return this; }
  QString ExecFolder() const override { return execDir_; }
  qm::PageView* OpenPage(const std::string& fileBytes, const QString& caption) override;
  void OpenFile(const QString& path) override { OpenHtml(path); }
  void SetFtpAvailable(bool on) override { ftpAvailable_ = on; }
  void SetFtpIndicator(const QString& text) override;

  // A secondary window, created the first time it is needed. Its constructor
  // takes the host interface it uses (W(qm::InsertTarget&) ...), or nothing.
  template <class W>
  W* Window() {
    if constexpr (std::is_constructible_v<W, TForm1&> || std::is_constructible_v<W, TForm1&, qm::WindowHolder&>)
      return &windows_.Get<W>(*this);
    else
      return &windows_.Get<W>();
  }

  // Enables or disables the commands that need a document.
  void SwitchMItems(bool enabled);

  // Documents and the recent-documents list (Html_U_Documents.cpp).
  void NewForm();
  // Empty name: ask with the open dialog. Otherwise open that file if it exists.
  void OpenHtml(const QString& name);
  void SaveHtml();
  void N5Click();  // save as
  void AddToRecent(const QString& name);
  QString PullFromRecent(int slot);  // slot 1..5
  void RecentClick(int slot);        // R1..R5
  // Shows the captions of RecentFiles in R1..R5.
  void RefreshRecentMenu();

  // The recent documents R1..R5 list (slot 1..5; "-" marks a slot whose file went).
  QString RecentFile(int slot) const { return recentFiles_.at(static_cast<std::size_t>(slot)); }

  // The folder that was current at the start (the script library's file lies
  // there); tests point it elsewhere.
  void SetExecFolder(const QString& folder) { execDir_ = folder; }
  // The file named on the command line: the splash opens it when its time is
  // up, and a .qxt file opened while it is set is taken as a page.
  void SetCommandLineFile(const QString& path) { commandLineFile_ = path; }
  void OpenCommandLineFile();
  // The splash window while it exists (it registers itself).
  void SetSplash(TAbout_Form* splash);
  // The quick-edit line edits the page (the user works in it, so caret moves
  // do not reload it).
  bool IsQuickEditActive() const { return quickEditActive_; }
  // How long the update check waits for a silent site (milliseconds).
  void SetUpdateTimeOut(int ms) { updateTimeOut_ = ms; }

  // ---- Markup insertion and the quick-edit line (Html_U_Insert.cpp) ----
  // Texts are code-page 1255 bytes. All act on the active document's Memo1.
  // Each is one undo step of the active page, coloured once.
  void insrt2(const std::string& s) override;     // replace the selection
  void insrt2ln(const std::string& s) override;   // insrt2(s + CR LF) unless TextRequestActive
  void insrt2smrt(const std::string& open, const std::string& close) override;   // wrap, variant A
  void insrt2smrt2(const std::string& open, const std::string& close) override;  // wrap, variant B
  void TInsert(const std::vector<std::string>& lines) override;  // every line + CR LF
  // The colour dialog: "RRGGBB", or empty when cancelled.
  std::string PickColor() override;
  std::string LastColor() const override { return lastPickedColor_; }
  // The quick-edit line.
  void RefreshQEdit();
  // The path as the wizards put it into markup: folders kept when N23
  // "include path names" is checked (core TruncPath with N23's state).
  std::string TruncPath(std::string_view path, qm::PathOrigin origin = qm::PathOrigin::Typed) const override;
  void SetTextRequestActive(bool on) override { textRequestActive_ = on; }
  // Quick-edit line events (Edit1 in Panel2).
  void Edit1Change();
  void Edit1Enter();
  void Edit1Exit();
  void Edit1KeyDown();
  void Edit1KeyUp();
  void Edit1Click();
  void Edit1MouseDown();
  void Panel2Click();
  void Panel2Enter();
  void Panel2Resize();

  // ---- Commands -------------------------------------------------------
  // Every menu item, popup item, tool button and palette button runs the
  // handler registered under its component name ("N6", "ToolButton1",
  // "SpeedButton9", "REMOTEADDR1", "MenuItem7"...). A name without a handler
  // does nothing. setCommand replaces the handler of that name (an empty
  // function removes it); returns false for a name that is no component.
  using Command = std::function<void()>;
  bool setCommand(const QString& name, Command handler);
  bool hasCommand(const QString& name) const;
  // Runs the handler of that name whether or not its item is enabled;
  // returns false when there is none.
  bool runCommand(const QString& name);
  // Menu items (main menu and popups, a submenu by the name of its item) and
  // tool bar buttons are actions; the palette buttons are buttons.
  QAction* Action(const QString& name) const;
  QAbstractButton* PaletteButton(const QString& name) const;
  QMenu* SubMenu(const QString& name) const;  // "N1".."N53", "PopupMenu1".."PopupMenu6"
  // Opens a popup menu under the palette button that opens it.
  void ShowPopup(QMenu* menu, QAbstractButton* from);

  // ---- Window and settings operations ----------------------------------
  void FormCreate();
  void LoadFromReg();
  void FormClose();
  // Docks ToolBar1 or Panel2 at the top when the drop point (global
  // coordinates) lies above the window's vertical middle, else at the bottom.
  void DockBar(QToolBar* bar, const QPoint& globalDropPoint);
  void CascadeWindows();
  void TileWindows(Qt::Orientation orientation);  // Horizontal: stacked rows
  void ActivateNextWindow();
  void ActivatePreviousWindow();

  // Components.
  THebMainMenu* HebMainMenu1 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QLabel* Label3 = nullptr;  // FTP connection indicator
  QToolBar* Panel2 = nullptr;  // the quick-edit bar
  QLabel* Label2 = nullptr;
  THebEdit* Edit1 = nullptr;
  // The status bar: the active page's encoding, Hebrew standard, caret
  // (line and column from 1) and whether it has unsaved changes.
  QStatusBar* StatusBar1 = nullptr;
  QLabel* EncodingLabel = nullptr;
  QLabel* StandardLabel = nullptr;
  QLabel* PositionLabel = nullptr;
  QLabel* ModifiedLabel = nullptr;

  // ---- Documents: windows, files, recent list (Html_U_Documents.cpp) ----
  // The Hebrew standard: true for "ISO" visual order (action ISO1 checked, or
  // no such action), false for "WIN" logical order.
  bool isoVisual() const { return Standard() == qm::HebrewStandard::IsoVisual; }
  // The checked state of an option action (N23, N38, N44 ...); `def` when absent.
  bool optionChecked(const char* actionName, bool def = true) const;
  // Creates a document window in the MDI area and shows it.
  TWorkForm* CreateDocumentWindow(bool maximized);
  // Whether a new document window opens maximized: as the active one is, or
  // as the last one closed was when none is open.
  bool DocumentsMaximized() const;
  int DocumentCount() const;
  // The save dialog for a document, the overwrite question and the write.
  // True when the document was written.
  bool SaveDocumentAs(TWorkForm* w, bool checkMarker);
  bool SavePageAs(qm::PageView& page) override;

  // N47 and the document windows' Button1: the Hebrew text window loaded
  // from the active document.
  void N47Click();
  // A file dropped on a page's source editor: an HTML-like name goes in as a
  // link, a picture as an image, each through its wizard; others are ignored.
  void FileDroppedOnPage(TWorkForm* page, const QString& name);

  // The update check (N42, app/Update_F.cpp): asks the site for its version
  // file and offers a newer version in TForm19, or says why not.
  void Check_Update();

 signals:
  // The main window is closing (after the document windows closed, before
  // the geometry is written): windows with fields to keep write them now.
  void FormClosing();
  // N38 changed the colour coding (the setting is already written).
  void ColorCodeToggled(bool on);
  // New editor settings were stored (the settings dialog's OK).
  void EditorSettingsChanged();

 private:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  void buildMenus();
  void buildPalette();
  void buildToolBar();
  void buildQuickEditBar();
  // The status bar, the standard items following the active page and the
  // conversion to logical UTF-8 (Html_U_Status.cpp).
  void buildStatusBar();
  void RefreshStatusBar();
  void ConvertToLogicalUtf8();
  void registerItem(const QString& name, QObject* item);
  void connectShellCommands();
  // The insertion commands of the palette, popups and menus, and the
  // quick-edit line's events (Html_U_Insert.cpp).
  void connectInsertCommands();
  void connectQuickEdit();
  void placeBars(Qt::ToolBarArea toolBarArea, Qt::ToolBarArea panelArea);
  void setItemEnabled(const QString& name, bool enabled);
  void writeGeometry();

  qm::SettingsStore& settings_;
  QMdiArea* MdiArea = nullptr;
  QToolBar* PaletteBar = nullptr;  // holds PageControl1 above the other bars
  QHash<QString, QObject*> items_;
  QHash<QString, QMenu*> menus_;
  QHash<QString, Command> commands_;
  qm::EditorSettings editor_;
  qm::WindowHolder windows_;
  QPointer<TAbout_Form> splash_;  // the splash window while it exists
  bool winMax_ = true;            // new documents open maximized
  bool textRequestActive_ = false;
  bool quickEditActive_ = false;
  bool ftpAvailable_ = false;
  bool dropPending_ = false;
  QString execDir_;
  std::array<QString, 6> recentFiles_;  // slots 1..5; 0 unused
  int untitledCounter_ = 0;             // grows with every untitled document of the run
  QString commandLineFile_;             // the file named on the command line, if any
  std::string lastPickedColor_;
  QString openDialogDir_;               // initial folder of the open dialog
  int updateTimeOut_ = 15000;           // the update check's wait for a silent site (ms)

  TWorkForm* OpenDocument(const QString& name, bool fromDialog, int filterIndex);
  // The main window's side of a new document window's signals.
  void ConnectDocument(TWorkForm* w);
  void SetPaletteEnabled(bool enabled);
  void WriteRecentFiles();
  struct DropRegistration {
    explicit DropRegistration(QWidget* w);
  } dropRegistration_{this};
  // N38 colours or uncolours the active document; N45 shows the settings
  // dialog; N47 the Hebrew text window (Html_U_Windows.cpp).
  void ConnectWindows();

  qm::net::THttpClient* updateClient_ = nullptr;  // the client of a check in progress
  bool updateAborted_ = false;  // the main window closed during the check: nothing more to say
};

// The product's web site (the "connect to site", "guides", update and download
// commands): the build's QM_SITE_ADDRESS, or $QUILLMARK_UPDATE_SITE when set;
// without a trailing "/".
QString SiteAddress();
