// The preview of the page in a browser view, and the way back to the source.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>
#include <stdexcept>

#include "core/util/Paths.h"
#include "editor/Work_F.h"
#include "platform/Browser.h"
#include "platform/FileIO.h"
#include "platform/Prompts.h"

namespace {
QWebEngineView* viewOf(QWidget* w) { return static_cast<QWebEngineView*>(w); }
}  // namespace

QString TWorkForm::PreviewFile() const {
  return previewDir_ ? previewDir_->filePath(QStringLiteral("preview.tmp")) : QString();
}

void TWorkForm::PreviewMode() {
  if (!Button3->isEnabled()) return;
  if (!previewDir_) {
    auto dir = std::make_unique<QTemporaryDir>();
    if (!dir->isValid())
      throw std::runtime_error(QStringLiteral("לא ניתן ליצור תיקייה זמנית לתצוגה: %1").arg(dir->errorString()).toStdString());
    previewDir_ = std::move(dir);
    previewSite_ = std::make_unique<qm::PreviewSite>();
  }
  const QString file = PreviewFile();
  qm::writeFileAtomically(file, DocText());
  if (browser_ && browserLost_) {
    delete browser_;
    browser_ = nullptr;
    qm::prompts().message(this, QStringLiteral("חלון התצוגה נסגר - לצפייה שמור את הקובץ ופתחהו בשנית"));
  }
  if (!browser_) {
    // One view for the window's life: a second preview does not start the engine again.
    browser_ = qm::createBrowserView(WebBrowser1);
    browser_->setObjectName(QStringLiteral("WebView"));
    if (!WebBrowser1->layout()) {
      auto* layout = new QVBoxLayout(WebBrowser1);
      layout->setContentsMargins(0, 0, 0, 0);
    }
    WebBrowser1->layout()->addWidget(browser_);
    browserLost_ = false;
    connect(viewOf(browser_)->page(), &QWebEnginePage::renderProcessTerminated, this,
            [this] { browserLost_ = true; });
  }
  Memo1->hide();
  WebBrowser1->show();
  // A page never saved shows from the private folder, which holds nothing else.
  const std::string caption = Caption().toStdString();
  const std::string folder = qm::paths::folderOf(caption);
  const bool saved = qm::paths::isAbsolute(caption) && !folder.empty();
  viewOf(browser_)->load(previewSite_->show(saved ? QString::fromStdString(folder) : previewDir_->path(),
                                            QString::fromStdString(qm::paths::fileNameOf(caption)), file));
  previewing_ = true;
  BitBtn1->setEnabled(true);
  BitBtn2->setEnabled(true);
  Button4->setEnabled(false);
  Button1->setEnabled(false);
}

void TWorkForm::RemovePreviewFile() {
  if (previewDir_) QFile::remove(PreviewFile());
}

void TWorkForm::EditMode() {
  if (previewing_) RemovePreviewFile();
  previewing_ = false;
  WebBrowser1->hide();
  Memo1->show();
  Memo1->setFocus();
  BitBtn1->setEnabled(false);
  BitBtn2->setEnabled(false);
  Button4->setEnabled(true);
  Button1->setEnabled(true);
}

void TWorkForm::BitBtn1Click() {
  if (browser_ && viewOf(browser_)->history()->canGoBack())
    viewOf(browser_)->back();
  else
    qm::prompts().message(this, QStringLiteral("לא ניתן לעבור לדף הקודם"));
}

void TWorkForm::BitBtn2Click() {
  if (!browser_ || !previewDir_) return;
  qm::writeFileAtomically(PreviewFile(), DocText());
  viewOf(browser_)->reload();
}
