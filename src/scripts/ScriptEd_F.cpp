#include "scripts/ScriptEd_F.h"
#include "platform/Controls.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextCursor>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "core/scripts/ScriptEdit.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/KeyboardLayout.h"
#include "platform/Prompts.h"
#include "scripts/ScriptWidgets.h"

namespace sc = qm::scripts;

namespace {

using qm::makeButton;
using qm::named;

// The type codes of RadioButton1 ... RadioButton6.
const char* const kTypeCodes[] = {"I", "S", "SH", "FH", "FP", "C"};

}  // namespace

TForm23::TForm23() : QWidget(nullptr) {
  setObjectName(QStringLiteral("Form23"));
  setWindowTitle(QStringLiteral("הוספת\\עריכת סקריפט"));
  setLayoutDirection(Qt::RightToLeft);
  setAttribute(Qt::WA_QuitOnClose, false);
  buildWindow();
  resize(700, 433);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
  }
}

TForm23::~TForm23() = default;

void TForm23::buildWindow() {
  auto* outer = new QVBoxLayout(this);
  PageControl1 = named(new QTabWidget(this), "PageControl1");
  outer->addWidget(PageControl1);
  const auto page = [this](const char* name, const QString& caption) {
    auto* sheet = named(new QWidget(PageControl1), name);
    PageControl1->addTab(sheet, caption);
    return sheet;
  };
  const auto label = [](QWidget* parent, const QString& text) { return new QLabel(text, parent); };

  // The script's data.
  QWidget* data = page("TabSheet1", QStringLiteral("נתוני סקריפט"));
  auto* grid = new QGridLayout(data);
  Edit1 = named(new QLineEdit(data), "Edit1");
  Edit1->setLayoutDirection(Qt::RightToLeft);
  Memo4 = named(new QPlainTextEdit(data), "Memo4");
  sc::setRightToLeftLines(Memo4);
  Edit2 = named(new QLineEdit(data), "Edit2");
  Edit3 = named(new QLineEdit(data), "Edit3");
  grid->addWidget(label(data, QStringLiteral("שם סקריפט :")), 0, 0);
  grid->addWidget(Edit1, 0, 1);
  grid->addWidget(label(data, QStringLiteral("תאור קצר והסבר התקנה :")), 1, 0);
  grid->addWidget(Memo4, 1, 1);
  grid->addWidget(label(data, QStringLiteral("הוסף פונקציות לארוע OnLoad")), 2, 0);
  grid->addWidget(Edit2, 2, 1);
  grid->addWidget(label(data, QStringLiteral("הוסף פונקציות לארוע OnUnLoad")), 3, 0);
  grid->addWidget(Edit3, 3, 1);
  grid->addWidget(label(data, QStringLiteral("הערות :")), 4, 0);
  grid->addWidget(label(data, QStringLiteral("אם יש יותר מפונק' אחת -")), 4, 1);
  grid->addWidget(label(data, QStringLiteral("יש  להפריד באמצעות \";\"")), 5, 1);
  auto* dataButtons = new QHBoxLayout;
  Button1 = makeButton(data, "Button1", QStringLiteral("בטל"));
  Button9 = makeButton(data, "Button9", QStringLiteral("אפס הכל"));
  dataButtons->addWidget(Button1);
  dataButtons->addWidget(Button9);
  dataButtons->addStretch(1);
  grid->addLayout(dataButtons, 6, 0, 1, 2);

  // The three texts, each with its variable reference button.
  const auto textPage = [&](const char* name, const QString& caption, const QString& prompt, const char* memo,
                            const char* combo, const char* button, QPlainTextEdit*& m, QComboBox*& c,
                            QPushButton*& b) {
    QWidget* sheet = page(name, caption);
    auto* v = new QVBoxLayout(sheet);
    v->addWidget(label(sheet, prompt));
    m = named(new QPlainTextEdit(sheet), memo);
    m->setLayoutDirection(Qt::LeftToRight);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    v->addWidget(m, 1);
    auto* row = new QHBoxLayout;
    c = named(new QComboBox(sheet), combo);
    b = makeButton(sheet, button, QStringLiteral("הוסף משתנה"));
    row->addWidget(c, 1);
    row->addWidget(b);
    v->addLayout(row);
  };
  textPage("TabSheet2", QStringLiteral("טקסט סמן"), QStringLiteral("הכנס טקסט להוספה במקום הסמן : "), "Memo1",
           "ComboBox1", "Button6", Memo1, ComboBox1, Button6);
  textPage("TabSheet3", QStringLiteral("טקסט HEAD"), QStringLiteral("הכנס טקסט להוספה בתוך ה HEAD : "), "Memo2",
           "ComboBox2", "Button7", Memo2, ComboBox2, Button7);
  textPage("TabSheet4", QStringLiteral("טקסט BODY"), QStringLiteral("הכנס טקסט להוספה בתוך ה BODY : "), "Memo3",
           "ComboBox3", "Button8", Memo3, ComboBox3, Button8);

  // The variables.
  QWidget* varsPage = page("TabSheet5", QStringLiteral("משתני סקריפט"));
  auto* vg = new QGridLayout(varsPage);
  vg->addWidget(label(varsPage, QStringLiteral("רשימת משתנים :")), 0, 0, 1, 2);
  ListView1 = sc::makeVarList(varsPage, {QStringLiteral("שם משתנה"), QStringLiteral("תאור"), QStringLiteral("ערך התחלתי")});
  vg->addWidget(ListView1, 1, 0, 1, 2);
  Button4 = makeButton(varsPage, "Button4", QStringLiteral("מחק"));
  Button5 = makeButton(varsPage, "Button5", QStringLiteral("הוסף חדש"));
  auto* listButtons = new QHBoxLayout;
  listButtons->addWidget(Button5);
  listButtons->addWidget(Button4);
  listButtons->addStretch(1);
  vg->addLayout(listButtons, 2, 0, 1, 2);
  Edit4 = named(new QLineEdit(varsPage), "Edit4");
  Edit4->setMaxLength(20);
  Edit5 = named(new QLineEdit(varsPage), "Edit5");
  Edit6 = named(new QLineEdit(varsPage), "Edit6");
  vg->addWidget(label(varsPage, QStringLiteral("שם משתנה")), 3, 0);
  vg->addWidget(Edit4, 3, 1);
  vg->addWidget(label(varsPage, QStringLiteral("תאור משתנה")), 4, 0);
  vg->addWidget(Edit5, 4, 1);
  vg->addWidget(label(varsPage, QStringLiteral("ערך התחלתי")), 5, 0);
  vg->addWidget(Edit6, 5, 1);
  GroupBox1 = named(new QGroupBox(QStringLiteral("סוג משתנה"), varsPage), "GroupBox1");
  auto* types = new QGridLayout(GroupBox1);
  const QString captions[] = {QStringLiteral("מספר"),         QStringLiteral("מחרוזת (משפט) - אנגלית"),
                              QStringLiteral("מחרוזת (משפט) - עברית"), QStringLiteral("קובץ HTML"),
                              QStringLiteral("קובץ תמונה"),    QStringLiteral("צבע")};
  QRadioButton** radios[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5, &RadioButton6};
  for (int k = 0; k < 6; ++k) {
    *radios[k] = new QRadioButton(captions[k], GroupBox1);
    (*radios[k])->setObjectName(QStringLiteral("RadioButton%1").arg(k + 1));
    types->addWidget(*radios[k], k % 3, k / 3);
    const QString code = QString::fromLatin1(kTypeCodes[k]);
    connect(*radios[k], &QRadioButton::toggled, this, [this, code](bool on) {
      if (on) setVarField(3, code);
    });
  }
  RadioButton1->setChecked(true);
  vg->addWidget(GroupBox1, 3, 2, 3, 1);

  // Finishing.
  QWidget* finish = page("TabSheet6", QStringLiteral("סיום ושמירה"));
  auto* fl = new QHBoxLayout(finish);
  Button2 = makeButton(finish, "Button2", QStringLiteral("בטל"));
  Button3 = makeButton(finish, "Button3", QStringLiteral("הוסף"));
  QFont bold = Button3->font();
  bold.setBold(true);
  bold.setPixelSize(16);
  Button3->setFont(bold);
  fl->addWidget(Button3);
  fl->addWidget(Button2);
  fl->addStretch(1);

  connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
  connect(Button2, &QPushButton::clicked, this, &QWidget::hide);
  connect(Button9, &QPushButton::clicked, this, qm::guarded(this, &TForm23::zeroall));
  connect(Button3, &QPushButton::clicked, this, qm::guarded(this, &TForm23::Button3Click));
  connect(Button4, &QPushButton::clicked, this, qm::guarded(this, &TForm23::Button4Click));
  connect(Button5, &QPushButton::clicked, this, qm::guarded(this, &TForm23::Button5Click));
  qm::cancelOnEscape(this);  // both cancel buttons only hide the window
  const std::tuple<QPushButton*, QComboBox*, QPlainTextEdit*> refs[] = {
      {Button6, ComboBox1, Memo1}, {Button7, ComboBox2, Memo2}, {Button8, ComboBox3, Memo3}};
  for (const auto& [button, combo, memo] : refs) {
    connect(button, &QPushButton::clicked, this, qm::guarded([combo = combo, memo = memo] {
      memo->insertPlainText(QStringLiteral("$$") + combo->currentText() + QStringLiteral("$"));
      memo->setFocus();
    }));
  }
  connect(ListView1, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { ListView1SelectItem(current); });
  QAbstractItemModel* model = ListView1->model();
  connect(model, &QAbstractItemModel::rowsInserted, this, &TForm23::refillCombos);
  connect(model, &QAbstractItemModel::rowsRemoved, this, &TForm23::refillCombos);
  connect(model, &QAbstractItemModel::dataChanged, this, &TForm23::refillCombos);
  connect(model, &QAbstractItemModel::modelReset, this, &TForm23::refillCombos);
  connect(Edit4, &QLineEdit::textChanged, this, [this](const QString& t) { setVarField(0, t); });
  connect(Edit5, &QLineEdit::textChanged, this, [this](const QString& t) { setVarField(1, t); });
  connect(Edit6, &QLineEdit::textChanged, this, [this](const QString& t) { setVarField(2, t); });
  for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5}) e->installEventFilter(this);
}

