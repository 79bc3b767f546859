#include "wizards/Forms_F.h"
#include "platform/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/text/Lines.h"
#include "core/wizards/ElementMarkup.h"
#include "host/InsertTarget.h"
#include "wizards/WizardKit.h"
#include "platform/Application.h"

using namespace qm::wizard;

namespace {

QWidget* sheet(QTabWidget* tabs, const char* name, const QString& caption, const QString& heading) {
  auto* w = new QWidget(tabs);
  w->setObjectName(QString::fromLatin1(name));
  auto* v = new QVBoxLayout(w);
  v->addWidget(label(w, heading));
  v->addLayout(new QGridLayout);
  tabs->addTab(w, caption);
  return w;
}

QGridLayout* grid(QWidget* sheet) {
  return static_cast<QGridLayout*>(static_cast<QVBoxLayout*>(sheet->layout())->itemAt(1)->layout());
}

// A track bar whose value label shows its position.
QSlider* shownTrackBar(QWidget* parent, const char* name, int min, int max, int value, const char* labelName,
                       QLabel** valueLabel) {
  QSlider* s = trackBar(parent, name, min, max, 10, value);
  QLabel* l = label(parent, QString::number(value), labelName);
  QObject::connect(s, &QSlider::valueChanged, l, [l](int v) { l->setNum(v); });
  *valueLabel = l;
  return s;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& caption, QRadioButton* a, QRadioButton* b) {
  auto* g = new QGroupBox(caption, parent);
  g->setObjectName(QString::fromLatin1(name));
  auto* v = new QVBoxLayout(g);
  a->setParent(g);
  b->setParent(g);
  v->addWidget(a);
  v->addWidget(b);
  a->setChecked(true);
  return g;
}

}  // namespace

