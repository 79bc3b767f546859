#include "app/Help_F.h"
#include "platform/Controls.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "core/Version.h"
#include "platform/Application.h"
#include "platform/Shell.h"

// The pages are compiled into this static library; register them before use.
static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace {

struct HelpPage {
  QString file;   // "link.htm"
  QString title;  // the page's TITLE
  QString text;   // what the page shows, as plain text
};

// Every help page once, read when the first search needs them.
const std::vector<HelpPage>& helpPages() {
  static const std::vector<HelpPage> pages = [] {
    std::vector<HelpPage> out;
    const QStringList files = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
      QFile f(QStringLiteral(":/help/") + file);
      if (!f.open(QIODevice::ReadOnly)) continue;
      QTextDocument doc;
      doc.setHtml(QString::fromUtf8(f.readAll()));
      out.push_back({file, doc.metaInformation(QTextDocument::DocumentTitle), doc.toPlainText()});
    }
    return out;
  }();
  return pages;
}

}  // namespace

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  initHelpResources();
  setObjectName(QStringLiteral("HelpForm"));
  setAttribute(Qt::WA_QuitOnClose, false);  // the main window's closing ends the program
  setLayoutDirection(Qt::RightToLeft);
  setWindowTitle(QStringLiteral("עזרה - ") + QString::fromUtf8(qm::VersionTitle));
  resize(560, 500);

  BackButton = qm::makeButton(this, "BackButton", QStringLiteral("חזרה"));
  BackButton->setToolTip(QStringLiteral("הדף הקודם (Alt+Left)"));
  BackButton->setShortcut(QKeySequence::Back);
  BackButton->setEnabled(false);
  HomeButton = qm::makeButton(this, "HomeButton", QStringLiteral("תוכן העניינים"));
  SearchEdit = qm::makeNamed<QLineEdit>(this, "SearchEdit");
  SearchEdit->setPlaceholderText(QStringLiteral("חיפוש בעזרה"));
  SearchEdit->setClearButtonEnabled(true);
  SearchEdit->setToolTip(QStringLiteral("הדפים שבהם מופיע הטקסט; Enter: המקום הבא בדף המוצג"));
  TopicList = qm::makeNamed<QListWidget>(this, "TopicList");
  TopicList->setMaximumHeight(110);
  TopicList->hide();
  Browser = new QTextBrowser(this);
  Browser->setObjectName(QStringLiteral("HelpBrowser"));
  Browser->setOpenExternalLinks(true);
  Browser->setSearchPaths({QStringLiteral(":/help")});

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(6, 6, 6, 0);
  bar->addWidget(BackButton);
  bar->addWidget(HomeButton);
  bar->addWidget(SearchEdit, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(bar);
  layout->addWidget(TopicList);
  layout->addWidget(Browser, 1);

  connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QPushButton::setEnabled);
  connect(BackButton, &QPushButton::clicked, Browser, &QTextBrowser::backward);
  connect(HomeButton, &QPushButton::clicked, this, qm::guarded([this] {
            Browser->setSource(QUrl(QStringLiteral("qrc") + TopicPage(0)), QTextDocument::HtmlResource);
          }));
  connect(SearchEdit, &QLineEdit::textChanged, this, qm::guarded(this, &THelpForm::SearchChange));
  connect(SearchEdit, &QLineEdit::returnPressed, this, qm::guarded(this, &THelpForm::FindNext));
  connect(TopicList, &QListWidget::itemActivated, this, qm::guarded(this, &THelpForm::TopicListClick));
  connect(TopicList, &QListWidget::itemClicked, this, qm::guarded(this, &THelpForm::TopicListClick));
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

void THelpForm::SearchChange() {
  TopicList->clear();
  const QString term = SearchEdit->text().simplified();
  TopicList->setVisible(!term.isEmpty());
  if (term.isEmpty()) return;
  for (const HelpPage& page : helpPages()) {
    if (!page.text.contains(term, Qt::CaseInsensitive) && !page.title.contains(term, Qt::CaseInsensitive)) continue;
    auto* item = new QListWidgetItem(page.title, TopicList);
    item->setData(Qt::UserRole, page.file);
  }
  if (TopicList->count() == 0) {
    auto* none = new QListWidgetItem(QStringLiteral("לא נמצא בעזרה"), TopicList);
    none->setFlags(Qt::NoItemFlags);
  }
}

void THelpForm::TopicListClick() {
  const QListWidgetItem* item = TopicList->currentItem();
  if (!item || item->data(Qt::UserRole).toString().isEmpty()) return;
  Browser->setSource(QUrl(QStringLiteral("qrc:/help/") + item->data(Qt::UserRole).toString()), QTextDocument::HtmlResource);
  Browser->moveCursor(QTextCursor::Start);
  FindNext();
}

void THelpForm::FindNext() {
  const QString term = SearchEdit->text().simplified();
  if (term.isEmpty()) return;
  if (!Browser->find(term)) {
    Browser->moveCursor(QTextCursor::Start);
    Browser->find(term);
  }
}

void installHelpWindow() {
  qm::setHelpViewer([](int topic) {
    static THelpForm* window = nullptr;
    if (!window) window = new THelpForm;
    window->ShowTopic(topic);
  });
}
