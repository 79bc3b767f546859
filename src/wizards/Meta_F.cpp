#include "wizards/Meta_F.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/wizards/MetaTags.h"
#include "host/InsertTarget.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/Controls.h"
#include "wizards/WizardKit.h"

using qm::wizards::MetaKind;
using qm::makeNamed;

namespace {

std::size_t at(MetaKind k) { return static_cast<std::size_t>(k); }

}  // namespace

TForm18::TForm18(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  qm::wizard::setUpToolWindow(this, "Form18", QStringLiteral(" META אשף"));
  auto* grid = new QGridLayout(this);
  auto row = [&](int r, QCheckBox*& tick, const char* tickName, const char* hebrew, const char* field,
                 QWidget* editor) {
    tick = makeNamed<QCheckBox>(this, tickName);
    grid->addWidget(tick, r, 0);
    grid->addWidget(new QLabel(QString::fromUtf8(hebrew), this), r, 1);
    grid->addWidget(editor, r, 2);
    grid->addWidget(new QLabel(QString::fromLatin1(field), this), r, 3);
  };
  Edit1 = makeNamed<QLineEdit>(this, "Edit1");
  Edit2 = makeNamed<QLineEdit>(this, "Edit2");
  Edit3 = makeNamed<QLineEdit>(this, "Edit3");
  Edit4 = makeNamed<QLineEdit>(this, "Edit4");
  Edit5 = makeNamed<QLineEdit>(this, "Edit5");
  Edit6 = makeNamed<QLineEdit>(this, "Edit6");
  ComboBox1 = makeNamed<QComboBox>(this, "ComboBox1");
  ComboBox1->setEditable(true);
  ComboBox1->addItems({QStringLiteral("text/html; charset=ISO-8859-8"), QStringLiteral("text/html; charset=windows-1255")});
  auto* refresh = new QWidget(this);
  auto* refreshRow = new QHBoxLayout(refresh);
  refreshRow->setContentsMargins(0, 0, 0, 0);
  refreshRow->addWidget(Edit4, 1);
  refreshRow->addWidget(new QLabel(QStringLiteral("תוך"), refresh));
  refreshRow->addWidget(Edit5);
  refreshRow->addWidget(new QLabel(QStringLiteral("שניות"), refresh));
  row(0, CheckBox1, "CheckBox1", "שם המחבר", "author", Edit1);
  row(1, CheckBox2, "CheckBox2", "תאור האתר", "description", Edit2);
  row(2, CheckBox3, "CheckBox3", "מילות מפתח למנועי החיפוש", "keywords", Edit3);
  row(3, CheckBox4, "CheckBox4", "עבור לכתובת", "refresh", refresh);
  row(4, CheckBox5, "CheckBox5", "תכולת עמוד ", "Content-Type", ComboBox1);
  row(5, CheckBox6, "CheckBox6", "זכיות יוצרים", "copyright", Edit6);
  auto* buttons = new QHBoxLayout;
  Button1 = makeNamed<QPushButton>(this, "Button1", QStringLiteral("אישור"));
  Button2 = makeNamed<QPushButton>(this, "Button2", QStringLiteral("בטל"));
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  grid->addLayout(buttons, 6, 0, 1, 4);
  // Tab goes row by row, each from its tick on the right to its field.
  QWidget* order[] = {CheckBox1, Edit1,     CheckBox2, Edit2, CheckBox3, Edit3,   CheckBox4, Edit4,
                      Edit5,     CheckBox5, ComboBox1, CheckBox6, Edit6,  Button1, Button2};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  // A field ticks its kind while it holds text (the refresh kind follows the address).
  const std::pair<QLineEdit*, QCheckBox*> links[] = {
      {Edit1, CheckBox1}, {Edit2, CheckBox2}, {Edit3, CheckBox3}, {Edit4, CheckBox4}, {Edit6, CheckBox6}};
  for (const auto& [edit, tick] : links) {
    QCheckBox* t = tick;
    connect(edit, &QLineEdit::textChanged, this, [t](const QString& s) { t->setChecked(!s.isEmpty()); });
  }
  connect(ComboBox1, &QComboBox::editTextChanged, this, [this](const QString& s) { CheckBox5->setChecked(!s.isEmpty()); });
  connect(Button1, &QPushButton::clicked, this, qm::guarded([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, qm::guarded([this] { hide(); }));
  qm::cancelOnEscape(this, Button2);
  clearFields();
  qm::wizard::centre(this);
}

std::array<QCheckBox*, 6> TForm18::ticks() const {
  return {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6};
}

void TForm18::clearFields() {
  for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) e->clear();
  ComboBox1->setEditText(QString());
  for (QCheckBox* t : ticks()) t->setChecked(false);
}

void TForm18::LoadFromDocument(qm::PageView* page) {
  hide();
  clearFields();
  if (page) {
    const qm::wizards::MetaChoices c = qm::wizards::readMetaChoices(page->PageToProgram(page->PageText()));
    auto value = [&c](MetaKind k) { return qm::fromCp1255(c.values[at(k)]); };
    Edit1->setText(value(MetaKind::Author));
    Edit2->setText(value(MetaKind::Description));
    Edit3->setText(value(MetaKind::Keywords));
    Edit4->setText(value(MetaKind::Refresh));
    Edit5->setText(qm::fromCp1255(c.seconds));
    ComboBox1->setEditText(value(MetaKind::ContentType));
    Edit6->setText(value(MetaKind::Copyright));
    // After the fields, which tick a kind only while they hold text.
    const auto t = ticks();
    for (std::size_t i = 0; i < t.size(); ++i) t[i]->setChecked(c.ticked[i]);
  }
  qm::present(this);
}

void TForm18::Button1Click() {
  qm::PageView* page = host_.ActivePage();
  if (!page) return;
  qm::wizards::MetaChoices c;
  const auto t = ticks();
  for (std::size_t i = 0; i < t.size(); ++i) c.ticked[i] = t[i]->isChecked();
  c.values[at(MetaKind::Author)] = qm::toCp1255(Edit1->text());
  c.values[at(MetaKind::Description)] = qm::toCp1255(Edit2->text());
  c.values[at(MetaKind::Keywords)] = qm::toCp1255(Edit3->text());
  c.values[at(MetaKind::Refresh)] = qm::toCp1255(Edit4->text());
  c.values[at(MetaKind::ContentType)] = qm::toCp1255(ComboBox1->currentText());
  c.values[at(MetaKind::Copyright)] = qm::toCp1255(Edit6->text());
  c.seconds = qm::toCp1255(Edit5->text());

  page->PageOneStep([&] {
    const qm::wizards::MetaEditPlan plan = qm::wizards::planMetaEdit(page->PageText(), c.ticked);
    for (const auto& tag : plan.removals) {
      page->PageSelect(static_cast<std::int32_t>(tag.start), static_cast<std::int32_t>(tag.end - tag.start + 1));
      page->PageReplaceSelection(std::string());
    }
    page->PageSelect(static_cast<std::int32_t>(plan.insertAt), 0);
    host_.TInsert(qm::wizards::metaLines(c));
  });
  hide();
}
