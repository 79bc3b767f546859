#include "wizards/Font_F.h"
#include "platform/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/wizards/ElementMarkup.h"
#include "host/InsertTarget.h"
#include "wizards/WizardKit.h"
#include "platform/Application.h"

using namespace qm::wizard;

TForm6::TForm6(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  setUpToolWindow(this, "Form6", QStringLiteral("עריכת הגופן"));
  auto* grid = new QGridLayout(this);
  QStringList sizes;
  for (int i = 7; i >= 0; --i) sizes << QStringLiteral("+%1").arg(i);
  for (int i = 1; i <= 7; ++i) sizes << QStringLiteral("-%1").arg(i);
  for (int i = 1; i <= 7; ++i) sizes << QString::number(i);
  const QStringList fonts = QFontDatabase::families();

  CheckBox1 = checkBox(this, "CheckBox1", QStringLiteral("גודל"));
  ComboBox1 = list(this, "ComboBox1", sizes);
  CheckBox3 = checkBox(this, "CheckBox3", QStringLiteral("גופן"));
  ComboBox2 = list(this, "ComboBox2", fonts);
  CheckBox4 = checkBox(this, "CheckBox4", QStringLiteral("חלופי"));
  ComboBox3 = list(this, "ComboBox3", fonts);
  CheckBox2 = checkBox(this, "CheckBox2", QString());
  colourLabel_ = label(this, QStringLiteral("צבע"));
  Button3 = button(this, "Button3", QStringLiteral("בחר צבע"));
  grid->addWidget(CheckBox1, 0, 0);
  grid->addWidget(ComboBox1, 0, 1, 1, 2);
  grid->addWidget(CheckBox3, 1, 0);
  grid->addWidget(ComboBox2, 1, 1, 1, 2);
  grid->addWidget(CheckBox4, 2, 0);
  grid->addWidget(ComboBox3, 2, 1, 1, 2);
  auto* colourRow = new QHBoxLayout;
  colourRow->addWidget(CheckBox2);
  colourRow->addWidget(colourLabel_);
  grid->addLayout(colourRow, 3, 0);
  grid->addWidget(Button3, 3, 1);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::StyledPanel);
  auto* preview = new QHBoxLayout(Panel1);
  Label5 = label(Panel1, QStringLiteral("ABcd"), "Label5");
  Label6 = label(Panel1, QStringLiteral("1234"), "Label6");
  Label7 = label(Panel1, QStringLiteral("אבגד"), "Label7");
  for (QLabel* l : {Label5, Label6, Label7}) preview->addWidget(l);
  grid->addWidget(Panel1, 4, 0, 1, 3);

  Button1 = button(this, "Button1", QStringLiteral("הוסף"));
  Button2 = button(this, "Button2", QStringLiteral("סגור"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  grid->addLayout(buttons, 5, 0, 1, 3);

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    CheckBox1->setChecked(true);
    UpdatePreview();
  });
  connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    CheckBox3->setChecked(true);
    UpdatePreview();
  });
  connect(ComboBox3, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i >= 0) CheckBox4->setChecked(true);
  });
  connect(Button3, &QPushButton::clicked, this, qm::guarded([this] { Button3Click(); }));
  connect(Button1, &QPushButton::clicked, this, qm::guarded([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, &QWidget::hide);
  qm::cancelOnEscape(this, Button2);
  centre(this);
}

std::string TForm6::Colour() const {
  const std::string last = host_.LastColor();
  return last.empty() ? std::string("000000") : last;
}

void TForm6::Button3Click() {
  CheckBox2->setChecked(true);
  // A cancelled dialog keeps the colour chosen before (the host keeps it).
  host_.PickColor();
  const QString style = QStringLiteral("color: #%1;").arg(QString::fromLatin1(Colour().c_str()));
  for (QLabel* l : {colourLabel_, Label5, Label6, Label7}) l->setStyleSheet(style);
}

void TForm6::UpdatePreview() {
  for (QLabel* l : {Label5, Label6, Label7}) {
    QFont f = l->font();
    if (ComboBox2->currentIndex() >= 0) f.setFamily(ComboBox2->currentText());
    if (ComboBox1->currentIndex() >= 0) {
      const int points = qm::wizards::fontPreviewPoints(bytes(ComboBox1->currentText()));
      if (points > 0) f.setPointSize(points);
    }
    l->setFont(f);
  }
}

void TForm6::Button1Click() {
  qm::wizards::FontChoice c;
  c.useSize = CheckBox1->isChecked();
  c.size = bytes(ComboBox1->currentText());
  c.useColor = CheckBox2->isChecked();
  c.color = Colour();
  c.useFace = CheckBox3->isChecked();
  c.face = bytes(ComboBox2->currentText());
  c.useSecondFace = CheckBox4->isChecked();
  c.secondFace = bytes(ComboBox3->currentText());
  host_.insrt2smrt2(qm::wizards::fontStartTag(c), std::string(qm::wizards::kFontEndTag));
  hide();
}
