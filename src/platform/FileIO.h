#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <string>
#include <string_view>

namespace qm {

// Reads a whole file as bytes. Throws std::runtime_error with a Hebrew
// message (the path and the reason) when it cannot.
std::string readFileBytes(const QString& path);

// Writes a file as a whole: the bytes go to a temporary file beside it, which
// then replaces the target, so a failed write (full disk, no permission)
// leaves the previous file as it was. Throws std::runtime_error with a Hebrew
// message on failure (a full disk says so).
void writeFileAtomically(const QString& path, std::string_view bytes);

// Writes an existing file in place, for a file whose folder takes no new
// file: the new bytes over the old, then the file cut to their length, so the
// file is never empty or shorter than the new bytes while it is written. A
// failure part way leaves a mixture: keep a copy first. Throws as above.
void writeFileInPlace(const QString& path, std::string_view bytes);

// What a file held when the program last read or wrote it, so that a change
// another program made since is noticed.
class FileStamp {
 public:
  // Notes `bytes` as what the file at `path` holds now.
  void note(const QString& path, std::string_view bytes);
  // Notes what the file at `path` holds now (nothing when it cannot be read).
  void noteCurrent(const QString& path);
  void clear() { *this = FileStamp(); }
  bool empty() const { return path_.isEmpty(); }
  const QString& path() const { return path_; }
  // True when the file holds something other than what was noted. A file
  // that is gone or cannot be read holds nothing to lose: false. Only a
  // file whose size or time changed is read.
  bool changed() const;

 private:
  QString path_;
  qint64 size_ = -1;
  QDateTime modified_;
  QByteArray digest_;
};

}  // namespace qm
