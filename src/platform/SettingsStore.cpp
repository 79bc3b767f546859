#include "platform/SettingsStore.h"

#include <QDir>
#include <QStandardPaths>

#include "core/util/Numbers.h"

namespace qm {
namespace {
const QString kSection = QStringLiteral("Quillmark/");

QString defaultIniPath() {
  const QByteArray env = qgetenv("QUILLMARK_SETTINGS");
  if (!env.isEmpty()) return QString::fromLocal8Bit(env);
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return dir + QStringLiteral("/Quillmark/SoftWare.ini");
}
}  // namespace

SettingsStore::SettingsStore() {
#ifdef Q_OS_WIN
  if (qEnvironmentVariableIsEmpty("QUILLMARK_SETTINGS")) {
    settings_ = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\SoftWare"), QSettings::NativeFormat);
    return;
  }
#endif
  settings_ = std::make_unique<QSettings>(defaultIniPath(), QSettings::IniFormat);
}

SettingsStore::SettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QString SettingsStore::readString(const QString& name, const QString& def) const {
  const QVariant v = settings_->value(kSection + name);
  return v.isValid() ? v.toString() : def;
}

std::int32_t SettingsStore::readInt(const QString& name, std::int32_t def) const {
  const QVariant v = settings_->value(kSection + name);
  if (!v.isValid()) return def;
  return strToIntDef(v.toString().toStdString(), def);
}

bool SettingsStore::readBool(const QString& name, bool def) const {
  return readInt(name, def ? 1 : 0) != 0;
}

bool SettingsStore::contains(const QString& name) const { return settings_->contains(kSection + name); }

void SettingsStore::writeString(const QString& name, const QString& value) {
  settings_->setValue(kSection + name, value);
  settings_->sync();
}

void SettingsStore::writeInt(const QString& name, std::int32_t value) { writeString(name, QString::number(value)); }

void SettingsStore::writeBool(const QString& name, bool value) {
  writeString(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

std::uint32_t SettingsStore::read(const Setting<std::uint32_t>& s) const {
  return static_cast<std::uint32_t>(readInt(QString::fromLatin1(s.name), static_cast<std::int32_t>(s.def)));
}

QString SettingsStore::read(const Setting<const char*>& s) const {
  return readString(QString::fromLatin1(s.name), QString::fromLatin1(s.def));
}

void SettingsStore::write(const Setting<std::uint32_t>& s, std::uint32_t v) {
  writeInt(QString::fromLatin1(s.name), static_cast<std::int32_t>(v & 0xFFFFFF));
}

QString SettingsStore::fileName() const { return settings_->fileName(); }

}  // namespace qm
