#include "scripts/Script_F.h"
#include "platform/Controls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <stdexcept>
#include <utility>

#include "core/scripts/ScriptFill.h"
#include "host/InsertTarget.h"
#include "platform/Cp1255Bridge.h"
#include "platform/KeyboardLayout.h"
#include "platform/FileIO.h"
#include "platform/Application.h"
#include "platform/Prompts.h"
#include "platform/WindowHolder.h"
#include "scripts/ScriptEd_F.h"
#include "scripts/ScriptWidgets.h"

namespace sc = qm::scripts;

namespace {

using qm::makeButton;

QString upper(const QString& s) { return s.toUpper(); }

}  // namespace

TForm22::TForm22(qm::ScriptHost& host, qm::WindowHolder& windows)
    : QWidget(nullptr),
      host_(host),
      windows_(windows),
      store_(QDir(host.ExecFolder()).filePath(QStringLiteral("JSDB.dat"))) {
  setObjectName(QStringLiteral("Form22"));
  setWindowTitle(QStringLiteral("סקריפט"));
  setLayoutDirection(Qt::RightToLeft);
  setAttribute(Qt::WA_QuitOnClose, false);
  buildWindow();
  resize(695, 515);
  if (QWidget* main = host_.HostWindow()) {
    const QRect g = main->frameGeometry();
    move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
  }
  LoadDB();
}

TForm22::~TForm22() { DisposeDB(); }

void TForm22::buildWindow() {
  auto* outer = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  TabSheet1 = new QWidget(PageControl1);
  TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
  PageControl1->addTab(TabSheet1, QStringLiteral("הוספת סקריפט"));
  outer->addWidget(PageControl1, 1);

  auto* sheet = new QHBoxLayout(TabSheet1);
  auto* details = new QVBoxLayout;
  sheet->addLayout(details, 3);
  ListBox1 = new QListWidget(TabSheet1);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setLayoutDirection(Qt::RightToLeft);
  sheet->addWidget(ListBox1, 1);  // right to left: the list ends up at the left

  Label3 = new QLabel(TabSheet1);
  Label3->setObjectName(QStringLiteral("Label3"));
  QFont bold = Label3->font();
  bold.setBold(true);
  bold.setPixelSize(16);
  Label3->setFont(bold);
  Label3->setStyleSheet(QStringLiteral("color: blue"));
  details->addWidget(Label3);
  Memo1 = new QPlainTextEdit(TabSheet1);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  sc::setRightToLeftLines(Memo1);
  Memo1->setBackgroundRole(QPalette::Window);
  Memo1->setPlainText(QStringLiteral("\nבחר סקריפט מהרשימה ->"));
  details->addWidget(Memo1, 1);

  Panel4 = new QWidget(TabSheet1);
  Panel4->setObjectName(QStringLiteral("Panel4"));
  auto* vars = new QGridLayout(Panel4);
  Label2 = new QLabel(QStringLiteral("עריכת נתוני סקריפט"), Panel4);
  Label2->setObjectName(QStringLiteral("Label2"));
  vars->addWidget(Label2, 0, 0, 1, 4);
  ListView1 = sc::makeVarList(Panel4, {QStringLiteral("שם משתנה"), QStringLiteral("תיאור"), QStringLiteral("ערך נוכחי")});
  vars->addWidget(ListView1, 1, 0, 1, 4);
  Label1 = new QLabel(Panel4);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont labelFont = Label1->font();
  labelFont.setBold(true);
  Label1->setFont(labelFont);
  Label1->setStyleSheet(QStringLiteral("color: blue"));
  vars->addWidget(Label1, 2, 0, 1, 4);
  Edit1 = new QLineEdit(Panel4);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  vars->addWidget(Edit1, 3, 0);
  Button4 = makeButton(Panel4, "Button4", QStringLiteral("צבע"));
  Button5 = makeButton(Panel4, "Button5", QStringLiteral("..."));
  Button6 = makeButton(Panel4, "Button6", QStringLiteral("..."));
  auto* pickers = new QHBoxLayout;
  for (QPushButton* b : {Button4, Button5, Button6}) {
    b->hide();
    pickers->addWidget(b);
  }
  vars->addLayout(pickers, 3, 1);
  Button9 = makeButton(Panel4, "Button9", QStringLiteral("<<"));
  Button10 = makeButton(Panel4, "Button10", QStringLiteral(">>"));
  vars->addWidget(Button9, 3, 2);
  vars->addWidget(Button10, 3, 3);
  Panel4->hide();
  details->addWidget(Panel4, 2);
  // Tab reads the details on the right before the list on the left.
  setTabOrder(Button10, ListBox1);

  auto* buttons = new QHBoxLayout;
  Button1 = makeButton(this, "Button1", QStringLiteral("הוסף"));
  Button2 = makeButton(this, "Button2", QStringLiteral("בטל"));
  Button7 = makeButton(this, "Button7", QStringLiteral(">>"));
  Button7->setToolTip(QStringLiteral("תפריט עריכת מאגר"));
  Button3 = makeButton(this, "Button3", QStringLiteral("הוסף סקריפט למאגר"));
  Button12 = makeButton(this, "Button12", QStringLiteral("ערוך סקריפט"));
  Button11 = makeButton(this, "Button11", QStringLiteral("מחק סקריפט"));
  Button11->setStyleSheet(QStringLiteral("color: red"));
  for (QPushButton* b : {Button1, Button2, Button7, Button3, Button12, Button11}) buttons->addWidget(b);
  buttons->addStretch(1);
  for (QPushButton* b : {Button3, Button12, Button11}) b->hide();
  outer->addLayout(buttons);

  connect(ListBox1, &QListWidget::itemClicked, this, &TForm22::LoadScriptinfo);
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TForm22::LoadScriptinfo);
  connect(ListView1, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { ListView1SelectItem(current); });
  connect(Edit1, &QLineEdit::textChanged, this, &TForm22::Edit1Change);
  const std::pair<QPushButton*, void (TForm22::*)()> handlers[] = {
      {Button1, &TForm22::Button1Click},   {Button2, &TForm22::Button2Click},   {Button3, &TForm22::Button3Click},
      {Button4, &TForm22::Button4Click},   {Button5, &TForm22::Button5Click},   {Button6, &TForm22::Button6Click},
      {Button7, &TForm22::Button7Click},   {Button9, &TForm22::Button9Click},   {Button10, &TForm22::Button10Click},
      {Button11, &TForm22::Button11Click}, {Button12, &TForm22::Button12Click}};
  for (const auto& [button, handler] : handlers)
    connect(button, &QPushButton::clicked, this, qm::guarded(this, handler));
  qm::cancelOnEscape(this, Button2);
}