TForm15::TForm15(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  setUpToolWindow(this, "Form15", QStringLiteral("אשף טפסים"));
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  (new QVBoxLayout(this))->addWidget(PageControl1);

  // Text line.
  TabSheet1 = sheet(PageControl1, "TabSheet1", QStringLiteral("שורת טקסט"), QStringLiteral("תיבת טקסט"));
  QGridLayout* g = grid(TabSheet1);
  RadioButton1 = radio(TabSheet1, "RadioButton1", QStringLiteral("טקסט רגיל"));
  RadioButton2 = radio(TabSheet1, "RadioButton2", QStringLiteral("סיסמה"));
  RadioGroup1 = group(TabSheet1, "RadioGroup1", QStringLiteral("סוג תיבה"), RadioButton1, RadioButton2);
  Edit1 = edit(TabSheet1, "Edit1");
  Edit2 = edit(TabSheet1, "Edit2");
  TrackBar1 = shownTrackBar(TabSheet1, "TrackBar1", 0, 100, 20, "Label10", &Label10);
  TrackBar2 = shownTrackBar(TabSheet1, "TrackBar2", 0, 50, 15, "Label11", &Label11);
  g->addWidget(RadioGroup1, 0, 0, 1, 3);
  g->addWidget(label(TabSheet1, QStringLiteral("שם אובייקט")), 1, 0);
  g->addWidget(Edit1, 1, 1, 1, 2);
  g->addWidget(label(TabSheet1, QStringLiteral("ערך התחלתי")), 2, 0);
  g->addWidget(Edit2, 2, 1, 1, 2);
  g->addWidget(label(TabSheet1, QStringLiteral("גודל")), 3, 0);
  g->addWidget(TrackBar1, 3, 1);
  g->addWidget(Label10, 3, 2);
  g->addWidget(label(TabSheet1, QStringLiteral("מספר אותיות מקסימלי")), 4, 0);
  g->addWidget(TrackBar2, 4, 1);
  g->addWidget(Label11, 4, 2);
  Button1 = addButtons(TabSheet1, "Button1", "Button2", &TForm15::Button1Click);

  // Text area.
  TabSheet2 = sheet(PageControl1, "TabSheet2", QStringLiteral("טקסט"), QStringLiteral("מסמך טקסט"));
  g = grid(TabSheet2);
  Edit3 = edit(TabSheet2, "Edit3");
  TrackBar4 = shownTrackBar(TabSheet2, "TrackBar4", 1, 120, 15, "Label16", &Label16);
  TrackBar3 = shownTrackBar(TabSheet2, "TrackBar3", 1, 60, 50, "Label15", &Label15);
  Memo1 = new QPlainTextEdit(TabSheet2);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  CheckBox2 = checkBox(TabSheet2, "CheckBox2", QStringLiteral("קריאה בלבד"));
  CheckBox3 = checkBox(TabSheet2, "CheckBox3", QStringLiteral("  לא פעיל"));
  g->addWidget(label(TabSheet2, QStringLiteral("שם אובייקט")), 0, 0);
  g->addWidget(Edit3, 0, 1, 1, 2);
  g->addWidget(label(TabSheet2, QStringLiteral("מספר שורות")), 1, 0);
  g->addWidget(TrackBar4, 1, 1);
  g->addWidget(Label16, 1, 2);
  g->addWidget(label(TabSheet2, QStringLiteral("מספר טורים")), 2, 0);
  g->addWidget(TrackBar3, 2, 1);
  g->addWidget(Label15, 2, 2);
  g->addWidget(Memo1, 3, 0, 1, 3);
  g->addWidget(CheckBox2, 4, 0);
  g->addWidget(CheckBox3, 4, 1);
  Button3 = addButtons(TabSheet2, "Button3", "Button4", &TForm15::Button3Click);

  // Selection list.
  TabSheet3 = sheet(PageControl1, "TabSheet3", QStringLiteral("רשימה"), QStringLiteral("רשימת אפשריות"));
  g = grid(TabSheet3);
  Edit4 = edit(TabSheet3, "Edit4");
  Edit5 = edit(TabSheet3, "Edit5");
  Button11 = button(TabSheet3, "Button11", QStringLiteral("הוסף לרשימה"));
  ListBox1 = new QListWidget(TabSheet3);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ComboBox1 = list(TabSheet3, "ComboBox1", {});
  Button12 = button(TabSheet3, "Button12", QStringLiteral("נקה רשימה"));
  g->addWidget(label(TabSheet3, QStringLiteral("שם אובייקט")), 0, 0);
  g->addWidget(Edit4, 0, 1, 1, 2);
  g->addWidget(label(TabSheet3, QStringLiteral("הכנס פריט חדש")), 1, 0);
  g->addWidget(Edit5, 1, 1);
  g->addWidget(Button11, 1, 2);
  g->addWidget(label(TabSheet3, QStringLiteral("רשימת אפשרויות")), 2, 0);
  g->addWidget(ListBox1, 2, 1, 1, 2);
  g->addWidget(label(TabSheet3, QStringLiteral("בחר את ברירת המחדל")), 3, 0);
  g->addWidget(ComboBox1, 3, 1);
  g->addWidget(Button12, 3, 2);
  Button5 = addButtons(TabSheet3, "Button5", "Button6", &TForm15::Button5Click);
  connect(Button11, &QPushButton::clicked, this, qm::guarded([this] { Button11Click(); }));
  connect(Button12, &QPushButton::clicked, this, qm::guarded([this] { Button12Click(); }));

  // Check box or radio button.
  TabSheet4 = sheet(PageControl1, "TabSheet4", QStringLiteral("תיבת סימון"), QStringLiteral("תיבות סימון"));
  g = grid(TabSheet4);
  RadioButton3 = radio(TabSheet4, "RadioButton3", QStringLiteral("תיבת סימון"));
  RadioButton4 = radio(TabSheet4, "RadioButton4", QStringLiteral("  בחירה מרובת ברירות  (RADIO GROUP) "));
  RadioGroup2 = group(TabSheet4, "RadioGroup2", QStringLiteral("סוג"), RadioButton3, RadioButton4);
  Edit6 = edit(TabSheet4, "Edit6");
  CheckBox1 = checkBox(TabSheet4, "CheckBox1", QStringLiteral("מסומן"));
  g->addWidget(RadioGroup2, 0, 0, 1, 2);
  g->addWidget(label(TabSheet4, QStringLiteral("שם אובייקט")), 1, 0);
  g->addWidget(Edit6, 1, 1);
  g->addWidget(CheckBox1, 2, 0);
  Button7 = addButtons(TabSheet4, "Button7", "Button8", &TForm15::Button7Click);

  // Push button.
  TabSheet5 = sheet(PageControl1, "TabSheet5", QStringLiteral("כפתור"), QStringLiteral("כפתור"));
  g = grid(TabSheet5);
  ComboBox2 = list(TabSheet5, "ComboBox2", {QStringLiteral("SUBMIT"), QStringLiteral("RESET")});
  Edit7 = edit(TabSheet5, "Edit7");
  g->addWidget(label(TabSheet5, QStringLiteral("סוג")), 0, 0);
  g->addWidget(ComboBox2, 0, 1);
  g->addWidget(label(TabSheet5, QStringLiteral("טקסט")), 1, 0);
  g->addWidget(Edit7, 1, 1);
  Button9 = addButtons(TabSheet5, "Button9", "Button10", &TForm15::Button9Click);

  PageControl1->setCurrentWidget(TabSheet5);
  qm::cancelOnEscape(this);  // each page's cancel only hides the window
  centre(this);
}

