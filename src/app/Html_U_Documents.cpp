// Creating, opening and saving documents; the recent-documents list; files
// dropped on the main window.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/Html_U.h"
#include "core/Version.h"
#include "core/text/Lines.h"
#include "core/util/Paths.h"
#include "editor/Work_F.h"
#include "platform/Application.h"
#include "platform/FileIO.h"
#include "platform/Prompts.h"

namespace {

const QStringList& openFilters() {
  static const QStringList f = {
      QStringLiteral("Html Documents (*.HTM , *.HTML ,*.SHTML)|*.*htm*"),
      QStringLiteral("Text Documents (*.TXT)|*.txt"),
      QStringLiteral("PHP Scripts (*.PHP)|*.php"),
      QStringLiteral("Quillmark Template (*.QXT)|*.QXT"),
      QStringLiteral("ASP Scripts (*.ASP)|*.asp"),
      QStringLiteral("JS Scripts (*.JS) |*.js"),
      QStringLiteral("SQL Scripts (*.SQL)|*.sql"),
      QStringLiteral("CSS Scripts (*.CSS)|*.css"),
      QStringLiteral("CGI Scripts (*.CGI)|*.cgi"),
      QStringLiteral("Perl Scripts (*.PL)|*.pl"),
      QStringLiteral("All files (*.*)|*"),
  };
  return f;
}
constexpr int kTemplateFilter = 3;

const QStringList& saveFilters() {
  static const QStringList f = {
      QStringLiteral("Html Documents (*.HTM)|*.htm"),
      QStringLiteral("Html Documents (*.HTML)|*.html"),
      QStringLiteral("SHtml Documents (*.SHTML)|*.shtml"),
      QStringLiteral("PHP Scripts|*.php"),
      QStringLiteral("Text Files (*.TXT)|*.txt"),
      QStringLiteral("Quillmark Templates (*.QXT)|*.QXT"),
      QStringLiteral("ASP Scripts (*.ASP)|*.asp"),
      QStringLiteral("JS Scrips (*.JS)|*.js"),
      QStringLiteral("All files (*.*)|*"),
  };
  return f;
}

const QString kOverwriteQuestion = QStringLiteral("?הקובץ כבר קיים , האם ברצונך להחליפו");

// The new-page template; line 8 (index 7) is the empty line the caret goes to.
std::vector<std::string> newPageLines(bool iso) {
  return {
      iso ? "<HTML>" : "<HTML dir=\"rtl\">",
      "<HEAD>",
      iso ? "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-8\">"
          : "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1255\">",
      std::string("<meta name=Generator content=\"") + qm::VersionTitle + "\">",
      "<TITLE> </TITLE>",
      "</HEAD>",
      "<BODY>",
      "",
      "</BODY>",
      "</HTML>",
  };
}

bool isEmptyOrTaken(const QString& slot) { return slot.isEmpty() || slot == QStringLiteral("-"); }

}  // namespace

TForm1::DropRegistration::DropRegistration(QWidget* w) { w->setAcceptDrops(true); }

bool TForm1::optionChecked(const char* actionName, bool def) const {
  const QAction* a = Action(QString::fromLatin1(actionName));
  return a ? a->isChecked() : def;
}

int TForm1::DocumentCount() const { return static_cast<int>(mdiArea()->subWindowList().size()); }

qm::PageView* TForm1::ActivePage() { return AWForm(); }

void TForm1::SetPaletteEnabled(bool enabled) { PageControl1->setEnabled(enabled); }

TWorkForm* TForm1::CreateDocumentWindow(bool maximized) {
  SetPaletteEnabled(true);
  auto* w = new TWorkForm(this);
  ConnectDocument(w);
  SwitchMItems(true);
  QMdiSubWindow* sub = mdiArea()->addSubWindow(w);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  // The window menu's own close keys (Ctrl+W, Ctrl+F4) would clash with the
  // main window's "close page" (N56), which does the same.
  for (QAction* a : sub->systemMenu()->actions()) a->setShortcuts({});
  if (maximized) sub->showMaximized(); else sub->show();
  mdiArea()->setActiveSubWindow(sub);
  w->WebBrowser1->hide();
  w->Memo1->show();
  return w;
}

