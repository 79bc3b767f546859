#include "platform/FileIO.h"

#include <QFile>
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

}  // namespace qm
