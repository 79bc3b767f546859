// The update check (N42) and its download offer TForm19. The site is asked
// for its version file through net/UpdateFetch (at most 15 s of silence);
// N42 stays disabled while a check runs and is always enabled again.
#include "app/Update_F.h"
#include "platform/Controls.h"

#include <QAction>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <utility>

#include "app/Html_U.h"
#include "core/net/PublishText.h"
#include "net/UpdateFetch.h"
#include "platform/Application.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"

#ifndef QM_SITE_ADDRESS
#define QM_SITE_ADDRESS "http://www.quillmark.co.il"
#endif

QString SiteAddress() {
  QString site = qEnvironmentVariable("QUILLMARK_UPDATE_SITE");
  if (site.isEmpty()) site = QStringLiteral(QM_SITE_ADDRESS);
  while (site.endsWith(QLatin1Char('/'))) site.chop(1);
  return site;
}

namespace {

QLabel* namedLabel(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QLatin1String(name));
  return l;
}

}  // namespace

TForm19::TForm19() {
  setObjectName(QStringLiteral("Form19"));
  setWindowTitle(QStringLiteral("הורד גירסה עדכנית"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_QuitOnClose, false);
  setLayoutDirection(Qt::RightToLeft);

  auto* grid = new QGridLayout(this);
  Label1 = namedLabel(this, "Label1", QStringLiteral("קיימת גירסה חדשה יותר"));
  // The installed version as the build numbers it.
  Label2 = namedLabel(this, "Label2",
                      QString::fromStdString(qm::net::versionTitle(qm::net::OwnVersion)) +
                          QStringLiteral(" : הגרסה שברשותך "));
  Label3 = namedLabel(this, "Label3", QStringLiteral(" : הגרסה העדכנית "));
  Label4 = namedLabel(this, "Label4", QString());
  Button1 = new QPushButton(QStringLiteral("הורד עכשיו"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  grid->addWidget(Label1, 0, 0, 1, 2);
  grid->addWidget(Label2, 1, 0, 1, 2);
  grid->addWidget(Label3, 2, 0);
  grid->addWidget(Label4, 2, 1);
  Button2 = new QPushButton(QStringLiteral("סגור"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  grid->addWidget(Button1, 3, 0);
  grid->addWidget(Button2, 3, 1);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  connect(Button1, &QPushButton::clicked, this, qm::guarded(this, &TForm19::Button1Click));
  connect(Button2, &QPushButton::clicked, this, &QWidget::hide);
  qm::cancelOnEscape(this, Button2);

  adjustSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect r = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
}

void TForm19::Button1Click() { qm::openUrl(SiteAddress() + QStringLiteral("/dlnow.htm")); }

void TForm1::Check_Update() {
  QAction* n42 = Action(QStringLiteral("N42"));
  // One check at a time: N42 is off while one waits.
  if (updateClient_ || (n42 && !n42->isEnabled())) return;
  if (n42) n42->setEnabled(false);
  qm::net::THttpClient client;
  updateClient_ = &client;
  struct Done {
    TForm1* form;
    QAction* n42;
    ~Done() {
      form->updateClient_ = nullptr;
      if (n42) n42->setEnabled(true);
    }
  } done{this, n42};

  const qm::net::UpdateAnswer answer = qm::net::FetchUpdate(client, SiteAddress().toStdString(), updateTimeOut_);
  if (std::exchange(updateAborted_, false)) return;
  const QString text = QString::fromStdString(answer.Text());
  if (answer.reached && answer.verdict.kind == qm::net::UpdateKind::Newer) {
    TForm19* offer = Window<TForm19>();
    offer->Label4->setText(text);
    offer->show();
    offer->raise();
    return;
  }
  if (!text.isEmpty()) qm::prompts().message(this, text);
}
