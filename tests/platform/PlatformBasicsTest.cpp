#include <QFile>
#include <gtest/gtest.h>
#include <stdexcept>

#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
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
