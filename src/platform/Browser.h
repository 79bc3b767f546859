#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace qm {

// The browser behind the page preview (Qt WebEngine). The preview file is
// served through a scheme of our own, so the engine takes it for HTML whatever
// its name ("preview.tmp" would otherwise be sniffed as text), reads its
// character set from its META tag (windows-1255 when it names none), and
// resolves relative links and images against the page's folder.

// Registers the preview scheme; must run before the application object is
// made (qm::Application does it).
void registerPreviewScheme();

// The address the browser loads a file under.
QUrl previewUrl(const QString& absoluteFilePath);

// A browser view, ready for preview addresses (created when a page is first
// previewed: the engine starts then, not with the program).
QWidget* createBrowserView(QWidget* parent);

}  // namespace qm
