#pragma once

// The publishing window's session with one FTP server: the connection state,
// the current remote folder, the sorted remote list, and the transfers, which
// go through private temporary files. The window reads its controls, calls
// these operations and shows the state they leave; it asks the session, never
// the client, whether it is connected, so a connection the server drops at
// any moment leaves the window disconnected and ready to connect again.
// Every action is logged as "QX>...".

#include <QByteArray>
#include <QSslCertificate>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/net/FtpProtocol.h"

namespace qm::net {

class TFtpClient;

// Decides about a server certificate that does not verify (self-signed, for
// another name, expired): the publishing window asks the user and keeps the
// answer; tests answer for themselves.
class CertificateTrust {
 public:
  struct Question {
    std::string host;
    QSslCertificate certificate;
    QStringList problems;  // why it does not verify
    bool changed = false;  // another certificate was trusted for this host
  };
  virtual ~CertificateTrust() = default;
  // The SHA-256 fingerprint of the certificate trusted for `host` (empty: none).
  virtual QByteArray Trusted(const std::string& host) = 0;
  // True when the certificate is trusted for the host from now on (and is
  // kept, so that Trusted names it).
  virtual bool Ask(const Question& question) = 0;
};

// Made with std::make_shared: an operation keeps its session alive until it
// returns, even when the window that started it is destroyed meanwhile.
class FtpSession : public std::enable_shared_from_this<FtpSession> {
 public:
  // Throws when the client cannot be made.
  FtpSession();
  ~FtpSession();
  FtpSession(const FtpSession&) = delete;
  FtpSession& operator=(const FtpSession&) = delete;

  // The client, for its settings and for the events the session does not
  // take itself (status, errors, progress, the prompts of a login).
  TFtpClient& Client() { return *m_client; }

  enum class Link { Never, Connected, Disconnected, Failed };
  // What an operation came to: done, cancelled (by the user, or because the
  // program is closing), or failed with `error` (empty: the server did not
  // confirm it).
  struct Outcome {
    bool ok = false;
    bool cancelled = false;
    bool badName = false;  // refused before anything was sent: the name holds a control character
    QString error;
  };

  // Raised whenever the connection state or the list changes.
  std::function<void()> OnChange;
  // One line for the log.
  std::function<void(const QString&)> OnLog;
  // The client logged in, and the connection went: raised before OnChange.
  std::function<void()> OnConnected;
  std::function<void()> OnDisconnected;
  // A client's success report ("List", "Download" ...).
  std::function<void(TCmdType)> OnSuccess;

  Link State() const { return m_link; }
  bool Connected() const;
  // An operation is running (the event loop turns meanwhile).
  bool Busy() const { return m_busy > 0; }
  // The folder the last listing was taken in ("/docs"; empty when unknown).
  const QString& Dir() const { return m_dir; }
  // The remote list, sorted without regard to case: "/" + name for a folder,
  // which puts the folders first. Empty listing lines and the temporary files
  // of cut-off uploads are left out.
  const std::vector<QString>& Entries() const { return m_entries; }

  // Asked about certificates that do not verify; none: they are refused.
  CertificateTrust* Trust = nullptr;

  // Logs in and, when that worked, lists the folder the server starts in.
  // Under TLS a certificate that does not verify and is not the one trusted
  // for the host goes to Trust; trusted, the login starts again.
  Outcome Connect(const std::string& host, int port, const std::string& user, const std::string& password);
  Outcome Disconnect();
  // The current folder asked from the server, then its listing.
  Outcome Refresh();
  // Into the folder of a list entry ("/docs"), to the parent, to the root; each lists again.
  Outcome Enter(const QString& entry);
  Outcome Up();
  Outcome Root();
  // A remote file into `bytes`, through a private temporary file.
  Outcome Download(const QString& remote, std::string& bytes);
  // A remote file into `local`, replaced only after a complete transfer.
  Outcome DownloadTo(const QString& remote, const QString& local);
  // `bytes` stored as `remote`, through a private temporary file.
  Outcome Upload(const std::string& bytes, const QString& remote);
  // Ends the running listing or transfer.
  void Cancel();
  // Every event hook, the client's too, let go (the window that set them is going).
  void Unbind();
  // Counts the changes of Entries().
  unsigned Revision() const { return m_revision; }

 private:
  Outcome Run(const std::function<void()>& call);
  Outcome Transfer(const std::function<void()>& call);
  Outcome ChangeDir(const QString& shown, const std::string& target);
  void Log(const QString& line);
  void Changed();

  std::unique_ptr<TFtpClient> m_client;
  Link m_link = Link::Never;
  int m_busy = 0;
  bool m_cancelled = false;
  bool m_transferOk = false;
  unsigned m_revision = 0;
  QString m_dir;
  std::vector<QString> m_entries;
  std::vector<QString> m_incoming;  // entries of the listing in progress
};

}  // namespace qm::net
