#pragma once

// One TCP client socket with blocking-style operations for the FTP and HTTP
// clients. Every wait runs a local event loop, so the user interface, timers
// and other sockets keep working while an operation is in progress; a wait ends
// on its condition, a cancel request (Abort), or the idle time-out.

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QList>
#include <QSslCertificate>
#include <QStringList>

class QIODevice;
class QTcpServer;
class QTcpSocket;

namespace qm::net {

// Socket failures: lookup, connect, time-out, peer errors ("10061:Connection refused").
class ESockError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An operation ended by a cancel request; the text names what was cancelled
// ("Connect aborted", "Socket readln aborted" ...).
class EAbortError : public ESockError {
 public:
  using ESockError::ESockError;
};

// A TLS handshake refused because the server's certificate is not trusted: it
// does not verify (self-signed, another name, expired ...) and is not the one
// accepted by its fingerprint.
class ECertificateError : public ESockError {
 public:
  ECertificateError(const std::string& text, QSslCertificate certificate, QStringList problems)
      : ESockError(text), Certificate(std::move(certificate)), Problems(std::move(problems)) {}
  QSslCertificate Certificate;
  QStringList Problems;  // why it does not verify, one text each
};

// What a TLS handshake as client accepts: a certificate that verifies against
// the system's certificate store (or CaCertificates, when given) for
// PeerName, or exactly the certificate of Fingerprint.
struct TlsPolicy {
  QString PeerName;
  QList<QSslCertificate> CaCertificates;
  QByteArray Fingerprint;  // SHA-256, 32 bytes; empty: none
  // The session of an earlier connection to the same server to resume
  // (TSocketClient::TlsSession); empty: a new session. FTP servers often
  // refuse a data connection that does not resume the control connection's.
  QByteArray Session;
  // The session tickets the server sent after the handshake that made
  // Session (TSocketClient::TlsTickets): under TLS 1.3 a connection that
  // does not resume it gets as many, one that does at most one.
  int SessionTickets = 0;
  // TLS 1.2 only. A TLS 1.3 server sends its session tickets after the
  // handshake; on a connection that only sends and then closes, tickets
  // arriving after the close make the system reset the connection, and the
  // server loses the data it had not read yet. (A TLS 1.3 connection given
  // SessionTickets instead waits for its tickets in CloseGracefully.)
  bool Tls12 = false;
};

// The SHA-256 fingerprint of a certificate, 32 bytes.
QByteArray certificateFingerprint(const QSslCertificate& c);
// As people read it: "AB:CD:...".
QString fingerprintText(const QByteArray& fingerprint);
// A fingerprint typed by a person: 64 hex digits, colons and spaces allowed
// between them; empty when it is not one.
QByteArray parseFingerprint(const std::string& text);

class TSocketClient : public QObject {
  Q_OBJECT

 public:
  explicit TSocketClient(QObject* parent = nullptr);
  ~TSocketClient() override;

  // Properties.
  std::string Host;       // server name or dotted address
  int Port = 0;           // server port
  int TimeOut = 0;        // idle time-out of a wait in milliseconds; 0: none
  int ReportLevel = 0;    // status texts of this level or lower reach OnStatus
  std::string Proxy;      // when set, the connection goes here instead of Host
  int ProxyPort = 0;      // the port used with Proxy
  // Accept takes connections only from this address (dotted form); others are
  // closed as they arrive and the wait goes on. Empty: from anyone. Set it
  // before Listen.
  std::string AcceptFrom;
  // The connections made from now on (Connect, Listen) can be encrypted with
  // StartTls.
  bool Secure = false;

  // Events. Plain callbacks: an unassigned one is simply not called, and a
  // handler with a `handled` argument may set it to change what follows.
  std::function<void(TSocketClient*)> OnConnect;
  std::function<void(TSocketClient*)> OnDisconnect;
  std::function<void(TSocketClient*, int errnum, const std::string& errmsg)> OnError;
  std::function<void(bool& handled)> OnInvalidHost;
  std::function<void(TSocketClient*)> OnHostResolved;
  std::function<void(TSocketClient*, const std::string& status)> OnStatus;
  std::function<void(TSocketClient*)> OnConnectionFailed;
  std::function<void(bool& handled)> OnConnectionRequired;
  std::function<void(TSocketClient*)> OnPacketRecvd;
  std::function<void(TSocketClient*)> OnPacketSent;

