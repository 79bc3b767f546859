#pragma once

#include <QTemporaryDir>
#include <memory>

#include "platform/SettingsStore.h"

namespace qmtest {

// A settings store in a fresh temporary folder, as on a first run.
class TempSettings {
 public:
  TempSettings() : store_(std::make_unique<qm::SettingsStore>(path())) {}
  qm::SettingsStore& store() { return *store_; }
  QString path() const { return dir_.filePath(QStringLiteral("settings.ini")); }
  // A second store on the same file, as the next start of the program sees it.
  qm::SettingsStore reopen() const { return qm::SettingsStore(path()); }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<qm::SettingsStore> store_;
};

}  // namespace qmtest
