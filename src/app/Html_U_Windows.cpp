// The main window's side of the secondary windows: the colour-coding switch,
// the settings dialog, the Hebrew text window, the hyperlink and image wizards
// (and the files dropped on a page, which go through them). Each window is created the
// first time it is needed (Window<W>) and reaches the work through the host
// interface; its commands are wired here.
#include <QAction>
#include <QLineEdit>
#include <QPointer>

#include "app/Conf_F.h"
#include "app/Goto_F.h"
#include "app/Search_f.h"
#include "app/Html_U.h"
#include "core/markup/WizardMarkup.h"
#include "editor/Work_F.h"
#include "hebrew/Heb_U.h"
#include "wizards/Body_F.h"
#include "wizards/Frame_F.h"
#include "wizards/Meta_F.h"
#include "wizards/Table2_F.h"
#include "wizards/Table_F.h"
#include "wizards/AddForm_F.h"
#include "wizards/Email_F.h"
#include "wizards/Embed_U.h"
#include "wizards/Font_F.h"
#include "wizards/Forms_F.h"
#include "wizards/Java_F.h"
#include "wizards/Special_F.h"
#include "scripts/Script_F.h"
#include "platform/Controls.h"
#include "platform/Cp1255Bridge.h"
#include "platform/Prompts.h"
#include "net/HttpClient_U.h"
#include "wizards/Link_F.h"
#include "wizards/Picture_F.h"
#include "app/Update_F.h"
#include "net/ui/FTP_F.h"
#include <QLabel>

using qm::present;

void TForm1::ConnectWindows() {
  // The secondary windows go out of sight with the main window (they live
  // until it is destroyed); the grid page and the script editor belong to
  // their own windows.
  connect(this, &TForm1::FormClosing, this, [this] {
    windows_.HideAll();
    if (TForm10* w = windows_.Find<TForm10>()) w->Grid()->hide();
    if (TForm22* w = windows_.Find<TForm22>()) w->HideWindows();
  });
  connect(this, &TForm1::ColorCodeToggled, this, [this](bool on) {
    if (TWorkForm* w = AWForm()) w->ColourCodingSwitched(on);
  });
  setCommand(QStringLiteral("N45"), [this] { present(Window<TForm20>()); });
  setCommand(QStringLiteral("N47"), [this] { N47Click(); });
  // "תצוגת עמוד\מקור": the preview, or back to the source.
  setCommand(QStringLiteral("N52"), [this] {
    if (TWorkForm* w = AWForm()) w->Previewing() ? w->EditMode() : w->PreviewMode();
  });

  // Find and replace (TForm9) and go to line (TForm17): the Edit menu's N19,
  // N35 and N37, which a document's context menu runs too. With a document only.
  setCommand(QStringLiteral("N19"), [this] {
    if (AWForm()) Window<TForm9>()->ShowFind();
  });
  // Finds the find window's text again from where the last search stopped.
  setCommand(QStringLiteral("N55"), [this] {
    if (!AWForm()) return;
    TForm9* w = Window<TForm9>();
    if (w->Edit1->text().isEmpty()) w->ShowFind();
    else w->FindNext();
  });
  setCommand(QStringLiteral("N35"), [this] {
    if (AWForm()) Window<TForm9>()->ShowReplace();
  });
  setCommand(QStringLiteral("N37"), [this] {
    if (!AWForm()) return;
    TForm17* w = Window<TForm17>();
    // Showing it again reads the caret's line again.
    w->hide();
    present(w);
  });

  // The page body (TForm7), META tags (TForm18), frames (TForm8) and table
  // (TForm10 with its grid page TForm11) wizards.
  setCommand(QStringLiteral("SpeedButton6"), [this] { Window<TForm7>()->LoadFromDocument(ActivePage()); });
  setCommand(QStringLiteral("SpeedButton34"), [this] { Window<TForm18>()->LoadFromDocument(ActivePage()); });
  setCommand(QStringLiteral("SpeedButton13"), [this] { present(Window<TForm8>()); });
  setCommand(QStringLiteral("SpeedButton22"), [this] { Window<TForm10>()->Open(); });
  // Element wizards: e-mail link (TForm5), font (TForm6), JavaScript (TForm12),
  // special characters (TForm13), multimedia (TForm14), forms (TForm15) and
  // the add-form dialog (TForm16). Each palette button shows its window.
  setCommand(QStringLiteral("MailB"), [this] { present(Window<TForm5>()); });
  setCommand(QStringLiteral("SpeedButton8"), [this] { present(Window<TForm6>()); });
  setCommand(QStringLiteral("SpeedButton28"), [this] { present(Window<TForm12>()); });
  setCommand(QStringLiteral("SpeedButton29"), [this] { present(Window<TForm13>()); });
  setCommand(QStringLiteral("SpeedButton30"), [this] { present(Window<TForm14>()); });
  setCommand(QStringLiteral("SpeedButton31"), [this] { present(Window<TForm15>()); });
  setCommand(QStringLiteral("SpeedButton32"), [this] { present(Window<TForm16>()); });

  // The hyperlink wizard (TForm3) and the image wizard (TForm4): their palette
  // buttons; closing the main window ends a text request they wait in.
  setCommand(QStringLiteral("LinkB"), [this] { Window<TForm3>()->ShowForInsertion(); });
  setCommand(QStringLiteral("ImageB"), [this] { Window<TForm4>()->ShowForInsertion(); });

  // The script library (TForm22, which loads JSDB.dat from execDir_ when it is
  // first made) and its script editor (TForm23, opened from the library).
  setCommand(QStringLiteral("SpeedButton35"), [this] { Window<TForm22>()->Open(); });

  // The FTP publishing window (TForm21): FTP1 upload panel only, FTP2 download
  // panel only, FTP3 both; made at the first of them, which also tells whether
  // its client exists (ftpAvailable_). The update check (N42) and its offer
  // (TForm19). Closing the main window cancels a transfer or a check in
  // progress and keeps the FTP host and user.
  {
    const auto openFtp = [this](TForm21::Mode mode) {
      TForm21* ftp = Window<TForm21>();
      if (!ftpAvailable_) {
        qm::prompts().message(this, QStringLiteral("אפשרות לא זמינה עקב בעית SOC"));
        return;
      }
      ftp->ShowMode(mode);
    };
    setCommand(QStringLiteral("FTP1"), [openFtp] { openFtp(TForm21::Mode::Upload); });
    setCommand(QStringLiteral("FTP2"), [openFtp] { openFtp(TForm21::Mode::Download); });
    setCommand(QStringLiteral("FTP3"), [openFtp] { openFtp(TForm21::Mode::Both); });
    setCommand(QStringLiteral("N42"), [this] { Check_Update(); });
    connect(this, &TForm1::FormClosing, this, [this] {
      if (TForm21* ftp = windows_.Find<TForm21>()) {
        ftp->Button6Click();
        ftp->SaveLogin();
      }
      if (updateClient_) {
        updateAborted_ = true;
        updateClient_->Abort();
      }
    });
  }
}

