#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace qm {

// The browser behind the page preview (Qt WebEngine), on a profile of its own
// that keeps nothing on disk.
//
// A previewed page is a site of its own: the address
// qmpreview://<random name>/<page name> serves the preview file under the
// page's name, and the same site serves the files of the page's folder and
// below (relative links and images resolve there), nothing else: no path
// outside the folder however it is spelt, no symbolic link leading out of it,
// no file: address, and no page of another site. Pages are HTML whatever the
// file's name ("preview.tmp" would otherwise be sniffed as text), in the
// character set of their META tag (windows-1255 when they name none).
//
// No request of a previewed page reaches another machine or a local port
// (navigation, images, forms, fetch, XHR, EventSource, WebSocket, workers)
// unless the user allows it (setPreviewNetworkAllowed, off at the start); even
// then only http(s) and ws(s) addresses.

// Registers the preview scheme; must run before the application object is
// made (qm::Application does it).
void registerPreviewScheme();

// Whether previewed pages may reach the network; asked at every request.
void setPreviewNetworkAllowed(bool on);

// One previewed page's site; it serves nothing once destroyed.
class PreviewSite {
 public:
  PreviewSite();
  ~PreviewSite();
  PreviewSite(const PreviewSite&) = delete;
  PreviewSite& operator=(const PreviewSite&) = delete;

  // What the site shows: `folder` (absolute) and below, with the page's own
  // name in it served from `pageFile`. Returns the page's address.
  QUrl show(const QString& folder, const QString& pageName, const QString& pageFile);

 private:
  QString host_;
};

// A browser view, ready for preview addresses (created when a page is first
// previewed: the engine starts then, not with the program).
QWidget* createBrowserView(QWidget* parent);

}  // namespace qm
