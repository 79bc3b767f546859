#include "wizards/Frame_F.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/wizards/FrameSet.h"
#include "core/wizards/TagAttr.h"
#include "host/InsertTarget.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/Controls.h"
#include "wizards/WizardKit.h"

using qm::makeNamed;

namespace {

const QColor kNavy(0, 0, 0x80);
constexpr int kHelpTopic = 33;

void fill(QFrame* f, const QColor& c) {
  QPalette p = f->palette();
  p.setColor(QPalette::Window, c);
  f->setPalette(p);
}

QColor colourOf(const QFrame* f) { return f->palette().color(QPalette::Window); }

struct RowNames {
  const char *panel, *include, *name, *file, *browse, *scrolling, *border, *fixedSize, *size;
  QColor colour;
};
const RowNames kRows[5] = {
    {"Panel10", nullptr, "Edit1", "Edit2", "Button4", "ComboBox1", "CheckBox1", "CheckBox2", nullptr, QColor(0, 0, 0x80)},
    {"Panel12", "CheckBox12", "Edit3", "Edit4", "Button5", "ComboBox2", "CheckBox3", "CheckBox4", "MaskEdit2",
     QColor(0, 0x80, 0)},
    {"Panel14", "CheckBox13", "Edit5", "Edit6", "Button6", "ComboBox3", "CheckBox5", "CheckBox6", "MaskEdit3",
     QColor(0, 0xFF, 0xFF)},
    {"Panel16", "CheckBox14", "Edit7", "Edit8", "Button7", "ComboBox4", "CheckBox7", "CheckBox8", "MaskEdit4",
     QColor(0xFF, 0, 0)},
    {"panel18", "CheckBox15", "Edit9", "Edit10", "Button8", "ComboBox5", "CheckBox9", "CheckBox10", "MaskEdit5",
     QColor(0xFF, 0xFF, 0)},
};

}  // namespace

