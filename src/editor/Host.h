#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/hebrew/VisualHebrew.h"
#include "core/markup/MarkupText.h"

class QWidget;
class TWorkForm;
namespace qm {
class SettingsStore;
struct EditorSettings;

// The page a window works on: the active document's text as code-page 1255
// bytes with CR LF breaks, its selection and caret in offsets where a break
// counts two. Every change goes through here, so it works the same in
// Hebrew edit mode (which is left first, keeping what was typed there).
class PageView {
 public:
  virtual ~PageView() = default;
  // The page as it stands, edits made in Hebrew edit mode included.
  virtual const std::string& PageText() = 0;
  // The selection of the page's source (Hebrew edit mode ends first).
  virtual std::int32_t PageSelStart() = 0;
  virtual std::int32_t PageSelLength() = 0;
  virtual std::string PageSelectedText() = 0;
  virtual void PageSelect(std::int32_t start, std::int32_t length) = 0;
  // Replaces the selection; the replaced text ends selected when
  // `selectResult`, else the caret follows it. One undo step, coloured once.
  virtual void PageReplaceSelection(const std::string& bytes, bool selectResult = false) = 0;
  // Replaces the whole text, the caret at the start. One undo step.
  virtual void PageReplaceAll(const std::string& bytes) = 0;
  // Runs several of the calls above as one undo step, the editor not repainted
  // and coloured once at the end (also when `edits` throws).
  virtual void PageOneStep(const std::function<void()>& edits) = 0;
  // The caption: the file's absolute path, or "untitled" + number + ".htm".
  virtual QString PageName() const = 0;
  // Gives the keyboard to the editor the user sees.
  virtual void PageFocus() = 0;
  // The page as its file holds it (the file's own line ends), edits made in
  // Hebrew edit mode included: what saving would write.
  virtual std::string PageFileBytes() = 0;
  // The program's own text (code page 1255, as the windows' fields give it)
  // in the page's encoding, and the page's bytes back in code page 1255
  // (what it cannot hold as numeric references). A code-page page: unchanged.
  virtual std::string PageFromProgram(std::string_view cp1255) const { return std::string(cp1255); }
  virtual std::string PageToProgram(std::string_view pageBytes) const { return std::string(pageBytes); }
};

// What the main window offers every other window: the active page, the
// insertion kinds, the settings, the Hebrew standard, the colour picker and
// the keyboard language. Windows below the main window reach the work only
// through this and tell the main window what happened through signals.
class Host {
 public:
  virtual ~Host() = default;
  // The active document, or nullptr when none is open.
  virtual PageView* ActivePage() = 0;

  // Insertion into the active page (texts are code-page 1255 bytes).
  virtual void insrt2(const std::string& s) = 0;    // replace the selection
  virtual void insrt2ln(const std::string& s) = 0;  // the same with a line break
  virtual void insrt2smrt(const std::string& open, const std::string& close) = 0;   // wrap, variant A
  virtual void insrt2smrt2(const std::string& open, const std::string& close) = 0;  // wrap, variant B
  virtual void TInsert(const std::vector<std::string>& lines) = 0;  // every line + CR LF

  virtual SettingsStore& Settings() = 0;
  virtual const EditorSettings& Editor() const = 0;
  // Stores new editor settings and tells every document window.
  virtual void SetEditorSettings(const EditorSettings& s) = 0;
  virtual HebrewStandard Standard() const = 0;
  virtual bool ColourCoding() const = 0;  // colour the source
  virtual bool AutoIndent() const = 0;    // indent a new line as the one above

  // The colour dialog: "RRGGBB", or empty when cancelled; starts at the last colour.
  virtual std::string PickColor() = 0;
  // The colour PickColor last gave anywhere in the program ("RRGGBB"); empty before the first.
  virtual std::string LastColor() const = 0;
  virtual void SetHebrew() = 0;
  virtual void SetEnglish() = 0;

  // The save dialog for a document, with the overwrite question; true when written.
  virtual bool SaveDocumentAs(TWorkForm* w, bool checkMarker) = 0;
  // The main window, to bring it forward.
  virtual QWidget* HostWindow() = 0;

  // The path as markup should receive it: folders kept only when the user
  // asked for path names.
  virtual std::string TruncPath(std::string_view path, PathOrigin origin = PathOrigin::Typed) const = 0;
  // Set while a wizard waits in a text request: insertions that end with a
  // line break do nothing meanwhile.
  virtual void SetTextRequestActive(bool on) = 0;
  // The folder that was current when the program started (the script library's file is there).
  virtual QString ExecFolder() const = 0;

  // A new document window holding `fileBytes` (any line ends), captioned
  // `caption` but named after no file (saving asks for one); it becomes the
  // active page, coloured.
  virtual PageView* OpenPage(const std::string& fileBytes, const QString& caption) = 0;
  // Opens the file `path` in a document window, as the open command does.
  virtual void OpenFile(const QString& path) = 0;
  // The FTP publishing window: whether its client could be made (the FTP
  // commands refuse to open it otherwise), and the main window's connection
  // indicator (empty: not connected).
  virtual void SetFtpAvailable(bool on) = 0;
  virtual void SetFtpIndicator(const QString& text) = 0;
};

}  // namespace qm
