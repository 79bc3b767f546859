#pragma once

#include "core/hebrew/VisualHebrew.h"
#include "host/PageHost.h"

namespace qm {
class PageView;
struct EditorSettings;

// What a document window asks the main window: the editor's look, the Hebrew
// standard, the two editing options, and the save dialog for its page.
class DocumentHost {
 public:
  virtual ~DocumentHost() = default;
  virtual const EditorSettings& Editor() const = 0;
  virtual HebrewStandard Standard() const = 0;
  virtual bool ColourCoding() const = 0;  // colour the source
  virtual bool AutoIndent() const = 0;    // indent a new line as the one above
  // The save dialog for `page` (one of the main window's documents), with the
  // overwrite question; true when the page was written.
  virtual bool SavePageAs(PageView& page) = 0;
};

// The settings dialog: the editor's look as a whole, stored and passed on to
// every document window.
class EditorSettingsHost : public virtual PageHost {
 public:
  virtual const EditorSettings& Editor() const = 0;
  virtual void SetEditorSettings(const EditorSettings& s) = 0;
};

}  // namespace qm
