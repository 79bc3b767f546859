#include "wizards/Body_F.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>
#include <utility>

#include "core/markup/MarkupText.h"
#include "core/wizards/PageBody.h"
#include "core/wizards/TagAttr.h"
#include "host/InsertTarget.h"
#include "hebrew/HebEdit.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/KeyboardLayout.h"
#include "platform/Prompts.h"
#include "platform/Controls.h"
#include "wizards/WizardKit.h"

using qm::makeNamed;

namespace {

const QStringList kImageFilters = {
    QStringLiteral("All image files (*.jpg,*.jpeg,*.bmp,*.gif)|*.jpg;*.jpeg;*.bmp;*.gif"),
    QStringLiteral("Jpeg image (*.jpeg,*.jpg)|*.jpeg;*.jpg"), QStringLiteral("Gif image (*.gif)|*.gif"),
    QStringLiteral("Bitmap Image (*.Bmp)|*.bmp")};

QString fromBytes(const std::string& s) { return qm::fromCp1255(s); }

// Paints a label's text in an 0x00RRGGBB colour.
void paintText(QLabel* label, std::uint32_t rgb) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, QColor::fromRgb(static_cast<QRgb>(rgb)));
  label->setPalette(p);
}

}  // namespace

TForm7::TForm7(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  qm::wizard::setUpToolWindow(this, "Form7", QStringLiteral("אשף עיצוב גוף העמוד"));
  auto* outer = new QVBoxLayout(this);

  auto* titleRow = new QHBoxLayout;
  Label7 = makeNamed<QLabel>(this, "Label7", QStringLiteral("כותרת"));
  HebEdit1 = makeNamed<THebEdit>(this, "HebEdit1");
  titleRow->addWidget(Label7);
  titleRow->addWidget(HebEdit1, 1);
  outer->addLayout(titleRow);

  Panel1 = makeNamed<QFrame>(this, "Panel1");
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setAutoFillBackground(true);
  auto* rows = new QGridLayout(Panel1);
  struct Row {
    QCheckBox** tick;
    const char* tickName;
    QLabel** caption;
    const char* captionName;
    const char* captionText;
    QLabel** swatch;
    const char* swatchName;
    const char* swatchText;
    QPushButton** button;
    const char* buttonName;
    std::string* colour;
  };
  const Row colourRows[] = {
      {&CheckBox1, "CheckBox1", &Label12, "Label12", "טקסט", &Label1, "Label1", "צבע", &Button3, "Button3", &BodyTextColor},
      {&CheckBox4, "CheckBox4", &Label13, "Label13", "קישור", &Label4, "Label4", "צבע ", &Button6, "Button6", &BodyLinkColor},
      {&CheckBox5, "CheckBox5", &Label14, "Label14", "קישור לאחר ביקור", &Label5, "Label5", "צבע", &Button7, "Button7",
       &BodyVLinkColor},
      {&CheckBox3, "CheckBox3", &Label15, "Label15", "קישור פעיל", &Label8, "Label8", "צבע", &Button8, "Button8",
       &BodyALinkColor},
  };
  int r = 0;
  for (const Row& row : colourRows) {
    *row.tick = makeNamed<QCheckBox>(Panel1, row.tickName);
    *row.caption = makeNamed<QLabel>(Panel1, row.captionName, QString::fromUtf8(row.captionText));
    *row.swatch = makeNamed<QLabel>(Panel1, row.swatchName, QString::fromUtf8(row.swatchText));
    *row.button = makeNamed<QPushButton>(Panel1, row.buttonName, QStringLiteral("..."));
    rows->addWidget(*row.tick, r, 0);
    rows->addWidget(*row.caption, r, 1);
    rows->addWidget(*row.swatch, r, 2);
    rows->addWidget(*row.button, r, 3);
    QCheckBox* tick = *row.tick;
    QLabel* swatch = *row.swatch;
    std::string* colour = row.colour;
    connect(*row.button, &QPushButton::clicked, this, qm::guarded([this, tick, colour, swatch] {
      pickRowColour(tick, *colour, swatch);
    }));
    ++r;
  }
  outer->addWidget(Panel1);

  auto* bg = new QGridLayout;
  CheckBox2 = makeNamed<QCheckBox>(this, "CheckBox2");
  Label6 = makeNamed<QLabel>(this, "Label6", QStringLiteral(": רקע"));
  RadioButton1 = makeNamed<QRadioButton>(this, "RadioButton1");
  Label2 = makeNamed<QLabel>(this, "Label2", QStringLiteral("צבע"));
  Button4 = makeNamed<QPushButton>(this, "Button4", QStringLiteral("..."));
  RadioButton2 = makeNamed<QRadioButton>(this, "RadioButton2");
  Label3 = makeNamed<QLabel>(this, "Label3", QStringLiteral("תמונה"));
  Button5 = makeNamed<QPushButton>(this, "Button5", QStringLiteral("..."));
  Edit1 = makeNamed<QLineEdit>(this, "Edit1");
  CheckBox6 = makeNamed<QCheckBox>(this, "CheckBox6");
  Label9 = makeNamed<QLabel>(this, "Label9", QStringLiteral("רקע לא נגלל"));
  RadioButton1->setChecked(true);
  bg->addWidget(CheckBox2, 0, 0);
  bg->addWidget(Label6, 0, 1);
  bg->addWidget(RadioButton1, 1, 0);
  bg->addWidget(Label2, 1, 1);
  bg->addWidget(Button4, 1, 2);
  bg->addWidget(RadioButton2, 2, 0);
  bg->addWidget(Label3, 2, 1);
  bg->addWidget(Button5, 2, 2);
  bg->addWidget(Edit1, 2, 3);
  bg->addWidget(CheckBox6, 3, 0);
  bg->addWidget(Label9, 3, 1);
  CheckBox7 = makeNamed<QCheckBox>(this, "CheckBox7");
  Label10 = makeNamed<QLabel>(this, "Label10", QStringLiteral("onLoad  פונקציות "));
  Edit2 = makeNamed<QLineEdit>(this, "Edit2");
  CheckBox8 = makeNamed<QCheckBox>(this, "CheckBox8");
  Label11 = makeNamed<QLabel>(this, "Label11", QStringLiteral("onUnLoad  פונקציות "));
  Edit3 = makeNamed<QLineEdit>(this, "Edit3");
  bg->addWidget(CheckBox7, 4, 0);
  bg->addWidget(Label10, 4, 1);
  bg->addWidget(Edit2, 4, 2, 1, 2);
  bg->addWidget(CheckBox8, 5, 0);
  bg->addWidget(Label11, 5, 1);
  bg->addWidget(Edit3, 5, 2, 1, 2);
  outer->addLayout(bg);

  auto* buttons = new QHBoxLayout;
  Button1 = makeNamed<QPushButton>(this, "Button1", QStringLiteral("הוסף"));
  Button2 = makeNamed<QPushButton>(this, "Button2", QStringLiteral("סגור"));
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  outer->addLayout(buttons);

  panelColour_ = Panel1->palette().color(QPalette::Button);
  connect(Button4, &QPushButton::clicked, this, qm::guarded([this] { Button4Click(); }));
  connect(Button5, &QPushButton::clicked, this, qm::guarded([this] { Button5Click(); }));
  connect(RadioButton1, &QRadioButton::toggled, this, [this] { repaintPanel(); });
  connect(Edit2, &QLineEdit::textEdited, this, [this] { CheckBox7->setChecked(true); });
  connect(Edit3, &QLineEdit::textEdited, this, [this] { CheckBox8->setChecked(true); });
  connect(Button1, &QPushButton::clicked, this, qm::guarded([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, qm::guarded([this] { Button2Click(); }));
  qm::cancelOnEscape(this, Button2);
  qm::switchLanguageOnFocus(HebEdit1, qm::Language::Hebrew, qm::Language::English);
  qm::wizard::centre(this);
}

void TForm7::pickRowColour(QCheckBox* tick, std::string& colour, QLabel* label) {
  tick->setChecked(true);
  colour = host_.PickColor();
  if (!colour.empty()) paintText(label, qm::wizards::HexToColor(colour));
}

void TForm7::Button4Click() {
  RadioButton1->setChecked(true);
  CheckBox2->setChecked(true);
  BodyBgColor = host_.PickColor();
  if (!BodyBgColor.empty()) {
    const std::uint32_t rgb = qm::wizards::HexToColor(BodyBgColor);
    paintText(Label2, rgb);
    panelColour_ = QColor::fromRgb(static_cast<QRgb>(rgb));
  }
  repaintPanel();
}

void TForm7::Button5Click() {
  RadioButton2->setChecked(true);
  CheckBox2->setChecked(true);
  qm::FileDialogRequest req;
  req.filters = kImageFilters;
  if (const auto chosen = qm::prompts().openFile(this, req)) {
    Edit1->setText(chosen->path);
    chosenImage_ = chosen->path;
  }
}

void TForm7::repaintPanel() {
  QPalette p = Panel1->palette();
  p.setColor(QPalette::Window, RadioButton1->isChecked() ? panelColour_ : palette().color(QPalette::Button));
  Panel1->setPalette(p);
}

void TForm7::LoadFromDocument(qm::PageView* page) {
  if (!page) return;
  // The fields show the program's text, whatever the page's encoding.
  const std::string text = page->PageToProgram(page->PageText());
  const auto title = qm::wizards::findTitle(text);
  Label7->setVisible(title.has_value());
  HebEdit1->setVisible(title.has_value());
  if (title) HebEdit1->setText(fromBytes(text.substr(title->start, title->length)));

  if (const auto tag = qm::wizards::findBodyTag(text)) {
    for (QLabel* l : {Label1, Label4, Label5, Label8, Label2}) paintText(l, 0);
    panelColour_ = palette().color(QPalette::Button);
    const qm::wizards::BodyAttributes a = qm::wizards::readBodyTag(text, *tag);
    qm::wizards::BodyChoices c = choices();
    qm::wizards::applyBodyTag(c, a);
    CheckBox7->setChecked(c.onLoad);
    Edit2->setText(fromBytes(c.onLoadText));
    CheckBox8->setChecked(c.onUnLoad);
    Edit3->setText(fromBytes(c.onUnLoadText));
    Edit1->setText(fromBytes(c.bgImage));
    CheckBox6->setChecked(c.fixedBackground);
    CheckBox2->setChecked(c.background);
    (c.backgroundIsColor ? RadioButton1 : RadioButton2)->setChecked(true);
    BodyTextColor = c.textColor;
    BodyLinkColor = c.linkColor;
    BodyVLinkColor = c.vlinkColor;
    BodyALinkColor = c.alinkColor;
    BodyBgColor = c.bgColor;
    // Labels are painted in the colours the tag holds; the others stay black.
    const std::pair<const std::string&, QLabel*> painted[] = {
        {a.text, Label1}, {a.link, Label4}, {a.vlink, Label5}, {a.alink, Label8}, {a.bgColor, Label2}};
    for (const auto& [value, label] : painted)
      if (!value.empty()) paintText(label, qm::wizards::HexToColor(value));
    for (const auto& [tick, on] : {std::pair{CheckBox1, c.text}, std::pair{CheckBox4, c.link},
                                   std::pair{CheckBox5, c.vlink}, std::pair{CheckBox3, c.alink}})
      tick->setChecked(on);
    if (!a.bgColor.empty()) panelColour_ = QColor::fromRgb(static_cast<QRgb>(qm::wizards::HexToColor(a.bgColor)));
    repaintPanel();
  }
  qm::present(this);
}

void TForm7::Button1Click() {
  qm::PageView* page = host_.ActivePage();
  if (!page) return;
  const bool chosen = !chosenImage_.isEmpty() && Edit1->text() == chosenImage_;
  const std::string image =
      host_.TruncPath(qm::toCp1255(Edit1->text()), chosen ? qm::PathOrigin::Chosen : qm::PathOrigin::Typed);
  Edit1->setText(fromBytes(image));

  qm::wizards::BodyChoices c = choices();
  c.bgImage = page->PageFromProgram(image);
  c.onLoadText = page->PageFromProgram(c.onLoadText);
  c.onUnLoadText = page->PageFromProgram(c.onUnLoadText);
  const std::optional<std::string> title =
      HebEdit1->isVisibleTo(this) ? std::optional<std::string>(qm::toCp1255(HebEdit1->text())) : std::nullopt;

  page->PageOneStep([&] {
    const std::optional<std::string> pageTitle =
        title ? std::optional<std::string>(page->PageFromProgram(*title)) : std::nullopt;
    const qm::wizards::BodyEditPlan plan =
        qm::wizards::planBodyEdit(page->PageText(), page->PageSelStart(), page->PageSelLength(), c, pageTitle);
    for (const qm::wizards::PageChange& change : plan.changes) {
      page->PageSelect(static_cast<std::int32_t>(change.start), static_cast<std::int32_t>(change.length));
      page->PageReplaceSelection(change.text);
    }
    page->PageSelect(static_cast<std::int32_t>(plan.selStart), static_cast<std::int32_t>(plan.selLength));
  });
  hide();
}

void TForm7::Button2Click() { hide(); }

qm::wizards::BodyChoices TForm7::choices() const {
  qm::wizards::BodyChoices c;
  c.text = CheckBox1->isChecked();
  c.link = CheckBox4->isChecked();
  c.vlink = CheckBox5->isChecked();
  c.alink = CheckBox3->isChecked();
  c.textColor = BodyTextColor;
  c.linkColor = BodyLinkColor;
  c.vlinkColor = BodyVLinkColor;
  c.alinkColor = BodyALinkColor;
  c.background = CheckBox2->isChecked();
  c.backgroundIsColor = RadioButton1->isChecked();
  c.bgColor = BodyBgColor;
  c.bgImage = qm::toCp1255(Edit1->text());
  c.fixedBackground = CheckBox6->isChecked();
  c.onLoad = CheckBox7->isChecked();
  c.onLoadText = qm::toCp1255(Edit2->text());
  c.onUnLoad = CheckBox8->isChecked();
  c.onUnLoadText = qm::toCp1255(Edit3->text());
  return c;
}
