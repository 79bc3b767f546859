#include "platform/Browser.h"

#include <QFile>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

namespace qm {
namespace {

const QByteArray kScheme = QByteArrayLiteral("qmpreview");

// Serves local files: the page itself as HTML, everything it refers to by the
// type its name gives.
class PreviewHandler : public QWebEngineUrlSchemeHandler {
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
  void requestStarted(QWebEngineUrlRequestJob* job) override {
    const QString path = job->requestUrl().path();
    auto* file = new QFile(path, job);
    if (!file->open(QIODevice::ReadOnly)) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    const bool page = path.endsWith(QStringLiteral(".tmp")) || type.inherits(QStringLiteral("text/html"));
    job->reply(page ? QByteArrayLiteral("text/html") : type.name().toLatin1(), file);
  }
};

}  // namespace

void registerPreviewScheme() {
  QWebEngineUrlScheme scheme(kScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
  QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl previewUrl(const QString& absoluteFilePath) {
  QUrl url;
  url.setScheme(QString::fromLatin1(kScheme));
  url.setPath(absoluteFilePath);
  return url;
}

QWidget* createBrowserView(QWidget* parent) {
  QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
  if (!profile->urlSchemeHandler(kScheme)) profile->installUrlSchemeHandler(kScheme, new PreviewHandler(profile));
  auto* view = new QWebEngineView(parent);
  view->settings()->setDefaultTextEncoding(QStringLiteral("windows-1255"));
  return view;
}

}  // namespace qm