// Clicking the name or a variable's description switches to Hebrew input, the code fields to English.
bool TForm23::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::MouseButtonPress) {
    if (watched == Edit1 || watched == Edit5) qm::SetHebrew();
    if (watched == Edit2 || watched == Edit3 || watched == Edit4) qm::SetEnglish();
  }
  return QWidget::eventFilter(watched, e);
}

void TForm23::setVarField(int column, const QString& text) {
  if (curVar_ != nullptr && curVar_->text(column) != text) curVar_->setText(column, text);
}

void TForm23::refillCombos() {
  QStringList names;
  for (int i = 0; i < ListView1->topLevelItemCount(); ++i) names << ListView1->topLevelItem(i)->text(0);
  for (QComboBox* c : {ComboBox1, ComboBox2, ComboBox3}) {
    const int keep = c->currentIndex();
    c->clear();
    c->addItems(names);
    c->setCurrentIndex(std::min(std::max(keep, 0), static_cast<int>(names.size()) - 1));
  }
}

void TForm23::zeroall() {
  for (QPlainTextEdit* m : {Memo1, Memo2, Memo3, Memo4}) m->clear();
  for (QLineEdit* e : {Edit1, Edit2, Edit3}) e->clear();
  curVar_ = nullptr;
  ListView1->clear();
  for (QComboBox* c : {ComboBox1, ComboBox2, ComboBox3}) c->clear();
}

