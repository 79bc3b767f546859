// The settings dialog: what it shows, what OK stores and applies, what Cancel
// keeps.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "../editor/DocFixture.h"
#include "app/Conf_F.h"
#include "editor/Colouring.h"

namespace {

using qmtest::DocFixture;

class SettingsDialog : public DocFixture {
 protected:
  // Opened the way the user opens it.
  TForm20* open() {
    EXPECT_TRUE(form->runCommand(QStringLiteral("N45")));
    auto* d = form->findChild<TForm20*>(QStringLiteral("Form20"));
    EXPECT_TRUE(d && d->isVisible());
    return d;
  }
  QString stored(const char* name) { return settings.store().readString(QString::fromLatin1(name), QStringLiteral("<none>")); }
  static QColor backgroundOf(TWorkForm* w) { return w->Memo1->palette().color(QPalette::Base); }
};

// The formats earlier versions stored: size in points, colours as decimal BGR.
TEST_F(SettingsDialog, OkWithTheDefaultsStoresThem) {
  TForm20* d = open();
  d->Button1->click();
  EXPECT_FALSE(d->isVisible());
  const std::pair<const char*, const char*> expected[] = {
      {"FontSize", "8"},          {"EnglishFont", "MS Sans Serif"},    {"HebrewFont", "MS Sans Serif"},
      {"TextColor", "0"},         {"TagColor", "16711680"},            {"RemarksColor", "7368816"},
      {"MemoBackground", "16777215"}, {"RefreshEveryXChrs", "60"},  {"LineNumbers", "1"},
  };
  for (const auto& [name, value] : expected) EXPECT_EQ(stored(name), QString::fromLatin1(value)) << name;
  // "MS Sans Serif" is not installed here: the source shows in a monospaced
  // font and Hebrew runs in one with Hebrew letters, which the dialog names.
  const QString latin = newDoc()->Memo1->font().family();
  const qm::ColourScheme scheme = qm::ColourScheme::From(form->Editor());
  EXPECT_TRUE(QFontDatabase::isFixedPitch(latin)) << latin.toStdString();
  EXPECT_TRUE(QFontDatabase::families(QFontDatabase::Hebrew).contains(scheme.hebrewFont));
  EXPECT_TRUE(d->Label13->text().endsWith(latin));
  EXPECT_TRUE(d->Label14->text().endsWith(scheme.hebrewFont));
}

// Stored values the lists do not hold: the first size, no refresh count, and
// for a font that is not installed the first font of the list.
TEST_F(SettingsDialog, ValuesOutsideTheListsShowTheFirstEntry) {
  qmtest::TempSettings st;
  st.store().writeString(QStringLiteral("FontSize"), QStringLiteral("9"));
  st.store().writeString(QStringLiteral("RefreshEveryXChrs"), QStringLiteral("45"));
  st.store().writeString(QStringLiteral("EnglishFont"), QStringLiteral("Qm No Such Font"));
  TForm1 main(st.store());
  TForm20* d = main.Window<TForm20>();
  EXPECT_EQ(d->ComboBox3->currentText(), QStringLiteral("8"));
  EXPECT_EQ(d->ComboBox4->currentText(), QString());
  // What OK then stores is what the dialog shows; an empty refresh count
  // keeps the stored one.
  d->Button1->click();
  EXPECT_EQ(st.store().readString(QStringLiteral("EnglishFont"), {}), d->ComboBox1->itemText(0));
  EXPECT_EQ(st.store().readString(QStringLiteral("FontSize"), {}), QStringLiteral("8"));
  EXPECT_EQ(st.store().readInt(QStringLiteral("RefreshEveryXChrs"), 0), 45);
}

TEST_F(SettingsDialog, CancelKeepsTheChoicesForTheNextOpeningAndALaterOk) {
  TForm20* d = open();
  prompts.colors.push_back(std::nullopt);  // a cancelled colour dialog changes nothing
  d->Button4->click();
  prompts.colors.push_back(QColor(255, 0, 0));
  d->Button4->click();
  d->ComboBox3->setCurrentText(QStringLiteral("12"));
  d->Button2->click();
  EXPECT_EQ(stored("TagColor"), QStringLiteral("<none>"));
  EXPECT_EQ(form->Editor().FontSize, 8);

  EXPECT_EQ(open(), d);
  EXPECT_EQ(d->Label8->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(d->Button4->icon().pixmap(16).toImage().pixelColor(8, 8), QColor(255, 0, 0));  // the button shows it
  d->Button1->click();
  EXPECT_EQ(stored("TagColor"), QStringLiteral("255"));
  EXPECT_EQ(form->Editor().TagColor, 0x0000FFu);
  EXPECT_EQ(form->Editor().FontSize, 12);
}

// Every open page follows at once (colours, background, fonts, the Hebrew
// edit view at twice the size, line numbers); new pages start with the new look.
TEST_F(SettingsDialog, OkAppliesToEveryOpenDocumentAndNewOnes) {
  TWorkForm* other = newDoc();
  other->Memo1->setText("x<y>");
  TWorkForm* active = newDoc();
  active->Memo1->setText("a<b>c");
  TForm20* d = open();
  prompts.colors.push_back(QColor(0, 200, 0));
  d->Button4->click();
  prompts.colors.push_back(QColor(250, 250, 200));
  d->Button6->click();
  d->ComboBox3->setCurrentText(QStringLiteral("14"));
  const auto numbered = [](TWorkForm* w) {
    const QWidget* margin = w->Memo1->lineNumberMargin();
    return margin && margin->isVisible() && margin->geometry().right() < w->Memo1->viewport()->geometry().left();
  };
  EXPECT_TRUE(numbered(active) && numbered(other));
  d->LineNumbersCheck->setChecked(false);
  d->Button1->click();
  EXPECT_EQ(stored("LineNumbers"), QStringLiteral("0"));

  for (TWorkForm* w : {active, other, newDoc()}) {
    EXPECT_FALSE(numbered(w) || w->RichEdit1->lineNumbers());
    EXPECT_EQ(w->Memo1->viewport()->geometry().left(), w->Memo1->frameWidth());
    EXPECT_EQ(backgroundOf(w), QColor(250, 250, 200));
    EXPECT_DOUBLE_EQ(w->Memo1->font().pointSizeF(), 14.0);
    EXPECT_DOUBLE_EQ(w->RichEdit1->font().pointSizeF(), 28.0);
  }
  for (TWorkForm* w : {active, other}) {
    const QColor own = w->Memo1->palette().color(QPalette::Text);
    EXPECT_EQ(w->ColourModel()->colourAt(w->Memo1->positionOf(2), own), QColor(0, 200, 0));
  }
}

}  // namespace