  // State.
  bool Connected() const { return m_connected; }
  bool CancelRequested = false;
  bool TimedOut = false;
  int ReplyCode = 0;          // number leading the last reply line; 0 when none
  std::string ReplyText;      // the last reply line, line end included
  long long TransferSize = 0;
  long long SentCount = 0;
  long long ReceivedCount = 0;
  std::string LastStatus;
  int LastError = 0;          // the last socket error number
  // True when the last wait ended by its time-out.
  bool WaitTimedOut() const { return m_waitTimedOut; }

  // Operations that the FTP and HTTP clients refine.
  virtual void Connect();
  virtual void Disconnect();
  virtual std::string Transaction(const std::string& command);
  virtual void Abort();
  // Waits for the connection a Listen announced (from AcceptFrom when set); the
  // accepted connection becomes this object's socket and the listening socket is closed.
  virtual void Accept();

  void Write(const std::string& text);
  void Writeln(const std::string& text);
  // Waits for `count` bytes (an empty result when the connection closes first);
  // with 0, takes what is waiting, at most 65536 bytes.
  std::string Read(int count);
  // One line, line end included. An empty result means the peer closed the
  // connection. A peer that closes in the middle of a line raises ESockError,
  // unless `restAtClose` asks for the unfinished line instead; so does a line
  // longer than 65536 bytes.
  std::string ReadLn(bool restAtClose = false);
  void SendFile(const QString& path);
  // Receives until the peer closes. The file is written under a temporary
  // name and replaces `path` only when the transfer ended without error.
  void CaptureFile(const QString& path);
  // Receives until the peer closes, appending to `out` (the caller decides
  // when the data is kept, e.g. after a final reply).
  void CaptureToDevice(QIODevice& out);
  // Receives until the peer closes or `take` returns false, handing each block
  // received to `take`. The idle time-out restarts with every block.
  void CaptureBlocks(const std::function<bool(const char* data, std::size_t size)>& take);
  std::string CaptureString(long long limit = -1);
  // Encrypts the connection, this side being the TLS client (also on an
  // accepted connection), within the time-out. A certificate the policy does
  // not accept raises ECertificateError; any other failure ESockError. The
  // connection is closed when it fails.
  void StartTls(const TlsPolicy& policy);
  bool Encrypted() const;
  // The server ended the encrypted connection with TLS's own close (a
  // close_notify alert). Without it, a connection that simply closed may
  // have been cut short by anyone on the way.
  bool TlsClosedCleanly() const { return m_tlsCloseNotify; }
  // The server's certificate of the encrypted connection (kept after it closed).
  const QSslCertificate& PeerCertificate() const { return m_peerCertificate; }
  // "TLSv1.3, TLS_AES_256_GCM_SHA384" for an encrypted connection.
  std::string TlsDescription() const;
  // The TLS session of the encrypted connection, for another connection to
  // resume; empty when there is none (under TLS 1.3 it comes with the
  // server's first session ticket, shortly after the handshake).
  QByteArray TlsSession() const;
  // The TLS 1.3 session tickets received since the handshake began.
  int TlsTickets() const { return m_tlsTickets; }
  // Listens on `address` (any address when empty) and Port (0: a free port).
  void Listen(const std::string& address = {});
  int ListeningPort() const;
  void CheckConnection();
  void ClearInput();
  // Closes after the data written so far has gone out (no reset). A TLS 1.3
  // connection first waits, within the time-out, for the session tickets the
  // server sends after the handshake (as TlsPolicy::SessionTickets foretold):
  // arriving after the close, they would make the system reset the
  // connection and the server lose the data it had not read yet.
  void CloseGracefully();

  std::string RemoteAddress();
  std::string LocalAddress() const;

