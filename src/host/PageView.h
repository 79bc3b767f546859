#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

namespace qm {

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
};

}  // namespace qm
