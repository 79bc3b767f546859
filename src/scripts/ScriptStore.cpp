#include "scripts/ScriptStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <stdexcept>
#include <utility>

#include "platform/FileIO.h"

namespace qm::scripts {

namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

}  // namespace

ScriptStore::ScriptStore(QString path, QString spareFolder, Writer write)
    : path_(std::move(path)), spare_(std::move(spareFolder)), write_(std::move(write)) {
  if (!write_) write_ = [](const QString& p, std::string_view bytes) { qm::writeFileAtomically(p, bytes); };
}

ScriptStore::Opened ScriptStore::load() {
  list_.clear();
  keepOriginal_ = false;
  Opened opened;
  if (!QFileInfo::exists(path_)) {
    list_ = starterScripts();
    read_ = opened.read = Read::FirstStart;
    return opened;
  }
  std::string bytes;
  try {
    bytes = qm::readFileBytes(path_);
  } catch (const std::exception&) {
    keepOriginal_ = true;
    read_ = opened.read = Read::Unreadable;
    opened.message = QStringLiteral("שגיאה בפתיחת") + QStringLiteral("\n\r") + path_;
    return opened;
  }
  LoadResult result = LoadDB(bytes);
  bytes = std::string();
  list_ = std::move(result.scripts);
  keepOriginal_ = result.stoppedEarly();
  read_ = opened.read = keepOriginal_ ? Read::Partly : Read::Whole;
  if (result.stop == LoadStop::BadCount || result.stop == LoadStop::Truncated) {
    opened.error = true;
    opened.message = QStringLiteral("קובץ המאגר %1 לא נקרא עד סופו: הקריאה נעצרה בשורה %2")
                         .arg(path_)
                         .arg(result.line + 1);
  }
  return opened;
}

QString ScriptStore::spareFolder() const {
  if (!spare_.isEmpty()) return spare_;
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  if (!data.isEmpty() && QDir().mkpath(data)) return data;
  return QDir::tempPath();
}

QString ScriptStore::keepNumberedCopy() {
  const QString name = QFileInfo(path_).fileName();
  for (const QString& folder : {QFileInfo(path_).absolutePath(), spareFolder()}) {
    const QDir dir(folder);
    for (int n = 0;; ++n) {
      const QString copy = dir.filePath(n == 0 ? name + QStringLiteral(".bak")
                                               : QStringLiteral("%1.%2.bak").arg(name).arg(n));
      if (QFileInfo::exists(copy)) continue;
      if (QFile::copy(path_, copy)) return copy;
      break;  // this folder takes no copy: the next one
    }
  }
  fail(QStringLiteral("לא ניתן לשמור עותק של קובץ המאגר %1 - המאגר לא נשמר").arg(path_));
}

void ScriptStore::writeInPlace(const std::string& bytes, const QString& whyNotAtomic) {
  const QFileInfo target(path_);
  if (!target.isFile() || !target.isWritable()) fail(whyNotAtomic);
  // The copy comes first: a write that fails part way is undone from it.
  const std::string before = qm::readFileBytes(path_);
  const QString copy = QDir(spareFolder()).filePath(target.fileName() + QStringLiteral(".previous"));
  try {
    qm::writeFileAtomically(copy, before);
  } catch (const std::exception&) {
    fail(whyNotAtomic + QStringLiteral("\n") +
         QStringLiteral("אין מקום לעותק של הקובץ לפני כתיבתו במקומו - המאגר לא נשמר"));
  }
  try {
    qm::writeFileInPlace(path_, bytes);
  } catch (const std::exception& e) {
    try {
      qm::writeFileInPlace(path_, before);
    } catch (const std::exception&) {
      fail(QString::fromUtf8(e.what()) + QStringLiteral("\n") + QStringLiteral("עותק של הקובץ הקודם נשמר בשם ") + copy);
    }
    throw;
  }
}

QString ScriptStore::save() {
  const std::string bytes = SaveDB(list_);
  QString note;
  if (keepOriginal_ && QFileInfo(path_).isFile()) {
    const QString copy = keepNumberedCopy();
    note = QStringLiteral("!קובץ המאגר לא נקרא עד סופו - הקובץ המקורי נשמר בשם") + QStringLiteral("\n\r") + copy;
  }
  try {
    write_(path_, bytes);
  } catch (const std::exception& e) {
    // A folder that takes no temporary file: the file itself may still be writable.
    writeInPlace(bytes, QString::fromUtf8(e.what()));
  }
  keepOriginal_ = false;
  return note;
}

}  // namespace qm::scripts
