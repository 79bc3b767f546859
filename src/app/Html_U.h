#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "platform/SettingsStore.h"

class QDragEnterEvent;
class QDropEvent;
class QMdiArea;
class TWorkForm;

// The main window: MDI parent of the document windows, owner of the settings
// that the editor, the colouring, the dialogs and the wizards read.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // The settings store lives as long as the program; the window reads every
  // setting while it is created.
  explicit TForm1(qm::SettingsStore& settings, QWidget* parent = nullptr);
  ~TForm1() override;

  // The active document window, or nullptr when no document is open.
  TWorkForm* AWForm() const;
  QMdiArea* mdiArea() const { return MdiArea; }
  qm::SettingsStore& Settings() { return settings_; }

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

  // Settings fields (see LoadFromReg for their defaults).
  std::string RtfColorTable;
  std::uint32_t TextColor = 0;
  std::uint32_t TagColor = 0xFF0000;
  std::uint32_t RemarksColor = 0x707070;
  std::uint32_t MemoBackground = 0xFFFFFF;
  QString FontSize = QStringLiteral("16");  // half points, decimal text
  QString EnglishFont = QStringLiteral("MS Sans Serif");
  QString HebrewFont = QStringLiteral("MS Sans Serif");
  std::int32_t RefreshEveryXChrs = 60;
  bool WinMax = true;
  bool TextRequestActive = false;
  bool QuickEditActive = false;
  bool FtpAvailable = false;
  bool DropPending = false;
  QString ExecDir;
  std::array<QString, 6> RecentFiles;  // slots 1..5; 0 unused
  int UntitledCounter = 0;             // grows with every untitled document of the run
  QString CommandLineFile;             // the file named on the command line, if any

 private:
  qm::SettingsStore& settings_;
  QMdiArea* MdiArea = nullptr;

  // ---- Documents: windows, files, recent list, dropped files (Html_U_Documents.cpp) ----
 public:
  // The Hebrew standard: true for "ISO" visual order (action ISO1 checked, or
  // no such action), false for "WIN" logical order.
  bool isoVisual() const;
  // The checked state of an option action (N23, N38, N44 ...); `def` when absent.
  bool optionChecked(const char* actionName, bool def = true) const;
  // Creates a document window in the MDI area and shows it.
  TWorkForm* CreateDocumentWindow(bool maximized);
  int DocumentCount() const;
  // The save dialog for a document, the overwrite question and the write.
  // True when the document was written.
  bool SaveDocumentAs(TWorkForm* w, bool checkMarker);
  QString OpenDialogDir;  // initial folder of the open dialog

 protected:
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  TWorkForm* OpenDocument(const QString& name, bool fromDialog, int filterIndex);
  void WriteRecentFiles();
  void SetActionEnabled(const char* name, bool enabled);
  struct DropRegistration {
    explicit DropRegistration(QWidget* w);
  } dropRegistration_{this};
  // ---- end of Documents ----
};

// The one main window of the program (set while it exists).
extern TForm1* Form1;
