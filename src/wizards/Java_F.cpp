#include "wizards/Java_F.h"
#include "platform/Controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/markup/MarkupText.h"
#include "core/wizards/ScriptMarkup.h"
#include "host/InsertTarget.h"
#include "platform/Application.h"
#include "platform/Prompts.h"
#include "wizards/WizardKit.h"

using namespace qm::wizard;
namespace wz = qm::wizards;

namespace {

QWidget* sheet(QTabWidget* tabs, const char* name, const QString& caption) {
  auto* w = new QWidget(tabs);
  w->setObjectName(QString::fromLatin1(name));
  tabs->addTab(w, caption);
  return w;
}

// A track bar with its two end labels under it.
QWidget* trackBarWithEnds(QWidget* parent, QSlider* bar, const QString& low, const QString& high) {
  auto* box = new QWidget(parent);
  auto* g = new QGridLayout(box);
  g->setContentsMargins(0, 0, 0, 0);
  bar->setParent(box);
  g->addWidget(bar, 0, 0, 1, 2);
  g->addWidget(label(box, low), 1, 0, Qt::AlignLeading);
  g->addWidget(label(box, high), 1, 1, Qt::AlignTrailing);
  return box;
}

}  // namespace

TForm12::TForm12(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  setUpToolWindow(this, "Form12", QStringLiteral("JavaScript אשף"));
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  auto* frame = new QVBoxLayout(this);
  frame->addWidget(PageControl1);
  Button9 = button(this, "Button9", QStringLiteral("סגור"));
  frame->addWidget(Button9, 0, Qt::AlignLeading);

  // Dynamic link.
  TabSheet1 = sheet(PageControl1, "TabSheet1", QStringLiteral("קישור דינמי"));
  auto* box = new QGroupBox(QStringLiteral("קישור דינמי"), TabSheet1);
  auto* g = new QGridLayout(box);
  Edit1 = edit(box, "Edit1");
  Button1 = button(box, "Button1", QStringLiteral("..."));
  Edit2 = edit(box, "Edit2");
  Button2 = button(box, "Button2", QStringLiteral("..."));
  HebEdit1 = hebrewEdit(box, "HebEdit1");
  Edit3 = edit(box, "Edit3");
  g->addWidget(label(box, QStringLiteral(" יוצר תמונה שמשתנה כאשר הסמן מוצב עליה.")), 0, 0, 1, 3);
  g->addWidget(label(box, QStringLiteral("עכבר על התמונה")), 1, 0);
  g->addWidget(Edit1, 1, 1);
  g->addWidget(Button1, 1, 2);
  g->addWidget(label(box, QStringLiteral("עכבר לא על התמונה")), 2, 0);
  g->addWidget(Edit2, 2, 1);
  g->addWidget(Button2, 2, 2);
  g->addWidget(label(box, QStringLiteral("טקסט(אופציונלי)")), 3, 0);
  g->addWidget(HebEdit1, 3, 1, 1, 2);
  g->addWidget(label(box, QStringLiteral("קישור (LINK)")), 4, 0);
  g->addWidget(Edit3, 4, 1, 1, 2);
  g->addWidget(label(box, QStringLiteral("שים לב:  מומלץ להשתמש בתמונות בעלות גודל זהה.")), 5, 0, 1, 3);
  Button3 = button(TabSheet1, "Button3", QStringLiteral("הוספה"));
  auto* v = new QVBoxLayout(TabSheet1);
  v->addWidget(box);
  v->addWidget(Button3);

  // Status-bar scroller.
  TabSheet2 = sheet(PageControl1, "TabSheet2", QStringLiteral("כיתובית נעה"));
  HebEdit2 = hebrewEdit(TabSheet2, "HebEdit2");
  TrackBar1 = trackBar(TabSheet2, "TrackBar1", 10, 500, 10, 30);
  Button4 = button(TabSheet2, "Button4", QStringLiteral("הוספה"));
  v = new QVBoxLayout(TabSheet2);
  v->addWidget(label(TabSheet2, QStringLiteral("יוצר כיתובית נעה בשורת המצב.")));
  v->addWidget(label(TabSheet2, QStringLiteral("הכנס טקסט בעברית")));
  v->addWidget(HebEdit2);
  v->addWidget(label(TabSheet2, QStringLiteral("מהירות")));
  v->addWidget(trackBarWithEnds(TabSheet2, TrackBar1, QStringLiteral("איטי"), QStringLiteral("מהיר")));
  v->addWidget(Button4);

  // Slide show.
  TabSheet3 = sheet(PageControl1, "TabSheet3", QStringLiteral("שקופיות"));
  ListBox1 = new QListWidget(TabSheet3);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setLayoutDirection(Qt::LeftToRight);
  Button5 = button(TabSheet3, "Button5", QStringLiteral("בחר קבצים"));
  Button7 = button(TabSheet3, "Button7", QStringLiteral("נקה רשימה"));
  Button6 = button(TabSheet3, "Button6", QStringLiteral("הוספה"));
  v = new QVBoxLayout(TabSheet3);
  v->addWidget(label(TabSheet3, QStringLiteral("יוצר מצגת שקופיות- ")));
  v->addWidget(label(TabSheet3, QStringLiteral("דפדוף ברשימת תמונות בעזרת שני כפתורים.")));
  v->addWidget(label(TabSheet3, QStringLiteral("רשימת תמונות:")));
  v->addWidget(ListBox1);
  auto* row = new QHBoxLayout;
  row->addWidget(Button5);
  row->addWidget(Button7);
  v->addLayout(row);
  v->addWidget(Button6);

  // Redirect page.
  TabSheet4 = sheet(PageControl1, "TabSheet4", QStringLiteral("עמוד מעבר"));
  Edit4 = edit(TabSheet4, "Edit4");
  TrackBar2 = trackBar(TabSheet4, "TrackBar2", 5, 30, 5, 5);
  Button8 = button(TabSheet4, "Button8", QStringLiteral("הוספה"));
  v = new QVBoxLayout(TabSheet4);
  v->addWidget(label(TabSheet4, QStringLiteral("מעבר לעמוד אחר אוטומטית תוך מספר שניות.")));
  v->addWidget(label(TabSheet4, QStringLiteral("כתובת URL :")));
  v->addWidget(Edit4);
  v->addWidget(label(TabSheet4, QStringLiteral("קבע זמן מעבר:")));
  v->addWidget(trackBarWithEnds(TabSheet4, TrackBar2, QStringLiteral("5 שניות"), QStringLiteral("30 שניות")));
  v->addWidget(Button8);
  PageControl1->setCurrentWidget(TabSheet4);

  connect(Button1, &QPushButton::clicked, this, qm::guarded([this] {
    const QString path = chooseImage();
    if (!path.isEmpty()) Edit1->setText(chosen1_ = path);
  }));
  connect(Button2, &QPushButton::clicked, this, qm::guarded([this] {
    const QString path = chooseImage();
    if (!path.isEmpty()) Edit2->setText(chosen2_ = path);
  }));
  connect(Button5, &QPushButton::clicked, this, qm::guarded([this] {
    const QString path = chooseImage();
    if (!path.isEmpty()) ListBox1->addItem(path);
  }));
  connect(Button7, &QPushButton::clicked, ListBox1, &QListWidget::clear);
  connect(HebEdit2, &QLineEdit::textChanged, this, [this] { HebEdit2Change(); });
  connect(Button3, &QPushButton::clicked, this, qm::guarded([this] { Button3Click(); }));
  connect(Button4, &QPushButton::clicked, this, qm::guarded([this] { Button4Click(); }));
  connect(Button6, &QPushButton::clicked, this, qm::guarded([this] { Button6Click(); }));
  connect(Button8, &QPushButton::clicked, this, qm::guarded([this] { Button8Click(); }));
  connect(Button9, &QPushButton::clicked, this, &QWidget::hide);
  qm::cancelOnEscape(this, Button9);
  setTabOrder(Button8, Button9);  // the close button under the pages comes after them
  centre(this);
}

