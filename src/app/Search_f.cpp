#include "app/Search_f.h"
#include "platform/Controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <string>

#include "core/text/FindReplace.h"
#include "host/PageHost.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/Prompts.h"

namespace {

const QString kFind = QStringLiteral("חפש");
const QString kFindAgain = QStringLiteral("חפש שוב");

using qm::named;

}  // namespace

TForm9::TForm9(qm::PageHost& host) : QDialog(host.HostWindow()), host_(host) {
  setObjectName(QStringLiteral("Form9"));
  setLayoutDirection(Qt::RightToLeft);
  setModal(false);
  setWindowFlag(Qt::Tool, true);

  auto* grid = new QGridLayout(this);
  Label1 = named(new QLabel(QStringLiteral("טקסט לחיפוש"), this), "Label1");
  Edit1 = named(new QLineEdit(this), "Edit1");
  Label2 = named(new QLabel(QStringLiteral(" :החלף ב"), this), "Label2");
  Edit2 = named(new QLineEdit(this), "Edit2");
  CheckBox1 = named(new QCheckBox(QStringLiteral("הבדל בין אות גדולה/קטנה (case sensitive)"), this), "CheckBox1");
  Button1 = named(new QPushButton(kFind, this), "Button1");
  Button2 = named(new QPushButton(QStringLiteral("סגור"), this), "Button2");
  Button1->setDefault(true);
  Edit1->setMinimumWidth(260);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Edit1, 0, 1);
  grid->addWidget(Label2, 1, 0);
  grid->addWidget(Edit2, 1, 1);
  grid->addWidget(CheckBox1, 2, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  grid->addLayout(buttons, 3, 0, 1, 2);

  connect(Button1, &QPushButton::clicked, this, qm::guarded(this, &TForm9::Button1Click));
  connect(Button2, &QPushButton::clicked, this, qm::guarded(this, &TForm9::Button2Click));
  connect(Edit1, &QLineEdit::textChanged, this, &TForm9::Edit1Change);
  // Escape closes the window as "סגור" does.
  connect(this, &QDialog::rejected, this, &TForm9::Button2Click);

  // Creation: centred and hidden, searching from the start.
  Centre();
  LastFindPos = -1;
}

void TForm9::Centre() {
  adjustSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect r = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
}

bool TForm9::ReplaceMode() const { return !Edit2->isHidden(); }

void TForm9::ShowFind() {
  Button1->setText(kFind);
  setWindowTitle(QStringLiteral("חפש טקסט"));
  Label2->hide();
  Edit2->hide();
  show();
  raise();
  activateWindow();
  LastFindPos = -1;
}

void TForm9::ShowReplace() {
  Button1->setText(QStringLiteral("החלף"));
  setWindowTitle(QStringLiteral("החלף טקסט"));
  Label2->show();
  Edit2->show();
  show();
  raise();
  activateWindow();
  LastFindPos = -1;
}

void TForm9::Edit1Change() {
  LastFindPos = -1;
  if (!ReplaceMode()) Button1->setText(kFind);
}

void TForm9::Button2Click() {
  Centre();
  hide();
  LastFindPos = -1;
}

void TForm9::Button1Click() {
  if (ReplaceMode()) ReplaceAll();
  else FindNext();
}

void TForm9::UpdateFindCaption() { Button1->setText(LastFindPos >= 0 ? kFindAgain : kFind); }

void TForm9::FindNext() {
  const std::string typed = qm::toCp1255(Edit1->text());
  qm::PageView* page = host_.ActivePage();
  if (!typed.empty() && page != nullptr) {
    const qm::find::Pattern p = qm::find::makePattern(typed, CheckBox1->isChecked(), host_.Standard());
    const std::int64_t r = qm::find::findNext(page->PageText(), p, std::max(LastFindPos, 0));
    if (r < 0) {
      qm::prompts().message(this, QStringLiteral("!! טקסט לא נמצא"));
      LastFindPos = -1;
    } else {
      const auto length = static_cast<std::int32_t>(typed.size());
      page->PageSelect(static_cast<std::int32_t>(r), length);
      // The next search starts right after this match.
      LastFindPos = static_cast<std::int32_t>(r) + length;
    }
  }
  UpdateFindCaption();
}

void TForm9::ReplaceAll() {
  // The buttons stay off while the page is rewritten, so it cannot start twice.
  struct ButtonsOff {
    TForm9* w;
    explicit ButtonsOff(TForm9* f) : w(f) {
      w->Button1->setEnabled(false);
      w->Button2->setEnabled(false);
    }
    ~ButtonsOff() {
      w->Button1->setEnabled(true);
      w->Button2->setEnabled(true);
    }
  } off(this);

  qm::PageView* page = host_.ActivePage();
  if (page == nullptr) return;
  const std::string typed = qm::toCp1255(Edit1->text());
  const std::string replacement = qm::toCp1255(Edit2->text());
  std::int64_t count = 0;
  // One pass over the text and one change of the page: one undo step and one
  // colouring however many occurrences there are (a page without any still
  // gets its step, which gives the same text back).
  page->PageOneStep([&] {
    if (typed.empty()) return;
    const qm::find::Pattern p = qm::find::makePattern(typed, CheckBox1->isChecked(), host_.Standard());
    const qm::find::Replaced r = qm::find::replaceAll(page->PageText(), p, replacement);
    count = r.count;
    if (count == 0) return;
    page->PageReplaceAll(r.text);
    page->PageSelect(static_cast<std::int32_t>(r.caret), 0);
  });
  if (!typed.empty()) {
    qm::prompts().message(this, count > 0 ? QString::number(count) + QStringLiteral(" : מספר החלפות")
                                          : QStringLiteral("טקסט לא נמצא"));
  }
  LastFindPos = -1;
  hide();
  page->PageFocus();
}