  // A floor under the rate of a transfer: while the watch runs, every wait of
  // this socket fails with ESockError once fewer than `bytes` moved (received,
  // or sent and gone out) in one `ms` window, so a peer that trickles a byte
  // now and then cannot hold a transfer open for ever. 0 bytes: no floor.
  void WatchRate(long long bytes, int ms);

  void Status(int level, const std::string& text);
  // Raises OnError and ESockError for LastError unless it is `ignore` or not a
  // socket error number.
  void RaiseSocketError(int ignore);
  std::string SocketErrorText(int code);

  // Within its scope every wait also ends at one deadline, TimeOut from the
  // scope's start, so a reply that trickles in line by line or floods in
  // still ends within the time-out as a whole. Nested scopes keep the earlier
  // deadline. Without a TimeOut there is no deadline.
  class WholeWait {
   public:
    explicit WholeWait(TSocketClient& c);
    ~WholeWait();
    WholeWait(const WholeWait&) = delete;
    WholeWait& operator=(const WholeWait&) = delete;

   private:
    TSocketClient& m_c;
    QDeadlineTimer m_saved;
  };

 protected:
  // Called when the socket reports an established connection; raises OnConnect.
  virtual void SocketConnected();
  // Closes the socket and makes a fresh one; OnDisconnect when it was connected.
  void CloseSocket();
  // Runs the event loop until `done` holds, a cancel is requested or the
  // time-out timer fired. Once the application is quitting no event loop runs
  // any more: the wait then ends as cancelled.
  void WaitFor(const std::function<bool()>& done);
  void TimerOn();
  void TimerOff();
  // Ends every timed wait: turns a time-out or a cancel request into its
  // exception (and clears it), so the next operation starts afresh.
  void EndWait(const char* timedOutText, const char* abortedText);
  void RestartTimer();

  // Wakes every wait in progress so that it checks its condition again.
  static void WakeAll();

  bool m_destroying = false;

 private:
  void MakeSocket();
  // Bytes written and not yet handed to the network (ciphertext included).
  qint64 Unsent() const;
  // Milliseconds the time-out timer runs for the next wait: TimeOut, or less
  // when a WholeWait deadline comes first; -1 for no timer.
  int TimerInterval() const;
  void AdoptSocket(QTcpSocket* socket);
  // Takes the connections the listening socket has just accepted: the first one
  // from AcceptFrom is kept for Accept, every other one is closed.
  void TakeIncoming();
  void DropIncoming();
  QHostAddress ResolveHost();
  void OnTimer();
  void PeerClosed();
  // Takes the current socket error, raising ESockError unless it is a plain close.
  void CheckReadError();
  bool PeerGone() const;

  QTcpSocket* m_socket = nullptr;
  QTcpServer* m_server = nullptr;
  QTcpSocket* m_incoming = nullptr;  // the data connection taken, until Accept adopts it
  QTimer m_timer;
  bool m_connected = false;
  bool m_closing = false;
  bool m_asyncDone = false;
  bool m_asyncOk = true;
  QHostAddress m_lookupResult;
  int m_lookupError = 0;
  int m_peerError = 0;  // an error the peer caused on an established connection
  bool m_waitTimedOut = false;
  QDeadlineTimer m_deadline{QDeadlineTimer::Forever};
  // The rate watch: its timer, the floor, and the bytes moved at the last tick.
  QTimer m_rateTimer;
  long long m_rateBytes = 0;
  long long m_rateMark = 0;
  bool m_tooSlow = false;
  long long BytesMoved() const;
  // The handshake in progress: the policy, and what refused the certificate.
  QByteArray m_tlsFingerprint;
  bool m_tlsRefused = false;
  QSslCertificate m_refusedCertificate;
  QStringList m_tlsProblems;
  QSslCertificate m_peerCertificate;
  bool m_tlsCloseNotify = false;
  int m_tlsTickets = 0;     // session tickets received since the handshake began
  int m_tlsTicketsDue = 0;  // the tickets the server will send after this handshake
  QByteArray m_tlsOffered;  // the session offered for resuming
  bool m_tlsResumed = false;
  QString m_errorText;  // the text of the last socket error
};

// Maps a Qt socket error to the program's socket error number.
int socketErrorNumber(int qtSocketError);

}  // namespace qm::net
