#include "wizards/Table_F.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "core/wizards/TableMarkup.h"
#include "host/InsertTarget.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/KeyboardLayout.h"
#include "platform/Prompts.h"
#include "platform/Controls.h"
#include "wizards/WizardKit.h"
#include "wizards/Table2_F.h"

using qm::wizards::FieldNumber;
using qm::makeNamed;

namespace {

const QString kRangeMessage = QStringLiteral("הזן ערכים בין 1 ל 99 בלבד");

// The number in a field, or nothing after telling the user why not (an
// empty field is refused silently when `emptyIsSilent`).
std::optional<int> fieldNumber(QWidget* parent, const QLineEdit* field, bool emptyIsSilent) {
  const std::string text = qm::toCp1255(field->text());
  const FieldNumber n = qm::wizards::readFieldNumber(text);
  if (n.status == FieldNumber::Number) return n.value;
  if (n.status == FieldNumber::Empty && emptyIsSilent) return std::nullopt;
  qm::prompts().error(parent, qm::notAnIntegerText(field->text()));
  return std::nullopt;
}

std::optional<int> count(QWidget* parent, const QLineEdit* field) {
  const std::optional<int> n = fieldNumber(parent, field, true);
  if (n && (*n < 1 || *n > TForm11::kMax)) {
    qm::prompts().message(parent, kRangeMessage);
    return std::nullopt;
  }
  return n;
}

}  // namespace

TForm10::TForm10(qm::InsertTarget& host) : QWidget(nullptr), host_(host), grid_(std::make_unique<TForm11>(host)) {
  qm::wizard::setUpToolWindow(this, "Form10", QStringLiteral("אשף הטבלאות"));
  auto* outer = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto field = [&](const char* name, const char* label, const char* labelText, const char* initial) {
    auto* edit = makeNamed<QLineEdit>(this, name, QString::fromUtf8(initial));
    form->addRow(makeNamed<QLabel>(this, label, QString::fromUtf8(labelText)), edit);
    return edit;
  };
  MaskEdit1 = field("MaskEdit1", "Label1", "מספר שורות", "10");
  MaskEdit2 = field("MaskEdit2", "Label2", "מספר עמודות", "10");
  MaskEdit3 = field("MaskEdit3", "Label5", "עובי מסגרת", "4");
  MaskEdit4 = field("MaskEdit4", "Label6", "רוחב טבלה", "50");
  Edit1 = field("Edit1", "Label3", "כותרת כללית", "Caption");
  Edit2 = field("Edit2", "Label4", "כותרת טבלה", "Header");
  outer->addLayout(form);
  ProgressBar1 = makeNamed<QProgressBar>(this, "ProgressBar1");
  ProgressBar1->setRange(0, 100);
  ProgressBar1->hide();
  outer->addWidget(ProgressBar1);
  auto* buttons = new QHBoxLayout;
  Button1 = makeNamed<QPushButton>(this, "Button1", QStringLiteral("ביטול"));
  Button2 = makeNamed<QPushButton>(this, "Button2", QStringLiteral("<< הבא"));
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  outer->addLayout(buttons);

  grid_->Head = [this] {
    return TForm11::TableHead{qm::toCp1255(MaskEdit3->text()), qm::toCp1255(MaskEdit4->text()),
                              qm::toCp1255(Edit1->text()), qm::toCp1255(Edit2->text())};
  };
  connect(Button1, &QPushButton::clicked, this, qm::guarded([this] { hide(); }));
  connect(Button2, &QPushButton::clicked, this, qm::guarded([this] { Button2Click(); }));
  qm::cancelOnEscape(this, Button1);
  qm::wizard::centre(this);
}

TForm10::~TForm10() = default;

void TForm10::Open() {
  grid_->hide();
  qm::present(this);
}

void TForm10::Button2Click() {
  if (!count(this, MaskEdit1) || !count(this, MaskEdit2)) return;
  // The width is checked too before anything is built, so a failure never
  // leaves a half-built grid.
  if (!fieldNumber(this, MaskEdit4, false)) return;
  grid_->hide();
  grid_->FreeCells();
  Create_Table();
  hide();
  qm::SetHebrew();
  grid_->showMaximized();
  grid_->raise();
}

void TForm10::Create_Table() {
  auto value = [](const QLineEdit* e) { return qm::wizards::readFieldNumber(qm::toCp1255(e->text())).value; };
  grid_->CreateTable(value(MaskEdit2), value(MaskEdit1), value(MaskEdit4), ProgressBar1);
}
