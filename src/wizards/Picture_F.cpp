#include "wizards/Picture_F.h"
#include "platform/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "host/InsertTarget.h"
#include "hebrew/HebEdit.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/Prompts.h"

namespace {

using qm::named;

}  // namespace

TForm4::TForm4(qm::InsertTarget& host) : TWizardForm(host, "Form4", QStringLiteral("הוספת תמונה")) {
  auto* grid = new QGridLayout(this);
  Button1 = named(new QPushButton(QStringLiteral("סייר"), this), "Button1");
  Edit1 = named(new QLineEdit(QStringLiteral("Picture.pic"), this), "Edit1");
  Edit1->setLayoutDirection(Qt::LeftToRight);
  Edit1->setMinimumWidth(220);
  grid->addWidget(Button1, 0, 0);
  grid->addWidget(Edit1, 0, 1);
  CheckBox1 = named(new QCheckBox(QStringLiteral("טקסט חלופי"), this), "CheckBox1");
  Edit2 = named(new THebEdit(QStringLiteral("הכנס טקסט"), this), "Edit2");
  grid->addWidget(CheckBox1, 1, 0);
  grid->addWidget(Edit2, 1, 1);
  CheckBox2 = named(new QCheckBox(QStringLiteral("יישור"), this), "CheckBox2");
  ComboBox1 = named(new QComboBox(this), "ComboBox1");
  // "BUTTOM" is the item's spelling; pages made with it keep working.
  ComboBox1->addItems({QStringLiteral("LEFT"), QStringLiteral("RIGHT"), QStringLiteral("TOP"),
                       QStringLiteral("BUTTOM"), QStringLiteral("MIDDLE")});
  ComboBox1->setCurrentIndex(-1);
  grid->addWidget(CheckBox2, 2, 0);
  grid->addWidget(ComboBox1, 2, 1);
  auto* buttons = new QHBoxLayout;
  Button2 = named(new QPushButton(QStringLiteral("הוסף"), this), "Button2");
  Button3 = named(new QPushButton(QStringLiteral("סגור"), this), "Button3");
  buttons->addWidget(Button2);
  buttons->addWidget(Button3);
  buttons->addStretch(1);
  grid->addLayout(buttons, 3, 0, 1, 2);

  connect(Edit2, &QLineEdit::textChanged, CheckBox1, [this] { CheckBox1->setChecked(true); });
  connect(ComboBox1, &QComboBox::currentIndexChanged, CheckBox2, [this](int i) {
    if (i >= 0) CheckBox2->setChecked(true);
  });
  FollowLanguage(Edit2, true, true);
  connect(Button1, &QPushButton::clicked, this, qm::guarded(this, &TForm4::Button1Click));
  connect(Button2, &QPushButton::clicked, this, qm::guarded(this, &TForm4::Button2Click));
  connect(Button3, &QPushButton::clicked, this, qm::guarded(this, &TForm4::Button3Click));
  qm::cancelOnEscape(this, Button3);
  FitAndCentre();
}

void TForm4::ShowForInsertion() {
  show();
  raise();
  activateWindow();
}

void TForm4::ShowForRequest(const QString& file) {
  Edit1->setText(file);
  ShowForInsertion();
}

std::string TForm4::BuildElement() {
  Edit1->setText(qm::fromCp1255(host_.TruncPath(qm::toCp1255(Edit1->text()))));
  qm::wizard::ImageFields f;
  f.src = qm::toCp1255(Edit1->text());
  f.useAlt = CheckBox1->isChecked();
  f.alt = qm::toCp1255(Edit2->text());
  f.useAlign = CheckBox2->isChecked();
  f.align = qm::toCp1255(ComboBox1->currentText());
  return qm::wizard::imageElement(f);
}

void TForm4::Button1Click() {
  qm::FileDialogRequest req;
  req.filters = qm::pictureFilters();
  if (const auto chosen = qm::prompts().openFile(this, req)) Edit1->setText(chosen->path);
}

void TForm4::Button2Click() {
  ResultState = 2;
  if (!Waiting()) host_.insrt2ln(BuildElement());
  hide();
}

void TForm4::Button3Click() {
  ResultState = 1;
  hide();
}

std::string TForm4::gettext() {
  if (!WaitForConfirmation()) return {};
  return BuildElement();
}
