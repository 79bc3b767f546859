#include "app/Conf_F.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QPixmap>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "host/DocumentHost.h"
#include "platform/Application.h"
#include "platform/Browser.h"
#include "platform/EditorSettings.h"
#include "platform/Fonts.h"
#include "platform/Prompts.h"

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* l = new QLabel(caption, parent);
  l->setObjectName(QString::fromLatin1(name));
  // "<TAG>" and "<!--REMARKS-->" are shown as they are, never as markup.
  l->setTextFormat(Qt::PlainText);
  return l;
}

QComboBox* makeList(QWidget* parent, const char* name, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(false);
  c->addItems(items);
  return c;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

// The fonts the editor can show: the installed families, and the names of
// other systems that platform/Fonts shows in a substitute family ("MS Sans
// Serif" is the default of both font settings).
QStringList screenFonts() {
  qm::installFontFallbacks();
  QStringList names = QFontDatabase::families();
  for (const char* foreign : {"MS Sans Serif", "Arial Hebrew"}) {
    const QString name = QString::fromLatin1(foreign);
    if (!names.contains(name, Qt::CaseInsensitive) && QFont::substitute(name) != name) names << name;
  }
  names.sort(Qt::CaseInsensitive);
  return names;
}

// Selects the item equal to `text`, looking from the last item; the first
// item when there is none.
void selectFromLast(QComboBox* c, const QString& text) {
  for (int i = c->count() - 1; i >= 0; --i) {
    if (c->itemText(i) == text) {
      c->setCurrentIndex(i);
      return;
    }
  }
  c->setCurrentIndex(c->count() > 0 ? 0 : -1);
}

// The colour on its button: a swatch beside the caption.
void showColour(QPushButton* b, std::uint32_t colour) {
  QPixmap swatch(16, 16);
  swatch.fill(qm::colorFromBgr(colour));
  b->setIcon(QIcon(swatch));
}

void paintLabel(QLabel* l, const QString& family, int points, std::uint32_t colour) {
  QFont f(family);
  if (points > 0) f.setPointSize(points);
  l->setFont(f);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, qm::colorFromBgr(colour));
  l->setPalette(pal);
}

}  // namespace