QString TForm12::chooseImage() {
  qm::FileDialogRequest req;
  req.filters = qm::pictureFilters();
  const auto r = qm::prompts().openFile(this, req);
  return r ? r->path : QString();
}

std::string TForm12::pagePath(const QLineEdit* field, const QString& chosen) const {
  const bool fromDialog = !chosen.isEmpty() && field->text() == chosen;
  return host_.TruncPath(bytes(field), fromDialog ? qm::PathOrigin::Chosen : qm::PathOrigin::Typed);
}

void TForm12::emitScript(const std::function<void(qm::PageView&)>& edits) {
  qm::PageView* page = host_.ActivePage();
  if (!page) return;
  page->PageOneStep([&] { edits(*page); });
  hide();
  page->PageFocus();
}

// Keeps the first 60 characters, whether typed or pasted, with one notice.
void TForm12::HebEdit2Change() {
  if (HebEdit2->text().size() <= MaxMessage) return;
  HebEdit2->setText(HebEdit2->text().left(MaxMessage));
  qm::prompts().message(this, QStringLiteral("אין להכניס מעל 60 אותיות"));
}

void TForm12::Button3Click() {
  if (!host_.ActivePage()) return;
  ++ChangeCounter;
  const auto lines = wz::dynamicLinkScript(ChangeCounter, bytes(Edit3), pagePath(Edit1, chosen1_),
                                           pagePath(Edit2, chosen2_), bytes(HebEdit1), host_.Standard());
  emitScript([&](qm::PageView&) { host_.TInsert(lines); });
}

void TForm12::Button4Click() {
  bool bodyFound = true;
  emitScript([&](qm::PageView& page) {
    page.PageSelect(static_cast<std::int32_t>(wz::scrollerPosition(page.PageText(), page.PageSelStart())), 0);
    host_.TInsert(wz::statusScrollerScript(bytes(HebEdit2), TrackBar1->value()));
    const wz::OnloadEdit onload = wz::addOnload(page.PageText(), "scroller()");
    bodyFound = onload.bodyFound;
    if (onload.position < 0) return;
    page.PageSelect(static_cast<std::int32_t>(onload.position), 0);
    host_.insrt2(onload.text);
  });
  if (!bodyFound) qm::prompts().message(this, QStringLiteral("!! \"<BODY>\" לא נמצא"));
}

void TForm12::Button6Click() {
  std::vector<std::string> images;
  for (int i = 0; i < ListBox1->count(); ++i)
    images.push_back(host_.TruncPath(bytes(ListBox1->item(i)->text()), qm::PathOrigin::Chosen));
  emitScript([&](qm::PageView&) { host_.TInsert(wz::slideShowScript(images)); });
}

void TForm12::Button8Click() {
  emitScript([&](qm::PageView&) { host_.TInsert(wz::redirectScript(bytes(Edit4), TrackBar2->value())); });
}