// ------------------------------------------------------------------ the file

void TForm22::LoadDB() {
  CurScript = nullptr;
  ListBox1->clear();
  const qm::scripts::ScriptStore::Opened opened = store_.load();
  if (!opened.message.isEmpty()) {
    if (opened.error)
      qm::prompts().error(this, opened.message);
    else
      qm::prompts().message(this, opened.message);
  }
  if (opened.read == qm::scripts::ScriptStore::Read::Unreadable) hide();
  // The list shows the scripts that were read, whatever the file's names list says.
  RefreshList();
}

void TForm22::Open() {
  // The first opening follows the reading of the window's creation.
  if (loadedOnce_ && store_.lastRead() == qm::scripts::ScriptStore::Read::Unreadable) LoadDB();
  loadedOnce_ = true;
  if (store_.lastRead() == qm::scripts::ScriptStore::Read::Unreadable) return;
  qm::present(this);
}

void TForm22::SaveDB() {
  const QString note = store_.save();
  if (!note.isEmpty()) qm::prompts().message(this, note);
}

void TForm22::DisposeDB() {
  CurScript = nullptr;
  ListBox1->clear();
  store_.scripts().clear();
}

// ------------------------------------------------------------------ showing

void TForm22::RefreshList() {
  const QSignalBlocker quiet(ListBox1);
  ListBox1->clear();
  for (const std::string& name : sc::sortedNames(Scripts())) ListBox1->addItem(qm::fromCp1255(name));
  if (ListBox1->count() == 0) {
    showNoScript();
    return;
  }
  ListBox1->setCurrentRow(0);
  LoadScriptinfo();
}

// Nothing is shown once the last script is gone.
void TForm22::showNoScript() {
  CurScript = nullptr;
  Label3->clear();
  Memo1->clear();
  curVar_ = nullptr;
  ListView1->clear();
  Panel4->hide();
}

void TForm22::LoadScriptinfo() {
  if (ListBox1->count() == 0 || Scripts().empty() || ListBox1->currentItem() == nullptr) return;
  const std::string name = qm::toCp1255(ListBox1->currentItem()->text());
  sc::ScriptRec* rec = nullptr;
  for (sc::ScriptRec& r : Scripts()) {
    if (r.SName == name) {
      rec = &r;
      break;
    }
  }
  if (rec == nullptr) return;
  CurScript = rec;
  Label3->setText(qm::fromCp1255(rec->SName));
  Memo1->setPlainText(sc::widgetText(rec->SDescription));
  const std::vector<sc::ScriptVar> vars = sc::parseVars(rec->ListOfVars);
  curVar_ = nullptr;
  {
    const QSignalBlocker quiet(ListView1);
    ListView1->clear();
    for (const sc::ScriptVar& v : vars) sc::addVarItem(ListView1, v);
  }
  Panel4->setVisible(!vars.empty());
  if (!vars.empty()) ListView1->setCurrentItem(ListView1->topLevelItem(0));
}

std::vector<sc::ScriptVar> TForm22::Variables() const { return sc::varItems(ListView1); }