void TForm23::OpenNew(sc::ScriptList& library) {
  library_ = &library;
  mode_ = Mode::New;
  edited_ = nullptr;
  zeroall();
  show();
  raise();
}

void TForm23::OpenEdit(sc::ScriptList& library, sc::ScriptRec& rec, const std::vector<sc::ScriptVar>& vars) {
  library_ = &library;
  mode_ = Mode::Edit;
  edited_ = &rec;
  Memo1->setPlainText(sc::widgetText(rec.STextAtCrsr));
  Memo2->setPlainText(sc::widgetText(rec.STextAtHead));
  Memo3->setPlainText(sc::widgetText(rec.STextAtBody));
  Memo4->setPlainText(sc::widgetText(rec.SDescription));
  Edit1->setText(qm::fromCp1255(rec.SName));
  Edit2->setText(qm::fromCp1255(rec.AddOnLoad));
  Edit3->setText(qm::fromCp1255(rec.AddUnLoad));
  curVar_ = nullptr;
  ListView1->clear();
  for (const sc::ScriptVar& v : vars) sc::addVarItem(ListView1, v);
  show();
  raise();
}

void TForm23::Forget(const sc::ScriptRec* rec) {
  if (edited_ == rec) {
    edited_ = nullptr;
    mode_ = Mode::New;
  }
}

