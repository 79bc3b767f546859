#include "platform/FileIO.h"

#include <QFile>
#include <QSaveFile>
#include <stdexcept>

namespace qm {

std::string readFileBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    throw std::runtime_error(("Cannot open " + path + ": " + f.errorString()).toStdString());
  const QByteArray data = f.readAll();
  if (f.error() != QFileDevice::NoError)
    throw std::runtime_error(("Cannot read " + path + ": " + f.errorString()).toStdString());
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

void writeFileAtomically(const QString& path, std::string_view bytes) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly))
    throw std::runtime_error(("Cannot write " + path + ": " + f.errorString()).toStdString());
  const auto size = static_cast<qint64>(bytes.size());
  if (f.write(bytes.data(), size) != size) {
    const QString why = f.errorString();
    f.cancelWriting();
    throw std::runtime_error(("Cannot write " + path + ": " + why).toStdString());
  }
  if (!f.commit()) throw std::runtime_error(("Cannot write " + path + ": " + f.errorString()).toStdString());
}

}  // namespace qm
