#pragma once

// The client side of FTP as the publishing window uses it: log in, change and
// print the working directory, list a directory, store and retrieve a file.
// Every operation blocks its caller while running the event loop (see
// TSocketClient), reports its traffic as level-1 status texts, and signals
// failure replies through OnUnSupportedFunction / OnFailure and FTPException.

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "core/net/FtpProtocol.h"
#include "net/Socket_U.h"

namespace qm::net {

// A failure reply of the server; what() is the reply line, line end included.
class FTPException : public std::exception {
 public:
  explicit FTPException(std::string reply) : m_reply(std::move(reply)) {}
  const char* what() const noexcept override { return m_reply.c_str(); }
  const std::string& Reply() const { return m_reply; }
  // Set once the failure has been offered to OnFailure, so that it is not offered twice.
  bool Reported = false;

 private:
  std::string m_reply;
};

enum class TFirewallType { FTUser, FtOpen, FtSite };

// Splits listing lines into words and keeps the columns of each line.
class TFTPDirectoryList {
 public:
  virtual ~TFTPDirectoryList() = default;
  virtual void ParseLine(const std::string& line) = 0;
  void Clear();
  std::vector<std::string> AttrList, NameList, DateList, SizeList;
};

// Reads the columns of a Unix-style long listing ("drwxr-xr-x 2 u g 512 Jan 1 10:00 docs").
class TFTPUnixList : public TFTPDirectoryList {
 public:
  void ParseLine(const std::string& line) override;
};

class TFtpClient : public TSocketClient {
  Q_OBJECT

 public:
  explicit TFtpClient(QObject* parent = nullptr);
  ~TFtpClient() override;

  std::string UserID;
  std::string Password;
  bool Passive = false;
  int Vendor = VendorDetect;
  bool ParseList = false;
  TFirewallType FirewallType = TFirewallType::FTUser;
  std::string FWUserID;
  std::string FWPassword;
  bool FWAuthenticate = false;
  // Explicit TLS: "AUTH TLS" right after the greeting, then "PBSZ 0" and
  // "PROT P", and every data connection encrypted too. There is no fallback
  // to clear text: when the encryption fails, so does the connection.
  bool UseTls = false;
  // The server's certificate must verify against the system's store (or
  // these certificates, when given) for Host, or be exactly the certificate
  // of AcceptFingerprint (SHA-256). Otherwise Connect raises ECertificateError.
  QList<QSslCertificate> CaCertificates;
  QByteArray AcceptFingerprint;
  // The last Connect got as far as an encrypted control connection.
  bool TlsEstablished() const { return m_tlsEstablished; }
  // The floor under the rate of a listing or a transfer: it fails when fewer
  // than MinRateBytes move in any MinRateMs (0 bytes: no floor).
  long long MinRateBytes = 1024;
  int MinRateMs = 30000;
  // Upload writes straight into the target instead of a temporary file that
  // replaces it once complete (which needs RNFR / RNTO).
  bool DirectUpload = false;

  // Events of the client itself (the socket events are inherited). OnConnect
  // is raised after a complete login, not when the socket connects.
  std::function<void(TSocketClient*)> OnTransactionStart;
  std::function<void(TSocketClient*)> OnTransactionStop;
  std::function<void(TCmdType)> OnSuccess;
  std::function<void(bool& handled, TCmdType)> OnFailure;
  std::function<void(TCmdType)> OnUnSupportedFunction;
  std::function<void(bool& handled)> OnAuthenticationNeeded;
  std::function<void(bool& handled)> OnAuthenticationFailed;  // never raised
  std::function<void(const std::string& listing)> OnListItem;

  void Connect() override;
  void Disconnect() override;
  // Sends one command and reads its reply, multi-line replies included. The
  // result and ReplyCode are those of the first line.
  std::string Transaction(const std::string& command) override;
  // Cancels the operation of the data connection, or a wait for a reply on the
  // control connection. A control connection whose wait failed (time-out,
  // cancel, a broken reply) is closed: its replies would no longer match the
  // commands.
  void Abort() override;

