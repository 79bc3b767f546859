#pragma once

#include <QFile>
#include <QString>

namespace qm::net {

// A file received from the network: written under a temporary name beside the
// target and renamed over it by commit(), so a transfer that fails leaves the
// previous file as it was. Unlike QSaveFile it does not force the data to disk
// before the rename (that alone would cost a quarter of a loopback download);
// the rename still replaces the file in one step.
class ReplacingFile {
 public:
  explicit ReplacingFile(QString target);
  ~ReplacingFile();  // removes the temporary file unless committed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary file; throws std::runtime_error when it cannot.
  void open();
  QIODevice& device() { return m_temp; }
  // Renames the temporary file over the target; throws std::runtime_error on failure.
  void commit();

 private:
  QString m_target;
  QFile m_temp;
  bool m_committed = false;
};

}  // namespace qm::net
