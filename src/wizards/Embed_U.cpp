#include "wizards/Embed_U.h"
#include "platform/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/markup/MarkupText.h"
#include "core/wizards/ElementMarkup.h"
#include "host/InsertTarget.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/Prompts.h"
#include "wizards/WizardKit.h"

using namespace qm::wizard;

TForm14::TForm14(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  setUpToolWindow(this, "Form14", QStringLiteral("הוספת רכיב מולטימדיה"));
  auto* grid = new QGridLayout(this);
  Edit1 = edit(this, "Edit1");
  Button1 = button(this, "Button1", QStringLiteral("..."));
  grid->addWidget(label(this, QStringLiteral(": שם קובץ ")), 0, 0);
  grid->addWidget(Edit1, 0, 1);
  grid->addWidget(Button1, 0, 2);
  ComboBox1 = list(this, "ComboBox1",
                   {QStringLiteral("ללא"), QStringLiteral("TOP"), QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM"),
                    QStringLiteral("LEFT"), QStringLiteral("RIGHT"), QStringLiteral("TEXTTOP"),
                    QStringLiteral("ABSMIDDLE"), QStringLiteral("ABSBOTTOM ")});
  ComboBox1->setCurrentIndex(0);
  grid->addWidget(label(this, QStringLiteral("יישור")), 1, 0);
  grid->addWidget(ComboBox1, 1, 1);
  GroupBox1 = new QGroupBox(this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* box = new QGridLayout(GroupBox1);
  CheckBox1 = checkBox(GroupBox1, "CheckBox1", QStringLiteral("קבע גודל"));
  Edit2 = edit(GroupBox1, "Edit2", QStringLiteral("100"));
  Edit3 = edit(GroupBox1, "Edit3", QStringLiteral("100"));
  box->addWidget(CheckBox1, 0, 0, 1, 2);
  box->addWidget(label(GroupBox1, QStringLiteral("רוחב")), 1, 0);
  box->addWidget(Edit2, 1, 1);
  box->addWidget(label(GroupBox1, QStringLiteral("אורך")), 2, 0);
  box->addWidget(Edit3, 2, 1);
  grid->addWidget(GroupBox1, 2, 0, 1, 3);
  Button2 = button(this, "Button2", QStringLiteral("הוסף"));
  Button3 = button(this, "Button3", QStringLiteral("ביטול"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button2);
  buttons->addWidget(Button3);
  grid->addLayout(buttons, 3, 0, 1, 3);

  connect(Button1, &QPushButton::clicked, this, qm::guarded([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, qm::guarded([this] { Button2Click(); }));
  connect(Button3, &QPushButton::clicked, this, &QWidget::hide);
  qm::cancelOnEscape(this, Button3);
  // Changing the width ticks the size box; clicking into the height does too.
  connect(Edit2, &QLineEdit::textChanged, CheckBox1, [this] { CheckBox1->setChecked(true); });
  Edit3->installEventFilter(this);
  centre(this);
}

bool TForm14::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit3 && event->type() == QEvent::MouseButtonPress) CheckBox1->setChecked(true);
  return QWidget::eventFilter(watched, event);
}

void TForm14::Button1Click() {
  qm::FileDialogRequest req;
  req.filters = {QStringLiteral("קבצי מולטימדיה (*.avi,*.wav,*.swf,*.mid,*,mov)|*.avi;*.wav;*.swf;*.mov;*.mid"),
                 QStringLiteral("כל הקבצים (*.*)|*.*")};
  if (const auto r = qm::prompts().openFile(this, req)) {
    chosen_ = r->path;
    Edit1->setText(r->path);
  }
}

void TForm14::Button2Click() {
  const qm::PathOrigin origin = Edit1->text() == chosen_ && !chosen_.isEmpty() ? qm::PathOrigin::Chosen
                                                                               : qm::PathOrigin::Typed;
  // The field itself shows the path as the page receives it.
  Edit1->setText(qm::fromCp1255(
      host_.TruncPath(bytes(Edit1), origin)));
  const std::string align = ComboBox1->currentIndex() > 0 ? bytes(ComboBox1->currentText()) : std::string();
  host_.insrt2ln(qm::wizards::embedTag(bytes(Edit1), CheckBox1->isChecked(), bytes(Edit2), bytes(Edit3), align));
  hide();
}
