#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace qm {
namespace {
std::function<void(const QString&)>& urlOpener() {
  static std::function<void(const QString&)> f = [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); };
  return f;
}
std::function<void(int)>& helpViewer() {
  static std::function<void(int)> f;
  return f;
}
}  // namespace

void openUrl(const QString& url) { urlOpener()(url); }

void showHelp(int topic) {
  if (helpViewer()) helpViewer()(topic);
}

void setUrlOpener(std::function<void(const QString&)> opener) { urlOpener() = std::move(opener); }
void setHelpViewer(std::function<void(int)> viewer) { helpViewer() = std::move(viewer); }

}  // namespace qm
