#pragma once

#include <QString>
#include <functional>
#include <string_view>

#include "core/scripts/ScriptDb.h"

// The script library's file ("JSDB.dat" in the start-up folder) and the
// records read from it: reading it at the library window's first opening and
// writing it after every change. No widgets: the window shows what it tells.
namespace qm::scripts {

class ScriptStore {
 public:
  // Writes a whole file through a temporary file beside it.
  using Writer = std::function<void(const QString& path, std::string_view bytes)>;

  // `spareFolder` takes the copies the file's own folder cannot (empty: the
  // user's application data folder, else the temporary folder); `write`
  // writes a whole file (empty: qm::writeFileAtomically).
  explicit ScriptStore(QString path, QString spareFolder = QString(), Writer write = Writer());

  enum class Read {
    FirstStart,  // no file: the starter scripts, the first save writes the file
    Whole,       // read to its end
    Partly,      // reading stopped early: the records before that point
    Unreadable,  // the file is there but cannot be read: an empty library
  };
  struct Opened {
    Read read = Read::FirstStart;
    QString message;     // what to tell the user; empty: nothing
    bool error = false;  // the message goes in the error box
  };
  // Replaces the library with the file's contents.
  Opened load();

  // Writes the library to the file. The first save after a file was not read
  // whole keeps that file as a numbered copy ("JSDB.dat.bak", then
  // "JSDB.dat.1.bak", ...: an earlier copy is never replaced) beside it, or
  // in the spare folder when its own folder takes no new file. When the
  // folder takes no temporary file but the file itself can be written, the
  // file is written in place after a copy of it in the spare folder. Returns
  // what to tell the user (where a copy of an unread file went), empty when
  // nothing. Throws std::runtime_error with a Hebrew message when the file
  // could not be written; the file then holds what it held before.
  QString save();

  ScriptList& scripts() { return list_; }
  const QString& path() const { return path_; }
  Read lastRead() const { return read_; }

 private:
  QString keepNumberedCopy();
  void writeInPlace(const std::string& bytes, const QString& whyNotAtomic);
  QString spareFolder() const;

  QString path_;
  QString spare_;
  Writer write_;
  ScriptList list_;
  Read read_ = Read::FirstStart;
  bool keepOriginal_ = false;  // the file on disk was not read whole
};

}  // namespace qm::scripts
