#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/text/Encoding.h"
#include "core/text/Lines.h"
#include "core/text/TextMirror.h"
#include "core/undo/UndoRing.h"
#include "host/DocumentHost.h"
#include "host/PageView.h"
#include "platform/FileIO.h"
#include "platform/RichEdit.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QScrollBar;
class QTemporaryDir;
namespace qm {
class Colouring;
class PreviewSite;
struct ColourScheme;
}  // namespace qm

// A document window: one open page in the MDI area of the main window. It
// shows the page's source in Memo1, keeps the text mirror that colouring and
// undo work on, takes the undo snapshots, offers the Hebrew edit mode in
// RichEdit1 and asks before a modified page is closed. It reads the settings
// through the host and tells the main window what happened through signals.
class TWorkForm : public QWidget, public qm::PageView {
  Q_OBJECT
 public:
  // Without a host the window uses the default settings and tells nobody.
  explicit TWorkForm(qm::DocumentHost* host, QWidget* parent = nullptr);
  ~TWorkForm() override;

  // --- components ---
  QWidget* Panel1 = nullptr;
  QPushButton* Button1 = nullptr;  // Hebrew wizard
  QPushButton* Button4 = nullptr;  // Hebrew edit mode
  QPushButton* Button2 = nullptr;  // source view
  QPushButton* Button3 = nullptr;  // preview
  QPushButton* BitBtn1 = nullptr;  // preview back
  QPushButton* BitBtn2 = nullptr;  // preview refresh
  QLabel* Label1 = nullptr;        // caret line:column
  QWidget* WebBrowser1 = nullptr;  // the preview's place; the browser view inside it comes at the first preview
  qm::RichEdit* Memo1 = nullptr;
  qm::RichEdit* RichEdit1 = nullptr;
  QScrollBar* ScrollBar1 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* N1 = nullptr;  // copy
  QAction* N2 = nullptr;  // cut
  QAction* N3 = nullptr;  // paste
  QAction* N4 = nullptr;  // undo
  QAction* N5 = nullptr;  // select all
  QAction* N7 = nullptr;  // find
  QAction* N8 = nullptr;  // replace
  QAction* N10 = nullptr;  // go to line

  // --- the text mirror (always the text of Memo1; Hebrew edit mode leaves it alone) ---
  const qm::lines::TextMirror& LineBuf() const { return Memo1->mirror(); }
  // Memo1's bytes, CR LF breaks; offsets into it are the document's offsets.
  const std::string& DocText() const { return Memo1->text(); }
  std::int32_t DocLength() const { return static_cast<std::int32_t>(Memo1->text().size()); }
  std::int32_t DocLines() const { return static_cast<std::int32_t>(Memo1->lineCount()); }

  // --- fields ---
  bool PendingFwdColor = false;  // a forward recolour is due at the next change
  QColor PendingColor;
  std::int32_t HLLines = 0;      // DocLines at the last full colouring
  std::int32_t HLLength = 0;     // DocLength at the last full colouring
  // Hebrew edit mode is on (RichEdit1 shows the page).
  bool InHebrewMode() const { return hebMode_; }
  // The clipboard and select-all commands act on the editor the user sees:
  // RichEdit1 in Hebrew edit mode, otherwise Memo1.
  enum class EditAction { Copy, Cut, Paste, SelectAll };
  void VisibleEditorAction(EditAction action);
  // The page's character set and byte-order mark, found when its file was
  // read (a new page: the set its template declares). A UTF-8 page is held
  // as UTF-8 in Memo1; the others as their single bytes.
  qm::encoding::PageEncoding Encoding;
  // How the page keeps its Hebrew: visual for ISO-8859-8, logical for the
  // others when read; the Hebrew menu's standard items change it.
  qm::HebrewStandard PageStandard = qm::HebrewStandard::IsoVisual;
  void SetPageStandard(qm::HebrewStandard standard);
  // Takes a file's bytes into Memo1 (breaks as CR LF), finds its character
  // set and remembers its line ends and byte-order mark. A file whose breaks
  // are mixed is written back exactly as it was read as long as its text is
  // unchanged.
  void LoadFileBytes(const std::string& bytes);
  // A new page's text (any line ends) in the character set it declares.
  void LoadNewPage(const std::string& bytes, qm::encoding::Charset charset, qm::HebrewStandard standard);
  // Re-encodes the page in another character set, its declaration rewritten;
  // with `logical`, a visual page also has its Hebrew turned into reading
  // order (and becomes logical). The count of characters the set could not
  // hold (now numeric references). The undo history starts again.
  std::size_t ConvertTo(qm::encoding::Charset charset, bool logical = false);
  // The program's own text (code-page 1255, as the windows' fields give it)
  // as this page holds it, and back.
  std::string FromProgramText(std::string_view cp1255) const;
  std::string ToProgramText(std::string_view pageBytes) const;
  // After the main window filled Memo1: colours the page, marks it
  // unmodified and starts the undo history with it.
  void FinishLoading();

