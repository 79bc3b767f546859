#include "platform/FileIO.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <stdexcept>

namespace qm {

namespace {

// Why a file operation failed, for the user: a full disk and a missing
// permission in Hebrew, anything else as the system tells it.
QString reason(const QFileDevice& f, int savedErrno) {
  if (savedErrno == ENOSPC || savedErrno == EDQUOT) return QStringLiteral("הדיסק מלא");
  if (f.error() == QFileDevice::PermissionsError || savedErrno == EACCES || savedErrno == EPERM || savedErrno == EROFS)
    return QStringLiteral("אין הרשאה");
  return f.errorString();
}

[[noreturn]] void fail(const QString& what, const QString& path, const QString& why) {
  throw std::runtime_error((what + QStringLiteral(" ") + path + QStringLiteral("\n") + why).toStdString());
}

}  // namespace

std::string readFileBytes(const QString& path) {
  QFile f(path);
  errno = 0;
  if (!f.open(QIODevice::ReadOnly)) fail(QStringLiteral("לא ניתן לפתוח את הקובץ"), path, reason(f, errno));
  const QByteArray data = f.readAll();
  if (f.error() != QFileDevice::NoError) fail(QStringLiteral("לא ניתן לקרוא את הקובץ"), path, reason(f, errno));
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

void writeFileAtomically(const QString& path, std::string_view bytes) {
  const QString cannot = QStringLiteral("לא ניתן לשמור את הקובץ");
  QSaveFile f(path);
  errno = 0;
  if (!f.open(QIODevice::WriteOnly)) fail(cannot, path, reason(f, errno));
  const auto size = static_cast<qint64>(bytes.size());
  if (f.write(bytes.data(), size) != size) {
    const QString why = reason(f, errno);
    f.cancelWriting();
    fail(cannot, path, why);
  }
  errno = 0;
  if (!f.commit()) fail(cannot, path, reason(f, errno));
}

void writeFileInPlace(const QString& path, std::string_view bytes) {
  const QString cannot = QStringLiteral("לא ניתן לשמור את הקובץ");
  QFile f(path);
  errno = 0;
  // Not truncated first: the new bytes go over the old ones, and only then is
  // the file cut to their length.
  if (!f.open(QIODevice::ReadWrite)) fail(cannot, path, reason(f, errno));
  const auto size = static_cast<qint64>(bytes.size());
  if (f.write(bytes.data(), size) != size || !f.flush() || !f.resize(size)) fail(cannot, path, reason(f, errno));
  f.close();
  if (f.error() != QFileDevice::NoError) fail(cannot, path, reason(f, errno));
}

namespace {
QByteArray digestOf(QIODevice& file) {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  return hash.addData(&file) ? hash.result() : QByteArray();
}
}  // namespace

void FileStamp::note(const QString& path, std::string_view bytes) {
  const QFileInfo info(path);
  path_ = path;
  size_ = info.size();
  modified_ = info.lastModified();
  digest_ = QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                     QCryptographicHash::Sha1);
}

void FileStamp::noteCurrent(const QString& path) {
  clear();
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return;
  const QFileInfo info(path);
  const QByteArray digest = digestOf(f);
  if (digest.isEmpty()) return;
  path_ = path;
  size_ = info.size();
  modified_ = info.lastModified();
  digest_ = digest;
}

bool FileStamp::changed() const {
  if (path_.isEmpty()) return false;
  const QFileInfo info(path_);
  if (!info.isFile() || (info.size() == size_ && info.lastModified() == modified_)) return false;
  QFile f(path_);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray digest = digestOf(f);
  return !digest.isEmpty() && digest != digest_;
}

}  // namespace qm
