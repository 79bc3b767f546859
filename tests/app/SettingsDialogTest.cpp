// The settings dialog: what it shows, what OK stores and applies, what Cancel
// keeps.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "../editor/DocFixture.h"
#include "app/Conf_F.h"
#include "core/markup/RtfColorTable.h"
#include "editor/Colouring.h"

namespace {

using qmtest::DocFixture;

class SettingsDialog : public DocFixture {
 protected:
  // Opened the way the user opens it.
  TForm20* open() {
    EXPECT_TRUE(form->runCommand(QStringLiteral("N45")));
    auto* d = form->findChild<TForm20*>(QStringLiteral("Form20"));
    EXPECT_NE(d, nullptr);
    if (d) {
      EXPECT_TRUE(d->isVisible());
    }
    return d;
  }
  QString stored(const char* name) { return settings.store().readString(QString::fromLatin1(name), QStringLiteral("<none>")); }
  static QColor textColourOf(QWidget* w) { return w->palette().color(QPalette::WindowText); }
  static QColor backgroundOf(TWorkForm* w) { return w->Memo1->palette().color(QPalette::Base); }
};

TEST_F(SettingsDialog, OkWithTheDefaultsStoresThem) {
  TForm20* d = open();
  d->Button1->click();
  EXPECT_FALSE(d->isVisible());
  const std::pair<const char*, const char*> expected[] = {
      {"FontSize", "8"},          {"EnglishFont", "MS Sans Serif"},    {"HebrewFont", "MS Sans Serif"},
      {"TextColor", "0"},         {"TagColor", "16711680"},            {"RemarksColor", "7368816"},
      {"MemoBackground", "16777215"}, {"RefreshEveryXChrs", "60"},
  };
  for (const auto& [name, value] : expected) EXPECT_EQ(stored(name), QString::fromLatin1(value)) << name;
  EXPECT_EQ(form->FontSize, QStringLiteral("16"));
  EXPECT_EQ(form->RtfColorTable,
            "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red112\\green112\\blue112;\\red0\\green0\\blue0;}");
}

TEST_F(SettingsDialog, ShowsTheStoredSettings) {
  struct Case {
    const char* fontSize;       // stored, or nullptr
    const char* refresh;        // stored, or nullptr
    const char* englishFont;    // stored, or nullptr
    QString size;               // ComboBox3 shows
    QString every;              // ComboBox4 shows
    bool firstFont;             // ComboBox1 shows the first font of its list
  };
  const Case cases[] = {
      {"12", "500", nullptr, QStringLiteral("12"), QStringLiteral("500"), false},
      // Values the lists do not hold: the first size; no refresh count.
      {"9", "45", nullptr, QStringLiteral("8"), QString(), false},
      // A font that is not installed: the first font of the list.
      {nullptr, nullptr, "Qm No Such Font", QStringLiteral("8"), QStringLiteral("60"), true},
  };
  for (const Case& c : cases) {
    qmtest::TempSettings st;
    if (c.fontSize) st.store().writeString(QStringLiteral("FontSize"), QString::fromLatin1(c.fontSize));
    if (c.refresh) st.store().writeString(QStringLiteral("RefreshEveryXChrs"), QString::fromLatin1(c.refresh));
    if (c.englishFont) st.store().writeString(QStringLiteral("EnglishFont"), QString::fromLatin1(c.englishFont));
    TForm1 main(st.store());
    TForm20* d = main.SettingsDialog();
    EXPECT_EQ(d->ComboBox3->currentText(), c.size) << c.fontSize;
    EXPECT_EQ(d->ComboBox4->currentText(), c.every) << c.refresh;
    if (c.firstFont) {
      EXPECT_EQ(d->ComboBox1->currentIndex(), 0);
    } else {
      EXPECT_EQ(d->ComboBox1->currentText(), QStringLiteral("MS Sans Serif"));
    }
    EXPECT_EQ(d->ComboBox2->currentText(), QStringLiteral("MS Sans Serif"));
    // What OK then stores is what the dialog shows; an empty refresh count
    // keeps the stored one.
    d->Button1->click();
    EXPECT_EQ(st.store().readString(QStringLiteral("EnglishFont"), {}), d->ComboBox1->currentText());
    EXPECT_EQ(main.EnglishFont, d->ComboBox1->currentText());
    EXPECT_EQ(st.store().readString(QStringLiteral("FontSize"), {}), c.size);
    EXPECT_EQ(main.FontSize, QString::number(c.size.toInt() * 2));
    EXPECT_EQ(st.store().readInt(QStringLiteral("RefreshEveryXChrs"), 0), c.refresh ? QString::fromLatin1(c.refresh).toInt() : 60);
  }
}

TEST_F(SettingsDialog, ColourButtonsChangeThePreviewOnlyWhenConfirmed) {
  struct Case {
    QPushButton* TForm20::*button;
    QLabel* TForm20::*shows;
    std::uint32_t TForm20::*working;
  };
  TForm20* d = open();
  const Case cases[] = {
      {&TForm20::Button3, &TForm20::Label5, &TForm20::TextColour},
      {&TForm20::Button4, &TForm20::Label8, &TForm20::TagColour},
      {&TForm20::Button5, &TForm20::Label9, &TForm20::RemarksColour},
  };
  for (const Case& c : cases) {
    const std::uint32_t before = d->*c.working;
    prompts.colors.push_back(std::nullopt);  // cancelled
    (d->*c.button)->click();
    EXPECT_EQ(d->*c.working, before);
    prompts.colors.push_back(QColor(10, 20, 30));
    (d->*c.button)->click();
    EXPECT_EQ(d->*c.working, 0x1E140Au);
    EXPECT_EQ(textColourOf(d->*c.shows), QColor(10, 20, 30));
  }
  prompts.colors.push_back(QColor(1, 2, 3));
  d->Button6->click();
  EXPECT_EQ(d->BackColour, 0x030201u);
  EXPECT_EQ(d->Panel1->palette().color(QPalette::Window), QColor(1, 2, 3));
  // Hebrew text in the plain colour, in the Hebrew font; the size for all.
  EXPECT_EQ(textColourOf(d->Label7), QColor(10, 20, 30));
  d->ComboBox3->setCurrentText(QStringLiteral("14"));
  d->ComboBox2->setCurrentIndex(d->ComboBox2->count() - 1);
  EXPECT_EQ(d->Label7->font().family(), d->ComboBox2->currentText());
  for (QLabel* l : {d->Label5, d->Label7, d->Label8, d->Label9}) EXPECT_EQ(l->font().pointSize(), 14);
  // Shown as text, not as markup.
  EXPECT_EQ(d->Label8->textFormat(), Qt::PlainText);
}

TEST_F(SettingsDialog, CancelKeepsTheChoicesForTheNextOpeningAndALaterOk) {
  TForm20* d = open();
  prompts.colors.push_back(QColor(255, 0, 0));
  d->Button4->click();
  d->ComboBox3->setCurrentText(QStringLiteral("12"));
  d->Button2->click();
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(stored("TagColor"), QStringLiteral("<none>"));
  EXPECT_EQ(form->TagColor, 0xFF0000u);
  EXPECT_EQ(form->FontSize, QStringLiteral("16"));

  EXPECT_EQ(open(), d);
  EXPECT_EQ(textColourOf(d->Label8), QColor(255, 0, 0));
  EXPECT_EQ(d->ComboBox3->currentText(), QStringLiteral("12"));
  d->Button1->click();
  EXPECT_EQ(stored("TagColor"), QStringLiteral("255"));
  EXPECT_EQ(form->TagColor, 0x0000FFu);
  EXPECT_EQ(form->RtfColorTable, qm::buildRtfColorTable(0x0000FF, 0x707070, 0));
  EXPECT_EQ(form->FontSize, QStringLiteral("24"));
}

TEST_F(SettingsDialog, OkAppliesToTheActiveDocumentAndNewOnes) {
  TWorkForm* other = newDoc();
  const QColor otherBackground = backgroundOf(other);
  TWorkForm* active = newDoc();
  active->Memo1->setText("a<b>c");
  active->DoHighLight();
  TForm20* d = open();
  prompts.colors.push_back(QColor(0, 200, 0));
  d->Button4->click();
  prompts.colors.push_back(QColor(250, 250, 200));
  d->Button6->click();
  d->ComboBox3->setCurrentText(QStringLiteral("14"));
  d->Button1->click();

  EXPECT_EQ(backgroundOf(active), QColor(250, 250, 200));
  EXPECT_EQ(backgroundOf(other), otherBackground);
  const QColor own = active->Memo1->palette().color(QPalette::Text);
  EXPECT_EQ(active->ColourModel()->colourAt(active->Memo1->positionOf(1), own), QColor(0, 200, 0));
  EXPECT_DOUBLE_EQ(active->Memo1->font().pointSizeF(), 14.0);
  EXPECT_EQ(form->MemoBackground, 0xC8FAFAu);

  TWorkForm* fresh = newDoc();
  EXPECT_EQ(backgroundOf(fresh), QColor(250, 250, 200));
  EXPECT_DOUBLE_EQ(fresh->Memo1->font().pointSizeF(), 14.0);
}

TEST_F(SettingsDialog, OkWithoutDocumentsChangesOnlyTheSettings) {
  TForm20* d = open();
  prompts.colors.push_back(QColor(0, 0, 128));
  d->Button6->click();
  d->Button1->click();
  EXPECT_EQ(documents(), 0);
  EXPECT_EQ(stored("MemoBackground"), QStringLiteral("8388608"));
  TWorkForm* w = newDoc();
  EXPECT_EQ(backgroundOf(w), QColor(0, 0, 128));
}

}  // namespace
