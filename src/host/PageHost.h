#pragma once

#include "core/hebrew/VisualHebrew.h"
#include "host/PageView.h"

class QWidget;
namespace qm {
class SettingsStore;

// What the main window offers every window below it: the active page, the
// Hebrew standard, the settings store and the main window itself (to centre
// on or bring forward). The narrower host interfaces add what their kind of
// window needs; windows tell the main window what happened through signals.
class PageHost {
 public:
  virtual ~PageHost() = default;
  // The active document, or nullptr when none is open.
  virtual PageView* ActivePage() = 0;
  virtual HebrewStandard Standard() const = 0;
  virtual SettingsStore& Settings() = 0;
  virtual QWidget* HostWindow() = 0;
};

}  // namespace qm