qm::PageView* TForm1::OpenPage(const std::string& fileBytes, const QString& caption) {
  TWorkForm* w = CreateDocumentWindow(DocumentsMaximized());
  w->LoadFileBytes(fileBytes);
  w->SetUntitled(caption);
  w->FinishLoading();
  w->FormActivate();
  return w;
}

void TForm1::SetFtpIndicator(const QString& text) { Label3->setText(text); }

void TForm1::FileDroppedOnPage(TWorkForm* page, const QString& name) {
  // One text request at a time: a drop while a wizard waits is ignored.
  if (textRequestActive_) return;
  const QPointer<TWorkForm> w(page);
  const std::string bytes = qm::toCp1255(name);
  const QString field = qm::fromCp1255(TruncPath(bytes, qm::PathOrigin::Chosen));
  // The page can close while a wizard waits; a closed request inserts nothing
  // (the page's selection stays).
  auto insert = [&w](const std::string& text) {
    if (w && !text.empty()) w->PageReplaceSelection(w->PageFromProgram(text));
  };
  if (qm::wizard::isLinkDrop(bytes)) {
    raise();
    activateWindow();
    TForm3* link = Window<TForm3>();
    link->ShowForRequest(field);
    insert(link->GetText());
  }
  if (qm::wizard::isImageDrop(bytes)) {
    raise();
    activateWindow();
    TForm4* image = Window<TForm4>();
    image->ShowForRequest(field);
    insert(image->gettext());
  }
}

void TForm1::N47Click() { Window<TForm2>()->LoadFromDocument(ActivePage()); }
