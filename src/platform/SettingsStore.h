#pragma once

#include <QSettings>
#include <QString>
#include <cstdint>
#include <memory>

namespace qm {

// The per-user settings: section "Quillmark" of key "SoftWare". Every value is
// a string; numbers and colours as decimal text, booleans as "1"/"0". A value
// that is missing, or not a number where one is expected, reads as the default.
// Values are written (and flushed) at the moment they change.
class SettingsStore {
 public:
  // The store of the platform: the registry on Windows; elsewhere an INI file
  // in the user's configuration folder, or the file named by the environment
  // variable QUILLMARK_SETTINGS.
  SettingsStore();
  // An INI file at the given path (tests use a temporary file).
  explicit SettingsStore(const QString& iniPath);

  QString readString(const QString& name, const QString& def) const;
  std::int32_t readInt(const QString& name, std::int32_t def) const;
  bool readBool(const QString& name, bool def) const;
  bool contains(const QString& name) const;

  void writeString(const QString& name, const QString& value);
  void writeInt(const QString& name, std::int32_t value);
  void writeBool(const QString& name, bool value);

  QString fileName() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace qm
