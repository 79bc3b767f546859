// The settings dialog: what it shows, what OK stores and applies, what Cancel
// keeps.
#include <QAction>
#include <QComboBox>
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

// Stored values the lists do not hold: the first size, no refresh count, and
// for a font that is not installed the first font of the list.
TEST_F(SettingsDialog, ValuesOutsideTheListsShowTheFirstEntry) {
  qmtest::TempSettings st;
  st.store().writeString(QStringLiteral("FontSize"), QStringLiteral("9"));
  st.store().writeString(QStringLiteral("RefreshEveryXChrs"), QStringLiteral("45"));
  st.store().writeString(QStringLiteral("EnglishFont"), QStringLiteral("Qm No Such Font"));
  TForm1 main(st.store());
  TForm20* d = main.SettingsDialog();
  EXPECT_EQ(d->ComboBox3->currentText(), QStringLiteral("8"));
  EXPECT_EQ(d->ComboBox4->currentText(), QString());
  EXPECT_EQ(d->ComboBox1->currentIndex(), 0);
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
  EXPECT_EQ(form->FontSize, QStringLiteral("16"));

  EXPECT_EQ(open(), d);
  EXPECT_EQ(textColourOf(d->Label8), QColor(255, 0, 0));
  EXPECT_EQ(d->ComboBox3->currentText(), QStringLiteral("12"));
  d->Button1->click();
  EXPECT_EQ(stored("TagColor"), QStringLiteral("255"));
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
