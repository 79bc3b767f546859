#include "app/Help_F.h"
#include "platform/Controls.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/Version.h"
#include "platform/Shell.h"

// The pages are compiled into this static library; register them before use.
static void initHelpResources() { Q_INIT_RESOURCE(help); }

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  initHelpResources();
  setObjectName(QStringLiteral("HelpForm"));
  setAttribute(Qt::WA_QuitOnClose, false);  // the main window's closing ends the program
  setLayoutDirection(Qt::RightToLeft);
  setWindowTitle(QStringLiteral("עזרה - ") + QString::fromUtf8(qm::VersionTitle));
  resize(520, 480);
  Browser = new QTextBrowser(this);
  Browser->setObjectName(QStringLiteral("HelpBrowser"));
  Browser->setOpenExternalLinks(true);
  Browser->setSearchPaths({QStringLiteral(":/help")});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Browser);
  qm::cancelOnEscape(this);
}

QString THelpForm::TopicPage(int topic) {
  initHelpResources();
  if (topic != 0) {
    const QString page = QStringLiteral(":/help/topic%1.htm").arg(topic);
    if (QFile::exists(page)) return page;
  }
  return QStringLiteral(":/help/index.htm");
}

void THelpForm::ShowTopic(int topic) {
  Browser->setSource(QUrl(QStringLiteral("qrc") + TopicPage(topic)), QTextDocument::HtmlResource);
  show();
  raise();
  activateWindow();
}

void installHelpWindow() {
  qm::setHelpViewer([](int topic) {
    static THelpForm* window = nullptr;
    if (!window) window = new THelpForm;
    window->ShowTopic(topic);
  });
}
