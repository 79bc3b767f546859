#include "app/Goto_F.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/text/FindReplace.h"
#include "host/PageHost.h"
#include "platform/Application.h"
#include "platform/Prompts.h"

TForm17::TForm17(qm::PageHost& host) : QDialog(host.HostWindow()), host_(host) {
  setObjectName(QStringLiteral("Form17"));
  setWindowTitle(QStringLiteral("לך לשורה"));
  setLayoutDirection(Qt::RightToLeft);
  setModal(false);
  setWindowFlag(Qt::Tool, true);

  auto* column = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  Label1 = new QLabel(QStringLiteral(": לך לשורה מספר "), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  row->addWidget(Label1);
  row->addWidget(Edit1);
  column->addLayout(row);
  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  column->addWidget(Bevel1);
  auto* buttons = new QHBoxLayout;
  Button1 = new QPushButton(QStringLiteral("בצע"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("בטל"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  buttons->addStretch(1);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  column->addLayout(buttons);
  // Sized to its contents.
  column->setSizeConstraint(QLayout::SetFixedSize);

  connect(Button1, &QPushButton::clicked, this, qm::guarded(this, &TForm17::Button1Click));
  connect(Button2, &QPushButton::clicked, this, qm::guarded(this, &TForm17::Button2Click));
  connect(this, &QDialog::rejected, this, &TForm17::Button2Click);

  adjustSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect r = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
}

void TForm17::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormShow();
}

void TForm17::FormShow() {
  qm::PageView* page = host_.ActivePage();
  if (page == nullptr) return;
  const std::int32_t caret = page->PageSelStart();
  Edit1->setText(QString::number(qm::find::lineNumberAt(page->PageText(), caret)));
  Edit1->selectAll();
}

void TForm17::Button1Click() {
  bool ok = false;
  const int n = Edit1->text().trimmed().toInt(&ok, 10);
  if (!ok) {
    qm::prompts().error(this, qm::notAnIntegerText(Edit1->text()));
    return;
  }
  qm::PageView* page = host_.ActivePage();
  if (page == nullptr) return;
  const std::optional<std::int64_t> at = qm::find::lineEndOffset(page->PageText(), n);
  if (!at) {
    qm::prompts().message(this, QStringLiteral("לא בתחום"));
    return;
  }
  page->PageSelect(static_cast<std::int32_t>(*at), 0);
  hide();
  page->PageFocus();
}

void TForm17::Button2Click() { hide(); }