  // The caption is the file's absolute path, or "untitled" + number + ".htm".
  QString Caption() const { return windowTitle(); }
  void SetCaption(const QString& caption);
  // The caption names the file the page was loaded from or saved to.
  bool HasFileName() const { return hasFileName_; }
  // Names the page after its file (`path` absolute), or as untitled.
  void SetFileName(const QString& path);
  void SetUntitled(const QString& caption);
  QMdiSubWindow* SubWindow() const;
  bool IsMaximized() const;

  // --- operations ---
  // Full colouring of Memo1 (Work_F_Highlight.cpp).
  void DoHighLight();
  // Colours from the caret through the next occurrence of the terminator (Work_F_Highlight.cpp).
  void fwdcoloring(const QColor& color, std::string_view terminator);
  // --- colouring (Work_F_Highlight.cpp) ---
  // The colour model of Memo1 (created at its first use).
  qm::Colouring* ColourModel();
  // The colours and fonts the main window's settings give.
  qm::ColourScheme CurrentScheme() const;
  // The colour the next typed character takes: the caret's own typing colour,
  // else the colour shown where the editor takes its typing format from.
  QColor TypingColour() const;
  // The colour-coding switch: on colours the page, off shows the whole text
  // in the editor's own text colour.
  void ColourCodingSwitched(bool on);
  // Undo ring.
  void SaveToUndoBuf();
  void RestoreUndoBuf();
  // Takes forward again the last change RestoreUndoBuf undid.
  void RedoUndoBuf();
  int UndoCount() const { return undo_.count(); }
  // Toggles Hebrew edit mode.
  void HebEditMode();
  // In Hebrew edit mode: brings RichEdit1's text back into Memo1, as leaving
  // the mode does, without leaving it. Anything that reads the page to save
  // or send it calls this first (DocumentBytes does).
  void CommitHebrewEdits();
  // The page as its file holds it: Memo1's text with the file's line ends.
  std::string DocumentBytes();
  // Writes the page to a file; false (after showing the error) on failure,
  // and when the file is the page's own, another program changed it since it
  // was read or written here, and the user keeps that version.
  bool SaveToFile(const QString& path);
  // --- the page's file on disk (Work_F_Disk.cpp) ---
  // Notes what the page's file holds, as read or written here.
  void NoteFile(const QString& path, std::string_view bytes);
  // When another program changed the page's file: asks (once for each version
  // it wrote) whether to reload it. Runs when the window becomes active.
  void CheckOutsideChange();
  // Asks whether to save a modified page before closing. False: stay open.
  bool CheckFileSave();
  // Auto-indent after Enter.
  void OrientCursor();
  // Leaves Hebrew edit mode, bringing its edits back into Memo1, without
  // moving the keyboard focus. Nothing when the mode is off.
  void LeaveHebrewMode();
  // New editor settings: background, fonts and colours (and a full colouring).
  void EditorSettingsChanged();

  // --- the preview (Work_F_Preview.cpp) ---
  // Writes the page to its preview file and shows it in the browser (nothing
  // in Hebrew edit mode). The file lies in a private temporary folder of the
  // window; the browser shows it under the page's name in the page's folder,
  // so relative links and images resolve there.
  void PreviewMode();
  // Back to the source; the preview file is removed.
  void EditMode();
  void BitBtn1Click();  // browser back
  void BitBtn2Click();  // write the page again and reload
  bool Previewing() const { return previewing_; }
  // The preview file (empty before the first preview).
  QString PreviewFile() const;