void TForm1::ConnectDocument(TWorkForm* w) {
  connect(mdiArea(), &QMdiArea::subWindowActivated, w, [w](QMdiSubWindow* sub) {
    if (sub && sub->widget() == w) w->FormActivate();
  });
  connect(w, &TWorkForm::Activated, this, [this, w] {
    SetPaletteEnabled(!w->InHebrewMode());
    const std::string folder = qm::paths::folderOf(w->Caption().toStdString());
    if (!folder.empty()) openDialogDir_ = QString::fromStdString(folder);
    RefreshQEdit();
  });
  connect(w, &TWorkForm::CaretMoved, this, &TForm1::RefreshQEdit);
  connect(w, &TWorkForm::SourceTyping, this, [this] { quickEditActive_ = false; });
  connect(w, &TWorkForm::HebrewWindowRequested, this, &TForm1::N47Click);
  connect(w, &TWorkForm::FindRequested, this, [this] { runCommand(QStringLiteral("N19")); });
  connect(w, &TWorkForm::ReplaceRequested, this, [this] { runCommand(QStringLiteral("N35")); });
  connect(w, &TWorkForm::GoToLineRequested, this, [this] { runCommand(QStringLiteral("N37")); });
  connect(w, &TWorkForm::HebrewModeChanged, this, [this](bool on) { SetPaletteEnabled(!on); });
  connect(w, &TWorkForm::CloseRequested, this, [this, w] {
    if (!w->Caption().startsWith(QStringLiteral("untitled"))) AddToRecent(w->Caption());
  });
  connect(w, &TWorkForm::Closed, this, [this](bool maximized) {
    if (DocumentCount() > 1) return;
    SetPaletteEnabled(false);
    SwitchMItems(false);
    winMax_ = maximized;
    settings_.write(qm::setting::WinMax, winMax_);
  });
  connect(this, &TForm1::EditorSettingsChanged, w, &TWorkForm::EditorSettingsChanged);
  connect(w, &TWorkForm::StatusChanged, this, [this, w] {
    if (w == AWForm()) RefreshStatusBar();
  });
  connect(w, &TWorkForm::FileDropped, this, [this, w](const QString& name) { FileDroppedOnPage(w, name); });
}

// ------------------------------------------------------------------ new

bool TForm1::DocumentsMaximized() const {
  if (TWorkForm* active = AWForm()) return active->IsMaximized();
  return settings_.read(qm::setting::WinMax);
}

void TForm1::NewForm() {
  winMax_ = DocumentsMaximized();
  // The menu's standard, before the new window becomes active and shows its own.
  const bool iso = isoVisual();
  TWorkForm* w = CreateDocumentWindow(winMax_);
  qm::RichEdit* memo = w->Memo1;
  w->LoadNewPage(qm::lines::joinTerminated(newPageLines(iso)),
                 iso ? qm::encoding::Charset::Iso8859_8 : qm::encoding::Charset::Windows1255,
                 iso ? qm::HebrewStandard::IsoVisual : qm::HebrewStandard::WinLogical);
  ++untitledCounter_;
  w->SetUntitled(QStringLiteral("untitled%1.htm").arg(untitledCounter_));
  // The start of the empty line 8.
  memo->setSelStart(static_cast<std::int32_t>(memo->mirror().lineStart(7)));
  memo->setFocus();
  w->FinishLoading();
}

// ------------------------------------------------------------------ open

TWorkForm* TForm1::OpenDocument(const QString& given, bool fromDialog, int filterIndex) {
  // The page keeps its absolute path: saving it later must reach the same
  // file whatever the current folder is by then.
  const QString name = QFileInfo(given).absoluteFilePath();
  // Read first: a file that cannot be read, or that is not text, gets no
  // window (an empty window captioned with its name could later be saved
  // over it).
  std::string bytes;
  try {
    bytes = qm::readFileBytes(name);
  } catch (const std::exception& e) {
    qm::prompts().error(this, qm::exceptionText(e.what()));
    return nullptr;
  }
  if (bytes.find('\0') != std::string::npos) {
    qm::prompts().error(this, QStringLiteral("לא ניתן לפתוח את הקובץ %1: יש בו בית NUL והוא אינו קובץ טקסט")
                                  .arg(name));
    return nullptr;
  }
  // Like a new page: maximized when the pages are.
  TWorkForm* w = CreateDocumentWindow(DocumentsMaximized());
  w->LoadFileBytes(bytes);
  const bool asTemplate = fromDialog ? filterIndex == kTemplateFilter
                                     : !commandLineFile_.isEmpty() && name.right(3).toUpper() == QStringLiteral("QXT");
  if (asTemplate) {
    ++untitledCounter_;
    w->SetUntitled(QStringLiteral("untitled%1.htm").arg(untitledCounter_));
  } else if (fromDialog || !commandLineFile_.isEmpty()) {
    w->SetFileName(name);
  } else {
    w->SetCaption(name);
  }
  if (!asTemplate) w->NoteFile(name, bytes);
  w->FinishLoading();
  // The page's folder is the open dialog's now that the caption names it.
  w->FormActivate();
  return w;
}

void TForm1::OpenHtml(const QString& name) {
  if (name.isEmpty()) {
    qm::FileDialogRequest req;
    req.title = QStringLiteral("פתיחה");
    req.directory = openDialogDir_;
    req.filters = openFilters();
    const auto chosen = qm::prompts().openFile(this, req);
    if (!chosen) return;
    OpenDocument(chosen->path, true, chosen->filterIndex);
    return;
  }
  if (!QFileInfo::exists(name)) return;
  OpenDocument(name, false, -1);
}

// ------------------------------------------------------------------ save