TForm8::TForm8(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  qm::wizard::setUpToolWindow(this, "Form8", QStringLiteral("אשף המסגרות"));
  auto* outer = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  RadioGroup1 = makeNamed<QGroupBox>(this, "RadioGroup1", QStringLiteral("חלוקה ראשונית"));
  auto* groupLayout = new QVBoxLayout(RadioGroup1);
  RadioGroup1_0 = makeNamed<QRadioButton>(RadioGroup1, "RadioGroup1_0", QStringLiteral("שורות"));
  RadioGroup1_1 = makeNamed<QRadioButton>(RadioGroup1, "RadioGroup1_1", QStringLiteral("עמודות"));
  groupLayout->addWidget(RadioGroup1_0);
  groupLayout->addWidget(RadioGroup1_1);
  RadioGroup1_0->setChecked(true);
  top->addWidget(RadioGroup1);
  auto* controls = new QVBoxLayout;
  CheckBox11 = makeNamed<QCheckBox>(this, "CheckBox11", QStringLiteral("גבול מסגרת"));
  Button1 = makeNamed<QPushButton>(this, "Button1", QStringLiteral("הוספה"));
  Button2 = makeNamed<QPushButton>(this, "Button2", QStringLiteral("סגור"));
  Button3 = makeNamed<QPushButton>(this, "Button3", QStringLiteral("עזרה"));
  for (QWidget* w : {static_cast<QWidget*>(CheckBox11), static_cast<QWidget*>(Button1),
                     static_cast<QWidget*>(Button2), static_cast<QWidget*>(Button3)})
    controls->addWidget(w);
  top->addLayout(controls);

  // The schematic: a navy square with a strip along each edge and a square in each corner.
  Panel1 = makeNamed<QFrame>(this, "Panel1");
  Panel1->setLayoutDirection(Qt::LeftToRight);
  Panel1->setFixedSize(72, 72);
  Panel1->setAutoFillBackground(true);
  fill(Panel1, kNavy);
  const struct {
    QFrame** panel;
    const char* name;
    QRect rect;
  } parts[] = {{&Panel2, "Panel2", {12, 0, 48, 12}},  {&Panel3, "Panel3", {12, 60, 48, 12}},
               {&Panel4, "Panel4", {0, 12, 12, 48}},  {&Panel5, "Panel5", {60, 12, 12, 48}},
               {&Panel6, "Panel6", {0, 0, 12, 12}},   {&Panel7, "Panel7", {0, 60, 12, 12}},
               {&Panel8, "Panel8", {60, 0, 12, 12}},  {&Panel9, "Panel9", {60, 60, 12, 12}}};
  for (const auto& p : parts) {
    *p.panel = makeNamed<QFrame>(Panel1, p.name);
    (*p.panel)->setGeometry(p.rect);
    (*p.panel)->setFrameShape(QFrame::Box);
    (*p.panel)->setAutoFillBackground(true);
    fill(*p.panel, kNavy);
  }
  top->addWidget(Panel1);
  outer->addLayout(top);

  for (int k = 0; k < 5; ++k) outer->addWidget(buildRow(k));
  Frames[3].panel->hide();
  Frames[4].panel->hide();

  connect(RadioGroup1_0, &QRadioButton::toggled, this, [this](bool on) {
    if (on) RadioGroup1Click();
  });
  connect(RadioGroup1_1, &QRadioButton::toggled, this, [this](bool on) {
    if (on) RadioGroup1Click();
  });
  connect(Button1, &QPushButton::clicked, this, qm::guarded([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, qm::guarded([this] { hide(); }));
  connect(Button3, &QPushButton::clicked, this, qm::guarded([] { qm::showHelp(kHelpTopic); }));
  qm::cancelOnEscape(this, Button2);
  qm::wizard::centre(this, 20);
}

QWidget* TForm8::buildRow(int k) {
  const RowNames& n = kRows[k];
  FrameRow& row = Frames[static_cast<std::size_t>(k)];
  row.colour = n.colour;
  row.panel = makeNamed<QFrame>(this, n.panel);
  row.panel->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QHBoxLayout(row.panel);
  auto* swatch = new QFrame(row.panel);
  swatch->setAutoFillBackground(true);
  swatch->setFixedWidth(24);
  fill(swatch, n.colour);
  auto* swatchLayout = new QHBoxLayout(swatch);
  swatchLayout->setContentsMargins(4, 0, 4, 0);
  layout->addWidget(swatch);
  if (n.include) {
    row.include = makeNamed<QCheckBox>(swatch, n.include);
    swatchLayout->addWidget(row.include);
  }
  auto label = [&](const char* text) { layout->addWidget(new QLabel(QString::fromUtf8(text), row.panel)); };
  label("שם :");
  row.name = makeNamed<QLineEdit>(row.panel, n.name);
  layout->addWidget(row.name);
  label("קובץ :");
  row.file = makeNamed<QLineEdit>(row.panel, n.file);
  layout->addWidget(row.file);
  row.browse = makeNamed<QPushButton>(row.panel, n.browse, QStringLiteral("..."));
  layout->addWidget(row.browse);
  label("גלילה : ");
  row.scrolling = makeNamed<QComboBox>(row.panel, n.scrolling);
  row.scrolling->addItems({QStringLiteral("אוטומטי"), QStringLiteral("כן"), QStringLiteral("לא")});
  layout->addWidget(row.scrolling);
  row.border = makeNamed<QCheckBox>(row.panel, n.border, QStringLiteral(": גבול"));
  layout->addWidget(row.border);
  row.fixedSize = makeNamed<QCheckBox>(row.panel, n.fixedSize, QStringLiteral(": גודל קבוע"));
  layout->addWidget(row.fixedSize);
  if (n.size) {
    label("גודל : ");
    row.size = makeNamed<QLineEdit>(row.panel, n.size, QStringLiteral("50"));
    row.size->setMaximumWidth(48);
    layout->addWidget(row.size);
  }

  connect(row.browse, &QPushButton::clicked, this, qm::guarded([this, k] {
    qm::FileDialogRequest req;
    req.filters = {QStringLiteral("HTML dcuments (*.HTM,*.HTML)|*.htm*")};
    if (const auto chosen = qm::prompts().openFile(this, req)) Frames[static_cast<std::size_t>(k)].file->setText(chosen->path);
  }));
  if (row.include) {
    QCheckBox* include = row.include;
    connect(row.file, &QLineEdit::textChanged, this, [include](const QString& s) { include->setChecked(!s.isEmpty()); });
    connect(row.include, &QCheckBox::toggled, this, [this, k] { IncludeClick(k); });
  }
  return row.panel;
}

bool TForm8::columnsPrimary() const { return RadioGroup1_1->isChecked(); }

void TForm8::showSecondary(bool show) {
  const int a = columnsPrimary() ? qm::wizards::TopFrame : qm::wizards::LeftFrame;
  for (int k : {a, a + 1}) {
    FrameRow& row = Frames[static_cast<std::size_t>(k)];
    row.panel->setVisible(show);
    if (!show) row.include->setChecked(false);
  }
}

void TForm8::RadioGroup1Click() {
  const int p = columnsPrimary() ? qm::wizards::LeftFrame : qm::wizards::TopFrame;
  Frames[static_cast<std::size_t>(p)].panel->show();
  Frames[static_cast<std::size_t>(p + 1)].panel->show();
  if (!Frames[static_cast<std::size_t>(p)].include->isChecked() &&
      !Frames[static_cast<std::size_t>(p + 1)].include->isChecked())
    showSecondary(false);
  BorderCol();
}

void TForm8::IncludeClick(int k) {
  const FrameRow& row = Frames[static_cast<std::size_t>(k)];
  QFrame* strips[5] = {nullptr, Panel2, Panel3, Panel4, Panel5};
  fill(strips[k], row.include->isChecked() ? row.colour : kNavy);
  const int p = columnsPrimary() ? qm::wizards::LeftFrame : qm::wizards::TopFrame;
  if (k == p || k == p + 1) {
    const int other = k == p ? p + 1 : p;
    if (row.include->isChecked())
      showSecondary(true);
    else if (!Frames[static_cast<std::size_t>(other)].include->isChecked())
      showSecondary(false);
  }
  BorderCol();
}

void TForm8::BorderCol() {
  // Each corner follows the strip of the first division beside it, else the other one.
  auto pick = [](QFrame* first, QFrame* second) {
    const QColor c = colourOf(first);
    return c == kNavy ? colourOf(second) : c;
  };
  if (columnsPrimary()) {
    fill(Panel6, pick(Panel4, Panel2));
    fill(Panel7, pick(Panel4, Panel3));
    fill(Panel8, pick(Panel5, Panel2));
    fill(Panel9, pick(Panel5, Panel3));
  } else {
    fill(Panel6, pick(Panel2, Panel4));
    fill(Panel7, pick(Panel3, Panel4));
    fill(Panel8, pick(Panel2, Panel5));
    fill(Panel9, pick(Panel3, Panel5));
  }
}

void TForm8::Button1Click() {
  qm::PageView* page = host_.ActivePage();
  if (!page) return;
  qm::wizards::FrameSetChoices c;
  c.columnsPrimary = columnsPrimary();
  c.border = CheckBox11->isChecked();
  for (std::size_t k = 0; k < 5; ++k) {
    const FrameRow& row = Frames[k];
    qm::wizards::FrameChoice& f = c.frames[k];
    f.included = row.include ? row.include->isChecked() : true;
    f.name = qm::toCp1255(row.name->text());
    f.file = qm::toCp1255(row.file->text());
    f.size = row.size ? qm::toCp1255(row.size->text()) : std::string();
    f.scrolling = row.scrolling->currentIndex();
    f.border = row.border->isChecked();
    f.fixedSize = row.fixedSize->isChecked();
  }
  std::vector<std::string> lines{""};
  for (std::string& l : qm::wizards::frameSetLines(c)) lines.push_back(std::move(l));
  page->PageOneStep([&] {
    const std::int64_t title = qm::wizards::findNoCase(page->PageText(), "</title>", 0);
    if (title >= 0) page->PageSelect(static_cast<std::int32_t>(title + 8), 0);
    host_.TInsert(lines);
  });
}
