#include "platform/FileIO.h"

#include <QFile>
#include <QSaveFile>
#include <stdexcept>

namespace qm {

namespace {
// "לא ניתן <what> <path>: <why>", the text of a failed file operation.
[[noreturn]] void fail(const char* what, const QString& path, const QString& why) {
  throw std::runtime_error((QString::fromUtf8(what) + path + QStringLiteral(": ") + why).toUtf8().toStdString());
}
constexpr const char* kOpen = "לא ניתן לפתוח את ";
constexpr const char* kRead = "לא ניתן לקרוא את ";
constexpr const char* kWrite = "לא ניתן לשמור את ";
}  // namespace

std::string readFileBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) fail(kOpen, path, f.errorString());
  const QByteArray data = f.readAll();
  if (f.error() != QFileDevice::NoError) fail(kRead, path, f.errorString());
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

void writeFileAtomically(const QString& path, std::string_view bytes) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) fail(kWrite, path, f.errorString());
  const auto size = static_cast<qint64>(bytes.size());
  if (f.write(bytes.data(), size) != size) {
    const QString why = f.errorString();
    f.cancelWriting();
    fail(kWrite, path, why);
  }
  if (!f.commit()) fail(kWrite, path, f.errorString());
}

}  // namespace qm
