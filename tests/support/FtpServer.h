#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace qmtest {

// A real FTP server (pyftpdlib) on 127.0.0.1 at a free port, serving a fresh
// temporary folder to one user. It stops when the object is destroyed.
// `options` go to ftp_server.py: "--read-limit N" (uploads read at N bytes a
// second), "--cut-after N" (an upload's data connection dropped after N
// bytes), "--refuse CMD:CODE", "--no-rename-over".
class FtpServer {
 public:
  static constexpr const char* User = "tester";
  static constexpr const char* Password = "secret";

  explicit FtpServer(const QStringList& options = {});
  ~FtpServer();
  FtpServer(const FtpServer&) = delete;
  FtpServer& operator=(const FtpServer&) = delete;

  bool running() const { return port_ > 0; }
  const QString& error() const { return error_; }
  int port() const { return port_; }
  // The folder the user sees as "/".
  QString root() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  QProcess process_;
  int port_ = 0;
  QString error_;
};

}  // namespace qmtest