bool TForm1::SaveDocumentAs(TWorkForm* w, bool checkMarker) {
  qm::FileDialogRequest req;
  req.title = QStringLiteral("שמור בשם");
  req.directory = openDialogDir_;
  req.filters = saveFilters();
  req.defaultSuffix = QStringLiteral("htm");
  if (w->HasFileName()) req.fileName = w->Caption();
  req.choiceLabel = QStringLiteral("קידוד");
  req.choices = {QStringLiteral("ללא שינוי (%1)").arg(QString::fromLatin1(qm::encoding::charsetName(w->Encoding.charset))),
                 QStringLiteral("UTF-8"), QStringLiteral("windows-1255"), QStringLiteral("ISO-8859-8")};
  const auto chosen = qm::prompts().saveFile(this, req);
  if (!chosen) return false;
  const QString path = chosen->path;
  if (checkMarker && path.contains(QStringLiteral("BrightFern_OwlaX"))) settings_.write(qm::setting::EE, 1);
  if (QFileInfo::exists(path) && qm::prompts().yesNoCancel(this, kOverwriteQuestion) != qm::Answer::Yes) return false;
  static constexpr qm::encoding::Charset kChoices[] = {qm::encoding::Charset::Utf8, qm::encoding::Charset::Windows1255,
                                                       qm::encoding::Charset::Iso8859_8};
  if (chosen->choice >= 1 && chosen->choice <= 3) {
    // The page itself moves to the chosen set (the status bar shows it); what
    // the set cannot hold went in as numeric references.
    const std::size_t references = w->ConvertTo(kChoices[chosen->choice - 1]);
    if (references > 0)
      qm::prompts().message(this, QStringLiteral("%1 תווים שאין להם מקום בקידוד %2 נכתבו כהפניות &#N;")
                                      .arg(references)
                                      .arg(QString::fromLatin1(qm::encoding::charsetName(w->Encoding.charset))));
  }
  if (!w->SaveToFile(path)) return false;
  w->SetFileName(QFileInfo(path).absoluteFilePath());
  w->Memo1->setModified(false);
  return true;
}

void TForm1::OpenCommandLineFile() {
  if (!commandLineFile_.isEmpty()) OpenHtml(commandLineFile_);
}

bool TForm1::SavePageAs(qm::PageView& page) {
  // Every page a document window asks about is one of this window's documents.
  return SaveDocumentAs(&static_cast<TWorkForm&>(page), false);
}

void TForm1::SaveHtml() {
  TWorkForm* w = AWForm();
  if (!w) return;
  if (w->HasFileName()) {
    if (w->SaveToFile(w->Caption())) w->Memo1->setModified(false);
    return;
  }
  SaveDocumentAs(w, true);
}

void TForm1::N5Click() {
  if (TWorkForm* w = AWForm()) SaveDocumentAs(w, false);
}

// ------------------------------------------------------------------ recent documents

void TForm1::WriteRecentFiles() {
  for (std::size_t i = 1; i <= 5; ++i) settings_.write(qm::setting::RecentFile.at(i), recentFiles_.at(i));
}

void TForm1::AddToRecent(const QString& name) {
  bool listed = false;
  for (int i = 1; i <= 5; ++i) listed = listed || recentFiles_[i] == name;
  if (!listed) {
    setItemEnabled(QStringLiteral("N43"), true);
    if (!isEmptyOrTaken(recentFiles_[1]))
      for (int i = 5; i > 1; --i) recentFiles_[i] = recentFiles_[i - 1];
    recentFiles_[1] = name;
    WriteRecentFiles();
  }
  RefreshRecentMenu();
}

QString TForm1::PullFromRecent(int slot) {
  if (slot < 1 || slot > 5) return {};
  const QString name = recentFiles_[slot];
  for (int k = slot; k < 5; ++k) recentFiles_[k] = recentFiles_[k + 1];
  recentFiles_[5] = QStringLiteral("-");
  WriteRecentFiles();
  RefreshRecentMenu();
  bool allTaken = true;
  for (int i = 1; i <= 5; ++i) allTaken = allTaken && recentFiles_[i] == QStringLiteral("-");
  if (allTaken) setItemEnabled(QStringLiteral("N43"), false);
  return name;
}

void TForm1::RecentClick(int slot) {
  if (slot < 1 || slot > 5) return;
  if (!isEmptyOrTaken(recentFiles_[slot])) {
    const QString name = PullFromRecent(slot);
    if (QFileInfo::exists(name)) {
      const TWorkForm* before = AWForm();
      OpenHtml(name);
      TWorkForm* now = AWForm();
      if (now && now != before) now->SetFileName(now->Caption());
    }
  }
  WriteRecentFiles();
  RefreshRecentMenu();
}

// ------------------------------------------------------------------ dropped files

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
  if (!e->mimeData()->hasUrls()) return;
  e->acceptProposedAction();
  raise();
  activateWindow();
  dropPending_ = true;
  for (const QUrl& url : e->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    const QString name = url.toLocalFile();
    const QString upper = name.toUpper();
    if (!upper.contains(QStringLiteral(".HTM")) && !upper.contains(QStringLiteral(".SHTML")) &&
        !upper.contains(QStringLiteral(".PHP")) && !upper.contains(QStringLiteral(".TXT")))
      continue;
    const TWorkForm* before = AWForm();
    OpenHtml(name);
    TWorkForm* now = AWForm();
    // Only a window this drop opened takes the name.
    if (now && now != before) now->SetFileName(now->Caption());
  }
  dropPending_ = false;
}