void TForm23::Button5Click() {
  QTreeWidgetItem* item = sc::addVarItem(ListView1, {"NewVar", "---", "0", "I"});
  ListView1->setCurrentItem(item);
}

void TForm23::Button4Click() {
  if (QTreeWidgetItem* item = ListView1->currentItem()) {
    if (item == curVar_) curVar_ = nullptr;
    delete item;
  }
}

void TForm23::ListView1SelectItem(QTreeWidgetItem* item) {
  curVar_ = nullptr;  // the fields take the item's texts without writing them back
  if (item == nullptr) return;
  Edit4->setText(item->text(0));
  Edit5->setText(item->text(1));
  Edit6->setText(item->text(2));
  const QString type = item->text(3);
  QRadioButton* const radios[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, RadioButton6};
  // A code not in the table selects none of them.
  for (QRadioButton* r : radios) r->setAutoExclusive(false);
  for (int k = 0; k < 6; ++k) radios[k]->setChecked(type == QString::fromLatin1(kTypeCodes[k]));
  for (QRadioButton* r : radios) r->setAutoExclusive(true);
  curVar_ = item;
}

void TForm23::Button3Click() {
  if (library_ == nullptr) return;
  sc::ScriptFields f;
  f.name = qm::toCp1255(Edit1->text());
  f.description = sc::libraryText(Memo4->toPlainText());
  f.onLoad = qm::toCp1255(Edit2->text());
  f.onUnLoad = qm::toCp1255(Edit3->text());
  f.caret = sc::libraryText(Memo1->toPlainText());
  f.head = sc::libraryText(Memo2->toPlainText());
  f.body = sc::libraryText(Memo3->toPlainText());
  f.vars = sc::varItems(ListView1);
  switch (sc::storeScript(*library_, mode_ == Mode::Edit ? edited_ : nullptr, f)) {
    case sc::NameCheck::Empty:
      qm::prompts().message(this, QStringLiteral("! בחר שם לסקריפט"));
      return;
    case sc::NameCheck::Taken:
      qm::prompts().message(this, QStringLiteral("\"") + Edit1->text() + QStringLiteral("\"\n\r") +
                                      QStringLiteral(" קיים כבר סקריפט בשם זה- בחר שם אחר"));
      return;
    case sc::NameCheck::Ok:
      break;
  }
  hide();
  emit Saved();
}
