#include "wizards/Special_F.h"
#include "platform/Controls.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "core/wizards/ElementMarkup.h"
#include "host/InsertTarget.h"
#include "wizards/WizardKit.h"
#include "platform/Application.h"

TForm13::TForm13(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  qm::wizard::setUpToolWindow(this, "Form13", QStringLiteral("סימנים מיוחדים"));
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  // Left to right, as the references read.
  setLayoutDirection(Qt::LeftToRight);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  for (std::size_t i = 0; i < Buttons.size(); ++i) {
    const qm::wizards::SpecialCharacter& c = qm::wizards::kSpecialCharacters[i];
    const QByteArray name = "Button" + QByteArray::number(static_cast<int>(i) + 1);
    QPushButton* b = qm::wizard::button(this, name.constData(), QString::fromUtf8(c.caption));
    b->setFixedSize(20, 20);
    b->setFocusPolicy(Qt::NoFocus);  // the page keeps the keyboard
    connect(b, &QPushButton::clicked, this, qm::guarded([this, ref = std::string(c.reference)] { host_.insrt2(ref); }));
    row->addWidget(b);
    Buttons[i] = b;
  }
  qm::cancelOnEscape(this);
  qm::wizard::centre(this);
}