QPushButton* TForm15::addButtons(QWidget* sheet, const char* ok, const char* cancel, void (TForm15::*click)()) {
  QPushButton* okButton = button(sheet, ok, QStringLiteral("אישור"));
  QPushButton* cancelButton = button(sheet, cancel, QStringLiteral("ביטול"));
  auto* row = new QHBoxLayout;
  row->addWidget(okButton);
  row->addWidget(cancelButton);
  static_cast<QVBoxLayout*>(sheet->layout())->addLayout(row);
  connect(okButton, &QPushButton::clicked, this, qm::guarded([this, click] { (this->*click)(); }));
  connect(cancelButton, &QPushButton::clicked, this, &QWidget::hide);
  return okButton;
}

void TForm15::insertLines(const std::vector<std::string>& lines) {
  qm::PageView* page = host_.ActivePage();
  if (!page || lines.empty()) return;
  page->PageOneStep([&] { host_.TInsert(lines); });
}

void TForm15::Button1Click() {
  host_.insrt2ln(qm::wizards::textLineInput(RadioButton2->isChecked(), bytes(Edit1), bytes(Edit2),
                                            TrackBar1->value(), TrackBar2->value()));
  hide();
}

void TForm15::Button3Click() {
  const std::vector<std::string> memo = qm::lines::split(qm::lines::toCrLf(bytes(Memo1->toPlainText())));
  insertLines(qm::wizards::textArea(bytes(Edit3), TrackBar4->value(), TrackBar3->value(), CheckBox2->isChecked(),
                                    CheckBox3->isChecked(), memo));
  hide();
}

void TForm15::Button5Click() {
  std::vector<std::string> options;
  for (int i = 0; i < ListBox1->count(); ++i) options.push_back(bytes(ListBox1->item(i)->text()));
  insertLines(qm::wizards::selectList(bytes(Edit4), options, ComboBox1->currentIndex()));
  hide();
}

void TForm15::Button7Click() {
  host_.insrt2ln(qm::wizards::checkInput(RadioButton4->isChecked(), bytes(Edit6), CheckBox1->isChecked()));
  hide();
}

void TForm15::Button9Click() {
  host_.insrt2ln(qm::wizards::buttonInput(bytes(ComboBox2->currentText()), bytes(Edit7)));
  hide();
}

void TForm15::Button11Click() {
  if (Edit5->text().isEmpty()) return;
  // A new option never becomes the default by itself.
  const int chosen = ComboBox1->currentIndex();
  ComboBox1->addItem(Edit5->text());
  ComboBox1->setCurrentIndex(chosen);
  ListBox1->addItem(Edit5->text());
  Edit5->clear();
}

void TForm15::Button12Click() {
  ComboBox1->clear();
  ListBox1->clear();
}
