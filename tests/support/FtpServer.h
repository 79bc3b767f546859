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
// bytes), "--refuse CMD:CODE", "--no-rename-over", with TLS "--tls-cut N" (a
// download's connection closed after N bytes without ending TLS, the server
// calling the file complete), "--tls-reuse" (a data connection that does not
// resume the control connection's TLS session refused with 522),
// "--tls-no-resume" (no TLS session resumed). With TLS it requires
// encryption on every connection, with a self-signed certificate of its own
// for 127.0.0.1 (a new one for each server).
class FtpServer {
 public:
  static constexpr const char* User = "tester";
  static constexpr const char* Password = "secret";

  enum class Tls { Off, Required };
  explicit FtpServer(const QStringList& options = {}) { start(options); }
  explicit FtpServer(Tls tls, const QStringList& options = {}) {
    start(tls == Tls::Required ? QStringList{QStringLiteral("--tls"), certificate()} + options : options);
  }
  ~FtpServer();
  FtpServer(const FtpServer&) = delete;
  FtpServer& operator=(const FtpServer&) = delete;

  bool running() const { return port_ > 0; }
  const QString& error() const { return error_; }
  int port() const { return port_; }
  // The folder the user sees as "/".
  QString root() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }
  // The PEM file of the server's key and certificate (TLS only).
  QString certificate() const { return etc_.filePath(QStringLiteral("server.pem")); }

 private:
  void start(const QStringList& options);

  QTemporaryDir dir_;
  QTemporaryDir etc_;  // beside the served folder, not in it
  QProcess process_;
  int port_ = 0;
  QString error_;
};

}  // namespace qmtest