TForm20::TForm20(qm::EditorSettingsHost& host) : QDialog(host.HostWindow()), host_(host) {
  setObjectName(QStringLiteral("Form20"));
  setWindowTitle(QStringLiteral("הגדרות"));
  setLayoutDirection(Qt::RightToLeft);
  setModal(false);

  auto* grid = new QGridLayout(this);
  Label1 = makeLabel(this, "Label1", QStringLiteral("הגדרות מסמך"));
  QFont title = Label1->font();
  title.setBold(true);
  title.setPointSize(title.pointSize() + 2);
  Label1->setFont(title);
  grid->addWidget(Label1, 0, 0, 1, 3);

  const QStringList fonts = screenFonts();
  Label2 = makeLabel(this, "Label2", QStringLiteral("גופן אנגלית"));
  ComboBox1 = makeList(this, "ComboBox1", fonts);
  Label3 = makeLabel(this, "Label3", QStringLiteral("גופן עברית"));
  ComboBox2 = makeList(this, "ComboBox2", fonts);
  Label4 = makeLabel(this, "Label4", QStringLiteral("גודל"));
  ComboBox3 = makeList(this, "ComboBox3", {QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"),
                                           QStringLiteral("14")});
  Label13 = makeLabel(this, "Label13", QString());
  Label14 = makeLabel(this, "Label14", QString());
  grid->addWidget(Label2, 1, 0);
  grid->addWidget(ComboBox1, 1, 1);
  grid->addWidget(Label13, 1, 2);
  grid->addWidget(Label3, 2, 0);
  grid->addWidget(ComboBox2, 2, 1);
  grid->addWidget(Label14, 2, 2);
  grid->addWidget(Label4, 3, 0);
  grid->addWidget(ComboBox3, 3, 1);

  Label6 = makeLabel(this, "Label6", QStringLiteral("צבע טקסט "));
  grid->addWidget(Label6, 4, 0);
  auto* colours = new QHBoxLayout;
  Button3 = makeButton(this, "Button3", QStringLiteral("רגיל"));
  Button4 = makeButton(this, "Button4", QStringLiteral("תגיות"));
  Button5 = makeButton(this, "Button5", QStringLiteral("הערות"));
  Button6 = makeButton(this, "Button6", QStringLiteral("רקע"));
  for (QPushButton* b : {Button3, Button4, Button5, Button6}) colours->addWidget(b);
  grid->addLayout(colours, 4, 1, 1, 2);

  Label10 = makeLabel(this, "Label10", QStringLiteral("תצוגה מקדימה"));
  grid->addWidget(Label10, 5, 0, 1, 3);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setAutoFillBackground(true);
  Panel1->setMinimumHeight(60);
  auto* preview = new QHBoxLayout(Panel1);
  Label5 = makeLabel(Panel1, "Label5", QStringLiteral("Text"));
  Label7 = makeLabel(Panel1, "Label7", QStringLiteral("טקסט"));
  Label8 = makeLabel(Panel1, "Label8", QStringLiteral("<TAG>"));
  Label9 = makeLabel(Panel1, "Label9", QStringLiteral("<!--REMARKS-->"));
  // One sample line, read from the right as the page is.
  preview->addStretch(1);
  for (QLabel* l : {Label7, Label5, Label8, Label9}) {
    preview->addWidget(l);
    preview->addStretch(1);
  }
  grid->addWidget(Panel1, 6, 0, 1, 3);

  Label11 = makeLabel(this, "Label11", QStringLiteral("רענון מלא של קידוד צבע כל"));
  ComboBox4 = makeList(this, "ComboBox4",
                       {QStringLiteral("4"), QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("60"),
                        QStringLiteral("90"), QStringLiteral("150"), QStringLiteral("200"), QStringLiteral("500"),
                        QStringLiteral("1000")});
  Label12 = makeLabel(this, "Label12", QStringLiteral("תוים"));
  grid->addWidget(Label11, 7, 0);
  grid->addWidget(ComboBox4, 7, 1);
  grid->addWidget(Label12, 7, 2);
  LineNumbersCheck = new QCheckBox(QStringLiteral("מספרי שורות ליד המקור"), this);
  LineNumbersCheck->setObjectName(QStringLiteral("LineNumbersCheck"));
  grid->addWidget(LineNumbersCheck, 8, 0, 1, 3);
  CheckBox1 = new QCheckBox(QStringLiteral("התצוגה המקדימה רשאית לפנות לרשת"), this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setToolTip(QStringLiteral("דף בתצוגה יוכל לשלוח ולקבל נתונים משרתים ומתוכניות במחשב זה"));
  grid->addWidget(CheckBox1, 9, 0, 1, 3);

  auto* buttons = new QHBoxLayout;
  Button1 = makeButton(this, "Button1", QStringLiteral("אישור"));
  Button2 = makeButton(this, "Button2", QStringLiteral("ביטול"));
  buttons->addStretch(1);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  grid->addLayout(buttons, 10, 0, 1, 3);

  connect(Button1, &QPushButton::clicked, this, qm::guarded(this, &TForm20::Button1Click));
  connect(Button2, &QPushButton::clicked, this, qm::guarded(this, &TForm20::Button2Click));
  connect(Button3, &QPushButton::clicked, this, qm::guarded(this, &TForm20::Button3Click));
  connect(Button4, &QPushButton::clicked, this, qm::guarded(this, &TForm20::Button4Click));
  connect(Button5, &QPushButton::clicked, this, qm::guarded(this, &TForm20::Button5Click));
  connect(Button6, &QPushButton::clicked, this, qm::guarded(this, &TForm20::Button6Click));
  for (QComboBox* c : {ComboBox1, ComboBox2, ComboBox3})
    connect(c, &QComboBox::currentIndexChanged, this, &TForm20::RefreshDisp);
  FormCreate();
}

void TForm20::FormCreate() {
  adjustSize();
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect r = s->availableGeometry();
    move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
  }
  LoadConf();
}