void TForm22::ListView1SelectItem(QTreeWidgetItem* item) {
  const int index = item ? ListView1->indexOfTopLevelItem(item) : -1;
  Button9->setVisible(index != ListView1->topLevelItemCount() - 1);
  Button10->setVisible(index != 0);
  if (item == nullptr) return;
  curVar_ = nullptr;  // Edit1 takes the value without writing it back
  for (QPushButton* b : {Button4, Button5, Button6}) b->hide();
  Label1->setText(QStringLiteral(" הכנס :") + item->text(1));
  const QString type = upper(item->text(3));
  if (type == QStringLiteral("C")) Button4->show();
  if (type == QStringLiteral("FP")) Button5->show();
  if (type == QStringLiteral("FH")) Button6->show();
  if (type == QStringLiteral("SH")) {
    Edit1->setLayoutDirection(Qt::RightToLeft);
    qm::SetHebrew();
  } else {
    Edit1->setLayoutDirection(Qt::LeftToRight);
    qm::SetEnglish();
  }
  Edit1->setText(item->text(2));
  curVar_ = item;
}

void TForm22::Edit1Change() {
  if (curVar_ != nullptr) curVar_->setText(2, Edit1->text());
}

// ------------------------------------------------------------------ inserting

void TForm22::mergeScript() {
  if (CurScript == nullptr) return;
  hide();
  qm::PageView* page = host_.ActivePage();
  if (page == nullptr) return;
  sc::FilledScript filled = sc::fillScript(*CurScript, Variables(), host_.Standard());
  // The library and the fields hold the program's code page; a UTF-8 page
  // takes the filled script in its own encoding.
  for (std::string* part : {&filled.caret, &filled.head, &filled.body, &filled.onLoad, &filled.onUnLoad}) {
    *part = page->PageFromProgram(*part);
  }
  page->PageOneStep([&] {
    const std::int32_t caret = page->PageSelStart();
    const std::vector<sc::PageEdit> edits = sc::mergeEdits(page->PageText(), static_cast<std::size_t>(caret), filled);
    for (const sc::PageEdit& e : edits) {
      page->PageSelect(static_cast<std::int32_t>(e.pos), 0);
      page->PageReplaceSelection(e.text);
    }
  });
  page->PageFocus();
}

void TForm22::Button1Click() { mergeScript(); }
void TForm22::Button2Click() { hide(); }

// ------------------------------------------------------------------ value pickers

void TForm22::Button4Click() {
  // A cancelled colour dialog keeps the value.
  const std::string color = host_.PickColor();
  if (!color.empty()) Edit1->setText(qm::fromCp1255(color));
}

void TForm22::Button5Click() {
  qm::FileDialogRequest req;
  req.filters = qm::pictureFilters();
  if (const auto chosen = qm::prompts().openFile(this, req)) Edit1->setText(chosen->path);
}

void TForm22::Button6Click() {
  qm::FileDialogRequest req;
  req.title = QStringLiteral("פתיחה");
  req.filters = {QStringLiteral("Html Documents (*.HTM , *.HTML ,*.SHTML)|*.*htm*"),
                 QStringLiteral("All files (*.*)|*.*")};
  if (const auto chosen = qm::prompts().openFile(this, req)) Edit1->setText(chosen->path);
}

void TForm22::Button9Click() {
  const int index = ListView1->indexOfTopLevelItem(ListView1->currentItem());
  if (index >= 0 && index < ListView1->topLevelItemCount() - 1)
    ListView1->setCurrentItem(ListView1->topLevelItem(index + 1));
}

void TForm22::Button10Click() {
  const int index = ListView1->indexOfTopLevelItem(ListView1->currentItem());
  if (index > 0) ListView1->setCurrentItem(ListView1->topLevelItem(index - 1));
}

// ------------------------------------------------------------------ the library

TForm23* TForm22::Form23() {
  const bool made = windows_.Find<TForm23>() != nullptr;
  TForm23& editor = windows_.Get<TForm23>();
  if (!made) connect(&editor, &TForm23::Saved, this, &TForm22::editorSaved);
  return &editor;
}

void TForm22::HideWindows() {
  if (TForm23* editor = windows_.Find<TForm23>()) editor->hide();
  hide();
}

// A slot of the editor's signal: a failed save is told here, so that nothing
// is thrown through the signal. The record stays in the list shown.
void TForm22::editorSaved() {
  RefreshList();
  qm::runGuarded([this] { SaveDB(); });
  show();
}

void TForm22::Button7Click() {
  for (QPushButton* b : {Button3, Button11, Button12}) b->setHidden(!b->isHidden());
}

void TForm22::Button3Click() { Form23()->OpenNew(Scripts()); }

void TForm22::Button12Click() {
  if (CurScript != nullptr) Form23()->OpenEdit(Scripts(), *CurScript, Variables());
}

void TForm22::Button11Click() {
  if (ListBox1->currentItem() == nullptr) return;
  const QString shown = ListBox1->currentItem()->text();
  if (qm::prompts().okCancel(this, QStringLiteral("? %s האם למחוק ").replace(QStringLiteral("%s"), shown)) !=
      qm::Answer::Ok)
    return;
  const std::string name = qm::toCp1255(shown);
  sc::ScriptList& list = Scripts();
  TForm23* editor = windows_.Find<TForm23>();
  for (auto it = list.begin(); it != list.end();) {
    if (it->SName != name) {
      ++it;
      continue;
    }
    if (CurScript == &*it) CurScript = nullptr;
    if (editor) editor->Forget(&*it);
    it = list.erase(it);
  }
  RefreshList();
  SaveDB();
}
