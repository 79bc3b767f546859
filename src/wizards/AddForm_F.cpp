#include "wizards/AddForm_F.h"
#include "platform/Controls.h"

#include <QComboBox>
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

TForm16::TForm16(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  setUpToolWindow(this, "Form16", QStringLiteral("הוסף טופס"));
  auto* grid = new QGridLayout(this);
  ComboBox1 = list(this, "ComboBox1", {QStringLiteral("POST"), QStringLiteral("GET")});
  Edit1 = edit(this, "Edit1");
  Edit2 = edit(this, "Edit2");
  grid->addWidget(label(this, QStringLiteral("( METHOD )  שיטה ")), 0, 0);
  grid->addWidget(ComboBox1, 0, 1);
  grid->addWidget(label(this, QStringLiteral("פעולה")), 1, 0);
  grid->addWidget(Edit1, 1, 1);
  grid->addWidget(label(this, QStringLiteral("( ENCTYPE)  צופן ")), 2, 0);
  grid->addWidget(Edit2, 2, 1);
  Button2 = button(this, "Button2", QStringLiteral("אישור"));
  Button1 = button(this, "Button1", QStringLiteral("ביטול"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button2);
  buttons->addWidget(Button1);
  grid->addLayout(buttons, 3, 0, 1, 2);
  connect(Button2, &QPushButton::clicked, this, qm::guarded([this] { Button2Click(); }));
  connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
  qm::cancelOnEscape(this, Button1);
  centre(this);
}

void TForm16::Button2Click() {
  const auto [open, close] = qm::wizards::formTags(bytes(ComboBox1->currentText()), bytes(Edit1), bytes(Edit2));
  host_.insrt2smrt2(open, close);
  hide();
}
