#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "platform/SettingsStore.h"

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
};

// The one main window of the program (set while it exists).
extern TForm1* Form1;