  void DoCommand(const std::string& command);
  void ChangeDir(const std::string& path) { DoCommand("CWD " + path); }
  std::string CurrentDir();
  void List();
  // Retrieves `remote` into `local` (the remote name in the current folder when
  // empty). The local file is replaced only after a complete transfer.
  void Download(const std::string& remote, const QString& local);
  // Stores `local` as `remote` (the local file's name when empty): under a
  // temporary name in the same folder, renamed over `remote` only once the
  // server confirmed the whole file. A failed or cancelled upload leaves
  // `remote` as it was and deletes its temporary file while the connection
  // allows. A server that refuses the rename gets the file written directly
  // (said in the status texts), and so does every later upload of the session.
  void Upload(const QString& local, const std::string& remote);

  TFTPDirectoryList* ListParser() const { return m_listParser.get(); }
  TSocketClient* DataSocket() const { return m_dataSocket.get(); }

 protected:
  void SocketConnected() override;

 private:
  class DataSocketScope;

  // The work of List; true on success.
  bool ListBody();
  // Reads the lines that continue a reply begun by `first`, reporting each and
  // handing it to `each`; returns the last line of the reply. A reply of more
  // than 1 MiB fails.
  std::string ReadContinuation(const std::string& first,
                               const std::function<void(const std::string&)>& each = {});
  // Sends a command and reads the first line of its reply (empty: the server
  // closed the connection). A command holding a control character (a name
  // from a listing with CR LF in it would smuggle in a second command) is
  // refused before anything is sent.
  void Command(const std::string& command);
  // Closes the control connection after a failed wait.
  void DropControl();
  // Reads a reply line that is not the answer to a command just sent.
  std::string ReadReply();
  // Offers a failure reply of kind `kind` to the handlers; returns normally
  // only when OnFailure set `handled` (the operation then stops quietly).
  void ReportFailure(TCmdType kind, bool offerUnsupported = true);
  void LoginStep(const std::string& shown, const std::string& command);
  void FailConnect();
  // AUTH TLS and the handshake, then PBSZ and PROT.
  void SecureControl();
  TlsPolicy Policy(const QByteArray& fingerprint) const;
  void MakeDataSocket(bool forUpload);
  // PASV or PORT; false when a failure was handled quietly.
  bool OpenDataConnection(TCmdType kind);
  // Once the server accepted a transfer: takes its data connection in active
  // mode, and encrypts the data connection under TLS.
  void OpenDataStream();
  // After a download or listing: under TLS the server must have ended the
  // data connection with TLS's own close.
  void CheckDataEnd();
  // "TYPE I" before a transfer; false when a failure was handled quietly.
  bool BinaryType(TCmdType kind);
  // Reads the final reply of a transfer; false when a failure was handled quietly.
  bool FinalReply(TCmdType kind);
  void EndTransfer();
  // One STOR of `local` as `remote`; true once the server confirmed it.
  // m_storeBegan tells whether the server accepted the command.
  bool Store(const QString& local, const std::string& remote, const std::string& shown);
  // For a failed Upload or Download: offer it to OnFailure unless that
  // happened already; true when the handler set `handled`.
  bool OfferFailure(TCmdType kind, std::exception_ptr error);

  std::unique_ptr<TSocketClient> m_dataSocket;
  std::unique_ptr<TFTPDirectoryList> m_listParser;
  bool m_listBusy = false;
  bool m_tlsEstablished = false;
  bool m_dataUpload = false;  // the data connection carries an upload
  bool m_awaitingFinal = false;  // a transfer command was accepted; its final reply is due
  bool m_storeBegan = false;
  // Renaming the complete upload over its target: a cancel would only leave
  // the target deleted or its fate unknown, so it waits for the few replies.
  bool m_committing = false;
  bool m_noRename = false;  // the server refused the rename; cleared when the session ends
};

}  // namespace qm::net
