#include "wizards/Email_F.h"
#include "platform/Controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/wizards/ElementMarkup.h"
#include "host/InsertTarget.h"
#include "wizards/WizardKit.h"
#include "platform/Application.h"

using namespace qm::wizard;

TForm5::TForm5(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  setUpToolWindow(this, "Form5", QStringLiteral("הוספת כתובת דואר אלקטרוני"));
  auto* grid = new QGridLayout(this);
  Edit1 = edit(this, "Edit1", QStringLiteral("Email Address"));
  Edit2 = hebrewEdit(this, "Edit2", QStringLiteral("טקסט"));
  Edit3 = hebrewEdit(this, "Edit3", QStringLiteral("נושא"));
  grid->addWidget(label(this, QStringLiteral("כתובת")), 0, 0);
  grid->addWidget(Edit1, 0, 1);
  grid->addWidget(label(this, QStringLiteral("טקסט")), 1, 0);
  grid->addWidget(Edit2, 1, 1);
  grid->addWidget(label(this, QStringLiteral("נושא")), 2, 0);
  grid->addWidget(Edit3, 2, 1);
  Button1 = button(this, "Button1", QStringLiteral("הוסף"));
  Button2 = button(this, "Button2", QStringLiteral("סגור"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  grid->addLayout(buttons, 3, 0, 1, 2);
  connect(Button1, &QPushButton::clicked, this, qm::guarded([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, &QWidget::hide);
  qm::cancelOnEscape(this, Button2);
  centre(this);
}

void TForm5::Button1Click() {
  host_.insrt2ln(qm::wizards::mailLink(bytes(Edit1), bytes(Edit3), bytes(Edit2), host_.Standard()));
  hide();
}
