#include "platform/Browser.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRandomGenerator>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>
#include <map>

#include "core/util/Paths.h"

namespace qm {
namespace {

const QByteArray kScheme = QByteArrayLiteral("qmpreview");

struct Site {
  QString folder;
  QString pageName;
  QString pageFile;
};

bool networkAllowed = false;

// The sites being previewed, by the host part of their addresses.
std::map<QString, Site>& sites() {
  static std::map<QString, Site> s;
  return s;
}

const Site* siteOf(const QUrl& url) {
  if (url.scheme() != QString::fromLatin1(kScheme)) return nullptr;
  const auto it = sites().find(url.host());
  return it == sites().end() ? nullptr : &it->second;
}

// The file a request of a site may read, or empty.
QString fileFor(const Site& site, const QUrl& url) {
  const auto relative = paths::previewRelativePath(url.path(QUrl::FullyEncoded).toStdString());
  if (!relative) return {};
  const QString name = QString::fromUtf8(relative->data(), static_cast<qsizetype>(relative->size()));
  if (name == site.pageName) return site.pageFile;
  // Links are followed to where they lead, which must still be in the folder.
  const QString folder = QFileInfo(site.folder).canonicalFilePath();
  const QFileInfo target(site.folder + QLatin1Char('/') + name);
  const QString real = target.canonicalFilePath();
  if (folder.isEmpty() || real.isEmpty() || !QFileInfo(real).isFile() ||
      !paths::withinFolder(folder.toStdString(), real.toStdString()))
    return {};
  return real;
}

// Serves a site's files: the page itself as HTML, everything it refers to by
// the type its name gives. A page of one site gets nothing of another.
class PreviewHandler : public QWebEngineUrlSchemeHandler {
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
  void requestStarted(QWebEngineUrlRequestJob* job) override {
    const QUrl url = job->requestUrl();
    const Site* site = siteOf(url);
    const QUrl from = job->initiator();
    if (!site || (from.isValid() && !from.isEmpty() && (from.scheme() != url.scheme() || from.host() != url.host()))) {
      job->fail(QWebEngineUrlRequestJob::RequestDenied);
      return;
    }
    const QString path = fileFor(*site, url);
    auto* file = new QFile(path, job);
    if (path.isEmpty() || !file->open(QIODevice::ReadOnly)) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    const bool page = path == site->pageFile || type.inherits(QStringLiteral("text/html"));
    job->reply(page ? QByteArrayLiteral("text/html") : type.name().toLatin1(), file);
  }
};

// Lets through what stays on the preview sites; addresses of the network only
// while the user allows them.
class PreviewGuard : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QString scheme = info.requestUrl().scheme();
    if (scheme == QString::fromLatin1(kScheme) || scheme == QStringLiteral("data") || scheme == QStringLiteral("blob"))
      return;
    const bool web = scheme == QStringLiteral("http") || scheme == QStringLiteral("https") ||
                     scheme == QStringLiteral("ws") || scheme == QStringLiteral("wss");
    if (!web || !networkAllowed) info.block(true);
  }
};

QWebEngineProfile* previewProfile() {
  static QWebEngineProfile* profile = [] {
    // Off the record: no cookies, storage or cache written anywhere.
    auto* p = new QWebEngineProfile(QCoreApplication::instance());
    p->installUrlSchemeHandler(kScheme, new PreviewHandler(p));
    p->setUrlRequestInterceptor(new PreviewGuard(p));
    QWebEngineSettings* s = p->settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
    s->setDefaultTextEncoding(QStringLiteral("windows-1255"));
    return p;
  }();
  return profile;
}

}  // namespace

void registerPreviewScheme() {
  QWebEngineUrlScheme scheme(kScheme);
  // A host part per site: each previewed page is an origin of its own.
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  scheme.setFlags(QWebEngineUrlScheme::CorsEnabled);
  QWebEngineUrlScheme::registerScheme(scheme);
}

void setPreviewNetworkAllowed(bool on) { networkAllowed = on; }

PreviewSite::PreviewSite() {
  do {
    host_ = QStringLiteral("p%1%2")
                .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'))
                .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
  } while (sites().count(host_));
  sites()[host_];
}

PreviewSite::~PreviewSite() { sites().erase(host_); }

QUrl PreviewSite::show(const QString& folder, const QString& pageName, const QString& pageFile) {
  Site& site = sites()[host_];
  site.folder = folder;
  site.pageName = pageName;
  site.pageFile = pageFile;
  QUrl url;
  url.setScheme(QString::fromLatin1(kScheme));
  url.setHost(host_);
  url.setPath(QLatin1Char('/') + pageName);
  return url;
}

QWidget* createBrowserView(QWidget* parent) {
  auto* view = new QWebEngineView(parent);
  view->setPage(new QWebEnginePage(previewProfile(), view));
  return view;
}

}  // namespace qm
