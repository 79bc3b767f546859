// The script library's file: numbered copies of a file that was not read
// whole, and the save in place when the folder takes no temporary file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "core/scripts/ScriptDb.h"
#include "scripts/ScriptStore.h"

namespace {

namespace sc = qm::scripts;

class ScriptStoreTest : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return dir.filePath(name); }
  void write(const QString& name, const std::string& bytes) const {
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::string read(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "(none)";
  }
  // A store whose atomic writes fail as in a folder that takes no new file.
  sc::ScriptStore refusingTemporaryFiles(const QString& spare) const {
    return sc::ScriptStore(path(QStringLiteral("JSDB.dat")), spare, [](const QString&, std::string_view) {
      throw std::runtime_error("no temporary file");
    });
  }
  QTemporaryDir dir;
  const std::string whole = sc::SaveDB({{"a", "", "<a>", "", "", "", "", ""}});
};

TEST_F(ScriptStoreTest, AFileNotReadWholeIsKeptBesideEveryEarlierCopy) {
  const std::string damaged = whole.substr(0, whole.rfind("!SCRIPT-END"));
  write(QStringLiteral("JSDB.dat.bak"), "earlier");
  sc::ScriptStore store(path(QStringLiteral("JSDB.dat")), path(QStringLiteral("spare")));
  for (const char* copy : {"JSDB.dat.1.bak", "JSDB.dat.2.bak"}) {
    write(QStringLiteral("JSDB.dat"), damaged);
    const sc::ScriptStore::Opened opened = store.load();
    EXPECT_EQ(opened.read, sc::ScriptStore::Read::Partly);
    EXPECT_TRUE(opened.error);
    EXPECT_TRUE(store.save().endsWith(path(QString::fromLatin1(copy))));
    EXPECT_EQ(read(QString::fromLatin1(copy)), damaged);
    EXPECT_TRUE(store.save().isEmpty());  // once only
  }
  EXPECT_EQ(read(QStringLiteral("JSDB.dat.bak")), "earlier");
  EXPECT_EQ(read(QStringLiteral("JSDB.dat")), sc::SaveDB({}));
}

TEST_F(ScriptStoreTest, AFolderWithoutTemporaryFilesIsWrittenInPlaceAfterACopy) {
  write(QStringLiteral("JSDB.dat"), whole);
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("spare")));
  sc::ScriptStore store = refusingTemporaryFiles(path(QStringLiteral("spare")));
  store.load();
  store.scripts().clear();  // shorter than before: the file is cut to the new length
  EXPECT_TRUE(store.save().isEmpty());
  EXPECT_EQ(read(QStringLiteral("JSDB.dat")), sc::SaveDB({}));
  EXPECT_EQ(read(QStringLiteral("spare/JSDB.dat.previous")), whole);

  // No place for the copy: nothing is written, and the message says why.
  write(QStringLiteral("JSDB.dat"), whole);
  write(QStringLiteral("not-a-folder"), "");
  sc::ScriptStore noSpare = refusingTemporaryFiles(path(QStringLiteral("not-a-folder")));
  noSpare.load();
  noSpare.scripts().clear();
  try {
    noSpare.save();
    ADD_FAILURE() << "saved without a copy";
  } catch (const std::runtime_error& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("אין מקום לעותק")));
  }
  EXPECT_EQ(read(QStringLiteral("JSDB.dat")), whole);
}

}  // namespace
