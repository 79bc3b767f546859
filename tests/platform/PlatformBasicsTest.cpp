#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QTranslator>
#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/Fonts.h"
#include "platform/Prompts.h"
#include "support/ScriptedPrompts.h"
#include "support/TempSettings.h"

using namespace qm;

TEST(SettingsStore, ValuesAreStringsWithDefaults) {
  qmtest::TempSettings temp;
  auto& s = temp.store();
  EXPECT_TRUE(s.readBool("WinMax", true));

  s.writeString("MainWidth", "wide");
  s.writeBool("WinMax", false);
  s.writeInt("RefreshEveryXChrs", 75);
  s.writeString("HebrewFont", QStringLiteral("דוד"));

  // What the next start of the program reads back from the file.
  const auto again = temp.reopen();
  EXPECT_EQ(again.readInt("MainWidth", 320), 320);  // not a number: the default
  EXPECT_FALSE(again.readBool("WinMax", true));
  EXPECT_EQ(again.readString("WinMax", ""), "0");
  EXPECT_EQ(again.readInt("RefreshEveryXChrs", 60), 75);
  EXPECT_EQ(again.readString("HebrewFont", ""), QStringLiteral("דוד"));

  QFile f(temp.path());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains("[Quillmark]"));
}

TEST(Cp1255Bridge, BytesRoundTripThroughQString) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const QString s = fromCp1255(all);
  EXPECT_EQ(s.size(), 255);
  EXPECT_EQ(toCp1255(s), all);
  EXPECT_EQ(fromCp1255("\xE0\xE1"), QStringLiteral("אב"));
  EXPECT_EQ(toCp1255(QStringLiteral("Жא")), "&#1046;\xE0");
}

class Throwing : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("disk full");
    return QObject::event(e);
  }
};

TEST(Application, ExceptionInAnEventShowsTheErrorBoxAndGoesOn) {
  auto& p = qmtest::ScriptedPrompts::install();
  Throwing t;
  QEvent ev(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&t, &ev));
  ASSERT_EQ(p.texts("error").size(), 1u);
  EXPECT_EQ(p.texts("error")[0], "disk full");
  EXPECT_EQ(exceptionText("\xE0\xE1"), QStringLiteral("אב"));  // not UTF-8: code page 1255
}

// The standard dialogs speak Hebrew once the toolkit's translations are in.
TEST(Application, StandardDialogsAreHebrewWithTheToolkitTranslations) {
  QTranslator* translator = installToolkitTranslations();
  if (!translator) GTEST_SKIP() << "the toolkit's Hebrew translations (qt6-translations-l10n) are not installed";
  const auto hebrew = [](const QString& s) {
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() >= 0x5D0 && c.unicode() <= 0x5EA; });
  };
  QMessageBox box(QMessageBox::Question, QString(), QString(),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
  for (QAbstractButton* b : box.buttons()) EXPECT_TRUE(hebrew(b->text())) << b->text().toStdString();
  QFileDialog files;
  files.setOption(QFileDialog::DontUseNativeDialog);
  for (const char* name : {"lookInLabel", "fileNameLabel"}) {
    const auto* label = files.findChild<QLabel*>(QLatin1String(name));
    ASSERT_NE(label, nullptr) << name;
    EXPECT_TRUE(hebrew(label->text())) << label->text().toStdString();
  }
  QCoreApplication::removeTranslator(translator);
  delete translator;
}

// The font names of another system show in the closest installed font: the
// interface in a sans-serif font with Hebrew, the source in a monospaced one,
// Hebrew runs in Culmus; an installed family stays itself.
TEST(Fonts, FamiliesOfAnotherSystemShowInTheClosestInstalledOne) {
  for (const char* needed : {"DejaVu Sans", "DejaVu Sans Mono", "Miriam Mono CLM", "David CLM", "Miriam CLM", "Nachlieli CLM"})
    if (!QFontDatabase::families().contains(QLatin1String(needed)))
      GTEST_SKIP() << needed << " is not installed (culmus, fonts-dejavu-core)";
  const struct {
    const char* family;
    FontRole role;
    const char* shown;
  } cases[] = {
      {"MS Sans Serif", FontRole::Interface, "DejaVu Sans"},
      {"MS Sans Serif", FontRole::Source, "DejaVu Sans Mono"},
      {"MS Sans Serif", FontRole::Hebrew, "Miriam CLM"},  // proportional, as the stock font is
      {"Courier New", FontRole::Interface, "Miriam Mono CLM"},  // monospaced, with Hebrew
      {"Arial Hebrew", FontRole::Interface, "DejaVu Sans"},
      {"Arial", FontRole::Hebrew, "Miriam CLM"},
      {"David", FontRole::Source, "David CLM"},
      {"Qm No Such Font", FontRole::Source, "DejaVu Sans Mono"},
      {"Nachlieli CLM", FontRole::Source, "Nachlieli CLM"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(installedFamily(QLatin1String(c.family), c.role), QLatin1String(c.shown))
        << c.family << " " << static_cast<int>(c.role);
  installFontFallbacks();
  EXPECT_EQ(QFont::substitute(QStringLiteral("Courier New")).toLower(), QStringLiteral("miriam mono clm"));
}