  // --- the page view (host/PageView.h) ---
  const std::string& PageText() override;
  std::int32_t PageSelStart() override;
  std::int32_t PageSelLength() override;
  std::string PageSelectedText() override;
  void PageSelect(std::int32_t start, std::int32_t length) override;
  void PageReplaceSelection(const std::string& bytes, bool selectResult = false) override;
  void PageReplaceAll(const std::string& bytes) override;
  void PageOneStep(const std::function<void()>& edits) override;
  QString PageName() const override { return Caption(); }
  void PageFocus() override;
  std::string PageFileBytes() override { return DocumentBytes(); }
  std::string PageFromProgram(std::string_view cp1255) const override { return FromProgramText(cp1255); }
  std::string PageToProgram(std::string_view pageBytes) const override { return ToProgramText(pageBytes); }

 signals:
  // The window became the active document.
  void Activated();
  // The caret moved (or the source editor took the keyboard).
  void CaretMoved();
  // The user types in, or entered, the source editor.
  void SourceTyping();
  void HebrewWindowRequested();
  // The context menu's find (N7), replace (N8) and go to line (N10).
  void FindRequested();
  void ReplaceRequested();
  void GoToLineRequested();
  void HebrewModeChanged(bool on);
  // The user asked to close the page; sent before the save question.
  void CloseRequested();
  // The window is closing (after the save question was answered).
  void Closed(bool maximized);
  // The page's encoding, standard, caret or modified state changed.
  void StatusChanged();
  // A file was dropped on the source editor (the first file's absolute path;
  // sent after the drop has ended).
  void FileDropped(const QString& path);

 public:
  // --- event handlers ---
  void FormActivate();
  void Memo1Enter();
  void Memo1Change();
  void Memo1SelectionChange();
  void RichEdit1SelectionChange();

 protected:
  void closeEvent(QCloseEvent* e) override;
  // Files dragged over the source editor (Work_F_Drop.cpp).
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // Puts an undo snapshot's text and selection in the editor, coloured.
  void ShowUndoSnapshot(const qm::undo::Snapshot& s);
  void Memo1KeyPress(QKeyEvent* e, bool& handled);
  void Memo1KeyUp(QKeyEvent* e);
  // Key rules of the colouring (Work_F_Highlight.cpp): before a character
  // goes in, and before Backspace removes one.
  void TypingColourRules(char16_t c);
  void BackspaceColourRules();
  bool FormCloseQuery();
  void FormClose();
  const qm::EditorSettings& Settings() const;
  void ApplyLook();
  bool IsoStandard() const;
  // The page stores its Hebrew in visual order: its lines are shown exactly as stored.
  bool VisualPage() const;
  // Hebrew edit mode on or off; `takeFocus` gives the shown editor the keyboard.
  void SetHebrewMode(bool on, bool takeFocus);

  void RemovePreviewFile();
  void ReloadFile();
  // False when `path` is the page's file, another program changed it and the
  // user keeps that version.
  bool MayOverwrite(const QString& path);
  bool IsActiveDocument() const;

  qm::DocumentHost* host_;
  bool hebMode_ = false;  // Hebrew edit mode is on
  // The line ends the page's file uses; the text is written back with them.
  qm::lines::LineEnd fileLineEnd_ = qm::lines::LineEnd::CrLf;
  QWidget* browser_ = nullptr;  // the browser view, made at the first preview
  std::unique_ptr<QTemporaryDir> previewDir_;  // holds the preview file
  std::unique_ptr<qm::PreviewSite> previewSite_;
  qm::FileStamp disk_;        // the page's file as last read or written here
  qm::FileStamp askedAbout_;  // the outside version the user was last asked about
  bool checkingDisk_ = false;
  bool browserLost_ = false;    // its renderer went away: make a new one
  bool previewing_ = false;
  bool hasFileName_ = false;
  bool undoSuspended_ = true;  // changes take no undo snapshot while set
  bool colorSuspended_ = false;  // changes start no full colouring while set
  int oneStepDepth_ = 0;  // nested one-step edits under way
  std::int32_t lastLength_ = 0;  // DocLength at the previous change
  // For a file with mixed line ends: the text as loaded and the file's bytes.
  std::string mixedLoadedText_;
  std::string mixedFileBytes_;
  qm::undo::UndoRing undo_;
  qm::Colouring* colours_ = nullptr;
  // Memo1's selection and scroll range while Hebrew edit mode is on.
  std::int32_t hebSelStart_ = 0;
  std::int32_t hebSelLength_ = 0;
};
