#include "wizards/Link_F.h"
#include "platform/Controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/InsertTarget.h"
#include "hebrew/HebEdit.h"
#include "hebrew/HebLabel.h"
#include "hebrew/HebRadioButton.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/Prompts.h"

namespace {

using qm::named;

QFrame* swatch(QWidget* parent, const char* name) {
  auto* f = named(new QFrame(parent), name);
  f->setFrameShape(QFrame::Box);
  f->setFixedSize(24, 20);
  f->setAutoFillBackground(true);
  return f;
}

std::string bytes(const QLineEdit* e) { return qm::toCp1255(e->text()); }

}  // namespace

TForm3::TForm3(qm::InsertTarget& host) : TWizardForm(host, "Form3", QStringLiteral("הוספת היפר קישור")) {
  auto* top = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  top->addLayout(grid);
  int row = 0;
  Label1 = named(new QLabel(QStringLiteral("URL כתובת"), this), "Label1");
  Edit1 = named(new QLineEdit(QStringLiteral("http://"), this), "Edit1");
  Edit1->setLayoutDirection(Qt::LeftToRight);
  grid->addWidget(Label1, row, 0);
  grid->addWidget(Edit1, row++, 1, 1, 2);
  CheckBox1 = named(new QCheckBox(QStringLiteral("שם מסגרת היעד"), this), "CheckBox1");
  Edit4 = named(new QLineEdit(QStringLiteral("Target Frame"), this), "Edit4");
  Edit4->setLayoutDirection(Qt::LeftToRight);
  grid->addWidget(CheckBox1, row, 0);
  grid->addWidget(Edit4, row++, 1, 1, 2);
  Label4 = named(new THebLabel(QStringLiteral("טקסט :הטקסט המסומן"), this), "Label4");
  grid->addWidget(Label4, row++, 0, 1, 3);
  HebRadioButton1 = named(new THebRadioButton(QStringLiteral("טקסט"), this), "HebRadioButton1");
  Edit2 = named(new THebEdit(QStringLiteral("הקישור שלי"), this), "Edit2");
  grid->addWidget(HebRadioButton1, row, 0);
  grid->addWidget(Edit2, row++, 1, 1, 2);
  HebRadioButton2 = named(new THebRadioButton(QStringLiteral("תמונה"), this), "HebRadioButton2");
  Edit3 = named(new QLineEdit(QStringLiteral("Picture.pic"), this), "Edit3");
  Edit3->setLayoutDirection(Qt::LeftToRight);
  Button1 = named(new QPushButton(QStringLiteral("..."), this), "Button1");
  grid->addWidget(HebRadioButton2, row, 0);
  grid->addWidget(Edit3, row, 1);
  grid->addWidget(Button1, row++, 2);
  HebRadioButton1->setChecked(true);
  auto handlerRow = [&](QCheckBox*& box, QLabel*& label, QLineEdit*& edit, const char* boxName,
                        const char* labelName, const char* editName, const QString& caption) {
    auto* pair = new QHBoxLayout;
    box = named(new QCheckBox(this), boxName);
    label = named(new QLabel(caption, this), labelName);
    pair->addWidget(box);
    pair->addWidget(label);
    edit = named(new QLineEdit(this), editName);
    edit->setLayoutDirection(Qt::LeftToRight);
    grid->addLayout(pair, row, 0);
    grid->addWidget(edit, row++, 1, 1, 2);
  };
  handlerRow(CheckBox2, Label2, Edit5, "CheckBox2", "Label2", "Edit5", QStringLiteral("OnMouseOver פונקציות "));
  handlerRow(CheckBox3, Label3, Edit6, "CheckBox3", "Label3", "Edit6", QStringLiteral("OnMouseOut פונקציות "));

  // The effects panel: the mouse-over column at the right, mouse-out at the left.
  Panel1 = named(new QFrame(this), "Panel1");
  Panel1->setFrameShape(QFrame::StyledPanel);
  auto* fx = new QGridLayout(Panel1);
  Label5 = named(new QLabel(QStringLiteral("עכבר על קישור :"), Panel1), "Label5");
  Label6 = named(new QLabel(QStringLiteral("עכבר לא על קישור :"), Panel1), "Label6");
  fx->addWidget(Label5, 0, 0, 1, 2);
  fx->addWidget(Label6, 0, 3, 1, 3);
  CheckBox6 = named(new QCheckBox(QStringLiteral("שנה צבע רקע ל"), Panel1), "CheckBox6");
  Button4 = named(new QPushButton(QStringLiteral("..."), Panel1), "Button4");
  Panel2 = swatch(Panel1, "Panel2");
  Label8 = named(new QLabel(QStringLiteral("שנה צבע רקע ל"), Panel1), "Label8");
  Button6 = named(new QPushButton(QStringLiteral("..."), Panel1), "Button6");
  Panel3 = swatch(Panel1, "Panel3");
  CheckBox5 = named(new QCheckBox(QStringLiteral("שנה צבע טקסט ל"), Panel1), "CheckBox5");
  Button5 = named(new QPushButton(QStringLiteral("..."), Panel1), "Button5");
  Panel4 = swatch(Panel1, "Panel4");
  Label7 = named(new QLabel(QStringLiteral("שנה צבע טקסט ל"), Panel1), "Label7");
  Button7 = named(new QPushButton(QStringLiteral("..."), Panel1), "Button7");
  Panel5 = swatch(Panel1, "Panel5");
  CheckBox4 = named(new QCheckBox(QStringLiteral("הדגש טקסט"), Panel1), "CheckBox4");
  const struct {
    QWidget *check, *overButton, *overSwatch, *label, *outButton, *outSwatch;
  } rows[] = {{CheckBox6, Button4, Panel2, Label8, Button6, Panel3}, {CheckBox5, Button5, Panel4, Label7, Button7, Panel5}};
  int r = 1;
  for (const auto& rw : rows) {
    int c = 0;
    for (QWidget* w : {rw.check, rw.overButton, rw.overSwatch, rw.label, rw.outButton, rw.outSwatch}) fx->addWidget(w, r, c++);
    ++r;
  }
  fx->addWidget(CheckBox4, r, 0);
  Panel1->hide();
  top->addWidget(Panel1);

  auto* buttons = new QHBoxLayout;
  // Made in the order Tab reaches them: from the right.
  Button2 = named(new QPushButton(QStringLiteral("הוסף"), this), "Button2");
  Button3 = named(new QPushButton(QStringLiteral("סגור"), this), "Button3");
  Button8 = named(new QPushButton(QStringLiteral("אפקט CSS"), this), "Button8");
  buttons->addWidget(Button2);
  buttons->addWidget(Button3);
  buttons->addStretch(1);
  buttons->addWidget(Button8);
  top->addLayout(buttons);

  // Typing into a field ticks its box.
  connect(Edit4, &QLineEdit::textChanged, CheckBox1, [this] { CheckBox1->setChecked(true); });
  connect(Edit5, &QLineEdit::textChanged, CheckBox2, [this] { CheckBox2->setChecked(true); });
  connect(Edit6, &QLineEdit::textChanged, CheckBox3, [this] { CheckBox3->setChecked(true); });
  FollowLanguage(Edit2, true, true);
  FollowLanguage(Edit4, false, false);
  connect(Button1, &QPushButton::clicked, this, qm::guarded(this, &TForm3::Button1Click));
  connect(Button2, &QPushButton::clicked, this, qm::guarded(this, &TForm3::Button2Click));
  connect(Button3, &QPushButton::clicked, this, qm::guarded(this, &TForm3::Button3Click));
  connect(Button8, &QPushButton::clicked, this, qm::guarded(this, &TForm3::Button8Click));
  connect(Button4, &QPushButton::clicked, this, qm::guarded([this] { ColourButtonClick(CheckBox6, OverBackColor, Panel2); }));
  connect(Button6, &QPushButton::clicked, this, qm::guarded([this] { ColourButtonClick(CheckBox6, OutBackColor, Panel3); }));
  connect(Button5, &QPushButton::clicked, this, qm::guarded([this] { ColourButtonClick(CheckBox5, OverTextColor, Panel4); }));
  connect(Button7, &QPushButton::clicked, this, qm::guarded([this] { ColourButtonClick(CheckBox5, OutTextColor, Panel5); }));
  qm::cancelOnEscape(this, Button3);

  Label4->hide();
  FitAndCentre();
}