void TForm20::LoadConf() {
  const qm::EditorSettings s = qm::EditorSettings::Load(host_.Settings());
  selectFromLast(ComboBox3, QString::number(s.FontSize));
  selectFromLast(ComboBox1, s.EnglishFont);
  selectFromLast(ComboBox2, s.HebrewFont);
  TextColour = s.TextColor;
  TagColour = s.TagColor;
  RemarksColour = s.RemarksColor;
  BackColour = s.MemoBackground;
  ComboBox4->setCurrentIndex(ComboBox4->findText(QString::number(s.RefreshEveryXChrs)));
  LineNumbersCheck->setChecked(s.LineNumbers);
  CheckBox1->setChecked(host_.Settings().read(qm::setting::PreviewNetwork));
  RefreshDisp();
}

void TForm20::RefreshDisp() {
  const int points = ComboBox3->currentText().toInt();
  // The fonts as the editor will show them: a font name of another system in
  // the installed font that stands in for it.
  const QString latin = qm::installedFamily(ComboBox1->currentText(), qm::FontRole::Source);
  const QString hebrew = qm::installedFamily(ComboBox2->currentText(), qm::FontRole::Hebrew);
  Label13->setText(QStringLiteral("מוצג בגופן ") + latin);
  Label14->setText(QStringLiteral("מוצג בגופן ") + hebrew);
  paintLabel(Label5, latin, points, TextColour);
  paintLabel(Label8, latin, points, TagColour);
  paintLabel(Label9, latin, points, RemarksColour);
  paintLabel(Label7, hebrew, points, TextColour);
  showColour(Button3, TextColour);
  showColour(Button4, TagColour);
  showColour(Button5, RemarksColour);
  showColour(Button6, BackColour);
  QPalette pal = Panel1->palette();
  pal.setColor(QPalette::Window, qm::colorFromBgr(BackColour));
  Panel1->setPalette(pal);
}

void TForm20::PickColour(std::uint32_t& colour) {
  const auto chosen = qm::prompts().color(this, qm::colorFromBgr(colour));
  if (!chosen) return;
  colour = qm::bgrFromColor(*chosen);
  RefreshDisp();
}

void TForm20::Button3Click() { PickColour(TextColour); }
void TForm20::Button4Click() { PickColour(TagColour); }
void TForm20::Button5Click() { PickColour(RemarksColour); }
void TForm20::Button6Click() { PickColour(BackColour); }

void TForm20::Button1Click() {
  qm::EditorSettings s = host_.Editor();
  // An empty choice keeps what was set.
  if (!ComboBox3->currentText().isEmpty()) s.FontSize = ComboBox3->currentText().toInt();
  if (!ComboBox1->currentText().isEmpty()) s.EnglishFont = ComboBox1->currentText();
  if (!ComboBox2->currentText().isEmpty()) s.HebrewFont = ComboBox2->currentText();
  if (!ComboBox4->currentText().isEmpty()) s.RefreshEveryXChrs = ComboBox4->currentText().toInt();
  s.TextColor = TextColour;
  s.TagColor = TagColour;
  s.RemarksColor = RemarksColour;
  s.MemoBackground = BackColour;
  s.LineNumbers = LineNumbersCheck->isChecked();
  host_.Settings().write(qm::setting::PreviewNetwork, CheckBox1->isChecked());
  qm::setPreviewNetworkAllowed(CheckBox1->isChecked());
  hide();
  // The open pages take the new look at once, new pages from the start.
  host_.SetEditorSettings(s);
}

void TForm20::Button2Click() { hide(); }
