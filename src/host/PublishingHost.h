#pragma once

#include <QString>
#include <string>

#include "host/PageHost.h"

namespace qm {

// What the FTP publishing window asks the main window: pages downloaded into
// new documents or opened as files, and the main window's FTP state.
class PublishingHost : public virtual PageHost {
 public:
  // A new document window holding `fileBytes` (any line ends), captioned
  // `caption` but named after no file (saving asks for one); it becomes the
  // active page, coloured.
  virtual PageView* OpenPage(const std::string& fileBytes, const QString& caption) = 0;
  // Opens the file `path` in a document window, as the open command does.
  virtual void OpenFile(const QString& path) = 0;
  // Whether the window's client could be made (the FTP commands refuse to
  // open it otherwise), and the main window's connection indicator (empty:
  // not connected).
  virtual void SetFtpAvailable(bool on) = 0;
  virtual void SetFtpIndicator(const QString& text) = 0;
};

}  // namespace qm
