#include "net/ReplacingFile.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace qm::net {

ReplacingFile::ReplacingFile(QString target) : m_target(std::move(target)) {}

ReplacingFile::~ReplacingFile() {
  if (m_committed || m_temp.fileName().isEmpty()) return;
  m_temp.close();
  m_temp.remove();
}

void ReplacingFile::open() {
  const QFileInfo info(m_target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QString name = info.absolutePath() + QLatin1Char('/') + QLatin1Char('.') + info.fileName() +
                         QStringLiteral(".part") + QString::number(QRandomGenerator::global()->generate(), 36);
    m_temp.setFileName(name);
    if (m_temp.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
      // A replaced file keeps its permissions; a new one gets the usual ones.
      if (info.exists()) m_temp.setPermissions(info.permissions());
      return;
    }
    if (m_temp.error() != QFileDevice::OpenError || QFileInfo::exists(name) == false) break;
  }
  const std::string why = m_temp.errorString().toStdString();
  m_temp.setFileName(QString());
  throw std::runtime_error("Cannot create " + m_target.toStdString() + ": " + why);
}

void ReplacingFile::commit() {
  if (!m_temp.flush()) throw std::runtime_error("Cannot write " + m_target.toStdString() + ": " + m_temp.errorString().toStdString());
  m_temp.close();
  std::error_code ec;
  std::filesystem::rename(std::filesystem::path(QFile::encodeName(m_temp.fileName()).toStdString()),
                          std::filesystem::path(QFile::encodeName(m_target).toStdString()), ec);
  if (ec) throw std::runtime_error("Cannot write " + m_target.toStdString() + ": " + ec.message());
  m_committed = true;
}

}  // namespace qm::net