void TForm3::SetContentShown(bool shown) {
  for (QWidget* w : {static_cast<QWidget*>(HebRadioButton1), static_cast<QWidget*>(HebRadioButton2),
                     static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Button1)})
    w->setVisible(shown);
  Label4->setVisible(!shown);
}

void TForm3::ShowForInsertion() {
  qm::PageView* page = host_.ActivePage();
  SetContentShown(!(page && page->PageSelLength() != 0));
  show();
  raise();
  activateWindow();
}

void TForm3::ShowForRequest(const QString& address) {
  Edit1->setText(address);
  SetContentShown(true);
  show();
  raise();
  activateWindow();
}

void TForm3::FormActivate() { HebRadioButton1->setChecked(true); }

qm::wizard::LinkFields TForm3::Fields(bool withEffects) const {
  qm::wizard::LinkFields f;
  f.href = bytes(Edit1);
  f.useTarget = CheckBox1->isChecked();
  f.target = bytes(Edit4);
  f.useOver = CheckBox2->isChecked();
  f.over = bytes(Edit5);
  f.useOut = CheckBox3->isChecked();
  f.out = bytes(Edit6);
  f.effects = {withEffects && !Panel1->isHidden(), CheckBox4->isChecked(), CheckBox6->isChecked(),
               CheckBox5->isChecked(), OverBackColor, OutBackColor, OverTextColor, OutTextColor};
  f.imageContent = HebRadioButton2->isChecked();
  f.text = bytes(Edit2);
  f.image = bytes(Edit3);
  return f;
}

void TForm3::TruncImage() { Edit3->setText(qm::fromCp1255(host_.TruncPath(bytes(Edit3)))); }

void TForm3::Button1Click() {
  qm::FileDialogRequest req;
  req.filters = qm::pictureFilters();
  if (const auto chosen = qm::prompts().openFile(this, req)) Edit3->setText(chosen->path);
}

void TForm3::Button2Click() {
  ResultState = 2;
  TruncImage();
  if (!Waiting()) {
    const qm::wizard::LinkFields f = Fields(true);
    qm::PageView* page = host_.ActivePage();
    if (page && page->PageSelLength() != 0)
      host_.insrt2smrt2(qm::wizard::linkOpenTag(f), "</A>");
    else
      host_.insrt2ln(qm::wizard::linkElement(f, host_.Standard()));
  }
  hide();
}

void TForm3::Button3Click() {
  ResultState = 1;
  hide();
}

void TForm3::Button8Click() { Panel1->setHidden(!Panel1->isHidden()); }

void TForm3::ColourButtonClick(QCheckBox* row, std::string& field, QFrame* swatchFrame) {
  row->setChecked(true);
  field = host_.PickColor();
  // A cancelled dialog leaves the colour empty, and the swatch shows none.
  QPalette pal;
  if (!field.empty()) pal.setColor(QPalette::Window, QColor(QStringLiteral("#") + QString::fromStdString(field)));
  swatchFrame->setPalette(pal);
}

std::string TForm3::GetText() {
  if (!WaitForConfirmation()) return {};
  TruncImage();
  return qm::wizard::linkElement(Fields(false), host_.Standard());
}
