#include "net/Socket_U.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QHostInfo>
#include <QPointer>
#include <QSslCipher>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <cctype>
#include <utility>

#include "core/net/NetText.h"
#include "core/net/SocketErrors.h"
#include "net/ReplacingFile.h"

namespace qm::net {

namespace {
constexpr qint64 kBlock = 65536;       // one read or send
constexpr qint64 kMaxLine = 65536;     // longest line ReadLn accepts
constexpr qint64 kSendWindow = 1 << 20;  // bytes queued ahead of the network in SendFile
// Most bytes a socket holds unread: beyond it the network waits (TCP flow
// control), so a server that floods a connection nobody reads at the moment
// cannot fill the memory.
constexpr qint64 kReadBuffer = 1 << 20;

std::vector<QEventLoop*>& activeLoops() {
  static std::vector<QEventLoop*> loops;
  return loops;
}

// A listening socket whose connections can be encrypted: in active mode the
// server connects to us, yet we are the TLS client on that connection.
class TlsCapableServer : public QTcpServer {
 public:
  using QTcpServer::QTcpServer;

 protected:
  void incomingConnection(qintptr descriptor) override {
    auto* s = new QSslSocket(this);
    if (!s->setSocketDescriptor(descriptor)) {
      delete s;
      return;
    }
    addPendingConnection(s);
  }
};

std::string protocolName(QSsl::SslProtocol p) {
  switch (p) {
    case QSsl::TlsV1_2: return "TLSv1.2";
    case QSsl::TlsV1_3: return "TLSv1.3";
    default: return "TLS";
  }
}
}  // namespace

QByteArray certificateFingerprint(const QSslCertificate& c) { return c.digest(QCryptographicHash::Sha256); }

QString fingerprintText(const QByteArray& fingerprint) {
  return QString::fromLatin1(fingerprint.toHex(':').toUpper());
}

QByteArray parseFingerprint(const std::string& text) {
  QByteArray hex;
  for (const char ch : text) {
    if (ch == ':' || ch == ' ') continue;
    if (!std::isxdigit(static_cast<unsigned char>(ch))) return {};
    hex += ch;
  }
  if (hex.size() != 64) return {};
  return QByteArray::fromHex(hex);
}

int socketErrorNumber(int qtSocketError) {
  switch (static_cast<QAbstractSocket::SocketError>(qtSocketError)) {
    case QAbstractSocket::ConnectionRefusedError: return sockerr::ConnectionRefused;
    case QAbstractSocket::RemoteHostClosedError: return sockerr::ConnectionReset;
    case QAbstractSocket::HostNotFoundError: return sockerr::HostNotFound;
    case QAbstractSocket::SocketAccessError: return sockerr::PermissionDenied;
    case QAbstractSocket::SocketResourceError: return sockerr::NoBufferSpace;
    case QAbstractSocket::SocketTimeoutError: return sockerr::TimedOut;
    case QAbstractSocket::DatagramTooLargeError: return sockerr::MessageTooLong;
    case QAbstractSocket::NetworkError: return sockerr::NetworkUnreachable;
    case QAbstractSocket::AddressInUseError: return sockerr::AddressInUse;
    case QAbstractSocket::SocketAddressNotAvailableError: return sockerr::CantAssignAddress;
    case QAbstractSocket::UnsupportedSocketOperationError: return sockerr::NotSupported;
    case QAbstractSocket::UnfinishedSocketOperationError: return sockerr::InProgress;
    case QAbstractSocket::OperationError: return sockerr::NotConnected;
    default: return sockerr::ConnectionAborted;
  }
}

TSocketClient::TSocketClient(QObject* parent) : QObject(parent) {
  Status(8, "Create");
  m_timer.setSingleShot(true);
  connect(&m_timer, &QTimer::timeout, this, [this] { OnTimer(); });
  connect(&m_rateTimer, &QTimer::timeout, this, [this] {
    const long long moved = BytesMoved();
    // A counter restarted by a new capture counts from zero.
    const long long since = moved >= m_rateMark ? moved - m_rateMark : moved;
    m_rateMark = moved;
    if (since >= m_rateBytes) return;
    m_rateTimer.stop();
    m_tooSlow = true;
    CancelRequested = true;
    WakeAll();
  });
  Status(8, "Initializing Winsock");
  MakeSocket();
}

TSocketClient::~TSocketClient() {
  Status(8, "Destroy");
  CancelRequested = true;
  m_timer.stop();
  m_rateTimer.stop();
  m_destroying = true;
  if (m_socket) {
    m_closing = true;
    m_socket->abort();
  }
  WakeAll();
}

// ---------------------------------------------------------------- plumbing

void TSocketClient::MakeSocket() { AdoptSocket(Secure ? new QSslSocket(this) : new QTcpSocket(this)); }

qint64 TSocketClient::Unsent() const {
  const auto* ssl = qobject_cast<const QSslSocket*>(m_socket);
  return m_socket->bytesToWrite() + (ssl ? ssl->encryptedBytesToWrite() : 0);
}

void TSocketClient::AdoptSocket(QTcpSocket* s) {
  m_socket = s;
  m_closing = false;
  // Commands are short lines answered at once: do not hold them back.
  s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  s->setReadBufferSize(kReadBuffer);
  connect(s, &QTcpSocket::connected, this, [this, s] {
    if (s != m_socket) return;
    m_connected = true;  // Connect raises OnConnect once its wait is over
    WakeAll();
  });
  connect(s, &QTcpSocket::disconnected, this, [this, s] {
    if (s != m_socket || m_closing) return;
    // This runs inside the event loop, which an exception must not cross.
    try {
      PeerClosed();
    } catch (const std::exception& e) {
      qWarning("Quillmark: a disconnect handler failed: %s", e.what());
    } catch (...) {
      qWarning("Quillmark: a disconnect handler failed");
    }
    WakeAll();
  });
  connect(s, &QTcpSocket::errorOccurred, this, [this, s](QAbstractSocket::SocketError e) {
    if (s != m_socket || m_closing) return;
    if (e != QAbstractSocket::RemoteHostClosedError) {
      m_errorText = s->errorString();
      LastError = socketErrorNumber(e);
      if (m_connected) m_peerError = LastError;
    }
    if (!m_connected) m_asyncOk = false;
    WakeAll();
  });
  connect(s, &QTcpSocket::readyRead, this, [] { WakeAll(); });
  connect(s, &QTcpSocket::bytesWritten, this, [] { WakeAll(); });
  auto* ssl = qobject_cast<QSslSocket*>(s);
  if (!ssl) return;
  connect(ssl, &QSslSocket::encrypted, this, [this, ssl] {
    // A resumed session is still the one offered; a new one differs. (Checked
    // at once: the server's tickets, which come next, replace the session.)
    if (ssl == m_socket)
      m_tlsResumed = !m_tlsOffered.isEmpty() && ssl->sslConfiguration().sessionTicket() == m_tlsOffered;
    WakeAll();
  });
  connect(ssl, &QSslSocket::encryptedBytesWritten, this, [] { WakeAll(); });
  connect(ssl, &QSslSocket::newSessionTicketReceived, this, [this, ssl] {
    if (ssl != m_socket) return;
    ++m_tlsTickets;
    WakeAll();
  });
  connect(ssl, &QSslSocket::alertReceived, this, [this, ssl](QSsl::AlertLevel, QSsl::AlertType type, const QString&) {
    if (ssl == m_socket && type == QSsl::AlertType::CloseNotify) m_tlsCloseNotify = true;
  });
  connect(ssl, &QSslSocket::sslErrors, this, [this, ssl](const QList<QSslError>& errors) {
    if (ssl != m_socket) return;
    const QSslCertificate cert = ssl->peerCertificate();
    // The certificate the user or the caller accepted by its fingerprint
    // passes whatever the verification says about it.
    if (!m_tlsFingerprint.isEmpty() && !cert.isNull() && certificateFingerprint(cert) == m_tlsFingerprint) {
      ssl->ignoreSslErrors();
      return;
    }
    m_tlsRefused = true;
    m_refusedCertificate = cert;
    m_tlsProblems.clear();
    for (const QSslError& e : errors) m_tlsProblems << e.errorString();
    WakeAll();
  });
}

void TSocketClient::SocketConnected() {
  if (OnConnect) OnConnect(this);
}

void TSocketClient::PeerClosed() {
  // Data still waiting keeps the object connected until it has been read.
  if (m_socket->bytesAvailable() == 0) CloseSocket();
}

bool TSocketClient::PeerGone() const { return m_socket->state() != QAbstractSocket::ConnectedState; }

void TSocketClient::CloseSocket() {
  Status(4, "Request Close Socket");
  const bool was = m_connected;
  m_connected = false;
  if (m_server) {
    m_server->close();
    m_server->deleteLater();
    m_server = nullptr;
  }
  DropIncoming();
  m_closing = true;
  QTcpSocket* old = m_socket;
  old->abort();
  old->disconnect(this);
  old->deleteLater();
  if (!m_destroying) MakeSocket();
  if (was && !m_destroying && OnDisconnect) OnDisconnect(this);
}

void TSocketClient::WakeAll() {
  for (QEventLoop* l : activeLoops()) l->quit();
}

void TSocketClient::WaitFor(const std::function<bool()>& done) {
  QEventLoop loop;
  activeLoops().push_back(&loop);
  try {
    while (!done() && !CancelRequested && !TimedOut) {
      // exec() refuses at once (-1) once the application has been told to
      // quit, and would do so for ever: the wait is given up as cancelled.
      if (loop.exec() < 0) CancelRequested = true;
    }
  } catch (...) {
    activeLoops().erase(std::find(activeLoops().begin(), activeLoops().end(), &loop));
    throw;
  }
  activeLoops().erase(std::find(activeLoops().begin(), activeLoops().end(), &loop));
}

TSocketClient::WholeWait::WholeWait(TSocketClient& c) : m_c(c), m_saved(c.m_deadline) {
  if (c.TimeOut <= 0) return;
  const QDeadlineTimer mine(c.TimeOut);
  if (c.m_deadline.isForever() || mine.deadlineNSecs() < c.m_deadline.deadlineNSecs()) c.m_deadline = mine;
}

TSocketClient::WholeWait::~WholeWait() { m_c.m_deadline = m_saved; }

int TSocketClient::TimerInterval() const {
  if (TimeOut <= 0) return -1;
  if (m_deadline.isForever()) return TimeOut;
  return static_cast<int>(std::min<qint64>(TimeOut, m_deadline.remainingTime()));
}

void TSocketClient::TimerOn() {
  Status(8, "Timer On");
  TimedOut = false;
  m_waitTimedOut = false;
  const int interval = TimerInterval();
  // A deadline already past ends the wait at once, even with data waiting.
  if (interval == 0) TimedOut = true;
  else if (interval > 0) m_timer.start(interval);
}

void TSocketClient::EndWait(const char* timedOutText, const char* abortedText) {
  TimerOff();
  if (TimedOut) {
    TimedOut = CancelRequested = false;
    m_waitTimedOut = true;
    throw ESockError(timedOutText);
  }
  if (CancelRequested) {
    CancelRequested = false;
    if (m_tooSlow) {
      const int ms = m_rateTimer.interval();
      throw ESockError("Transfer too slow: less than " + std::to_string(m_rateBytes) + " bytes in " +
                       (ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms"));
    }
    throw EAbortError(abortedText);
  }
}

void TSocketClient::WatchRate(long long bytes, int ms) {
  m_rateTimer.stop();
  m_tooSlow = false;
  m_rateBytes = bytes;
  m_rateMark = BytesMoved();
  if (bytes > 0 && ms > 0) m_rateTimer.start(ms);
}

long long TSocketClient::BytesMoved() const { return ReceivedCount + SentCount - m_socket->bytesToWrite(); }

void TSocketClient::TimerOff() {
  Status(8, "Timer Off");
  m_timer.stop();
}

void TSocketClient::RestartTimer() {
  if (m_timer.isActive()) m_timer.start(std::max(TimerInterval(), 0));
}

void TSocketClient::OnTimer() {
  Status(8, "Timer Triggered");
  m_timer.stop();
  TimedOut = true;
  m_asyncDone = true;
  Abort();
  WakeAll();
}

void TSocketClient::Abort() {
  Status(8, "Abort");
  CancelRequested = true;
  WakeAll();
}

void TSocketClient::Status(int level, const std::string& text) {
  if (level > ReportLevel) return;
  LastStatus = text;
  if (!m_destroying && OnStatus) OnStatus(this, text);
}

std::string TSocketClient::SocketErrorText(int code) {
  Status(8, "Looking Up Error Message");
  return socketErrorText(code);
}

void TSocketClient::RaiseSocketError(int ignore) {
  const int code = LastError;
  if (code == ignore || code <= 10000) return;
  const std::string text = SocketErrorText(code);
  if (OnError) OnError(this, code, text);
  throw ESockError(text);
}

void TSocketClient::CheckReadError() {
  // A plain close by the peer is the normal end of a transfer; a reset is not.
  if (m_peerError != 0) {
    LastError = m_peerError;
    m_peerError = 0;
    RaiseSocketError(sockerr::WouldBlock);
    return;
  }
  const auto e = m_socket->error();
  if (e == QAbstractSocket::UnknownSocketError || e == QAbstractSocket::RemoteHostClosedError) return;
  LastError = socketErrorNumber(e);
  RaiseSocketError(sockerr::WouldBlock);
}

// ---------------------------------------------------------------- connecting

QHostAddress TSocketClient::ResolveHost() {
  Status(8, "Resolve Host");
  const std::string name = Proxy.empty() ? Host : Proxy;
  QHostAddress direct;
  if (direct.setAddress(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())))) return direct;
  if (name.empty()) return {};

  TimerOn();
  m_asyncDone = false;
  m_lookupResult.clear();
  m_lookupError = 0;
  const int id = QHostInfo::lookupHost(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())), this,
                                       [this](const QHostInfo& info) {
                                         m_lookupError = info.error();
                                         // PORT needs an IPv4 address, so IPv4 comes first.
                                         for (const QHostAddress& a : info.addresses())
                                           if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                                             m_lookupResult = a;
                                             break;
                                           }
                                         if (m_lookupResult.isNull() && !info.addresses().isEmpty())
                                           m_lookupResult = info.addresses().first();
                                         m_asyncDone = true;
                                         WakeAll();
                                       });
  WaitFor([this] { return m_asyncDone; });
  if (!m_asyncDone || TimedOut || CancelRequested) QHostInfo::abortHostLookup(id);
  EndWait("Host Lookup Timed Out", "Host lookup aborted");
  if (m_lookupError == QHostInfo::HostNotFound) return {};
  if (m_lookupError != QHostInfo::NoError) throw ESockError("Host Lookup Failed");
  if (m_lookupResult.isNull()) return {};
  if (OnHostResolved) OnHostResolved(this);
  return m_lookupResult;
}

void TSocketClient::Connect() {
  Status(8, "Connecting");
  CancelRequested = false;
  if (m_connected) throw ESockError("Already connected");
  QHostAddress address;
  for (int attempt = 0;; ++attempt) {
    address = ResolveHost();
    if (!address.isNull()) break;
    bool handled = false;
    if (attempt == 0 && OnInvalidHost) OnInvalidHost(handled);
    if (!handled) throw ESockError("Null Remote Address");
  }
  const int port = Proxy.empty() ? Port : ProxyPort;
  if (port <= 0 || port > 65535) {
    if (OnConnectionFailed) OnConnectionFailed(this);
    throw ESockError("Connection Failed");
  }
  if (Secure != (qobject_cast<QSslSocket*>(m_socket) != nullptr)) {
    m_closing = true;
    m_socket->disconnect(this);
    m_socket->deleteLater();
    MakeSocket();
  }
  m_asyncOk = true;
  m_peerError = 0;
  TimedOut = false;
  m_socket->connectToHost(address, static_cast<quint16>(port));
  TimerOn();
  WaitFor([this] { return m_connected || !m_asyncOk; });
  TimerOff();
  if (m_connected && !TimedOut && !CancelRequested) {
    SocketConnected();
    return;
  }
  m_connected = false;
  m_closing = true;
  m_socket->abort();
  m_closing = false;
  if (OnConnectionFailed) OnConnectionFailed(this);
  EndWait("Connection Timed out", "Connect aborted");
  throw ESockError("Connection Failed");
}

void TSocketClient::Disconnect() {
  Status(8, "Disconnecting");
  CloseSocket();
}

void TSocketClient::CheckConnection() {
  Status(8, "Checking Connection");
  for (int pass = 0; !m_connected; ++pass) {
    bool handled = false;
    if (pass == 0 && OnConnectionRequired) OnConnectionRequired(handled);
    if (!handled) throw std::runtime_error("Not Connected");
  }
}

void TSocketClient::Listen(const std::string& address) {
  Status(8, "Listening");
  if (m_server) {
    m_server->close();
    m_server->deleteLater();
  }
  DropIncoming();
  QTcpServer* server = Secure ? new TlsCapableServer(this) : new QTcpServer(this);
  m_server = server;
  connect(server, &QTcpServer::newConnection, this, [this, server] {
    if (server != m_server) return;
    // This runs inside the event loop, which an exception must not cross.
    try {
      TakeIncoming();
    } catch (const std::exception& e) {
      qWarning("Quillmark: taking a data connection failed: %s", e.what());
    } catch (...) {
      qWarning("Quillmark: taking a data connection failed");
    }
    WakeAll();
  });
  QHostAddress bindTo(QHostAddress::AnyIPv4);
  if (!address.empty()) bindTo.setAddress(QString::fromLatin1(address.c_str()));
  if (!m_server->listen(bindTo, static_cast<quint16>(Port))) {
    LastError = socketErrorNumber(m_server->serverError());
    RaiseSocketError(0);
    throw ESockError("Error creating Data Connection");
  }
}

int TSocketClient::ListeningPort() const { return m_server ? m_server->serverPort() : 0; }

void TSocketClient::TakeIncoming() {
  // The peer is checked the moment its connection is accepted, not when Accept
  // runs: a peer that has sent everything and closed by then (an empty listing
  // or file) no longer has an address, as Qt forgets it at the close.
  QHostAddress allowed;
  if (!AcceptFrom.empty()) allowed.setAddress(QString::fromLatin1(AcceptFrom.c_str()));
  while (m_server && m_server->hasPendingConnections()) {
    QTcpSocket* s = m_server->nextPendingConnection();
    // Anyone may reach the port PORT announced: only the server may deliver the data.
    if (m_incoming || (!AcceptFrom.empty() && !s->peerAddress().isEqual(allowed, QHostAddress::TolerantConversion))) {
      Status(4, "Refused a data connection from " + s->peerAddress().toString().toStdString());
      s->abort();
      s->deleteLater();
      continue;
    }
    s->setParent(this);  // outlives the listening socket
    s->setReadBufferSize(kReadBuffer);
    m_incoming = s;
  }
}

void TSocketClient::DropIncoming() {
  if (!m_incoming) return;
  m_incoming->abort();
  m_incoming->deleteLater();
  m_incoming = nullptr;
}

void TSocketClient::Accept() {
  Status(4, "Accepting");
  if (!m_server) throw ESockError("Error creating Data Connection");
  TimerOn();
  WaitFor([this] { return m_incoming != nullptr; });
  EndWait("Accepting Timed out", "Accept aborted");
  if (!m_incoming) throw ESockError("Error creating Data Connection");
  QTcpSocket* accepted = std::exchange(m_incoming, nullptr);
  m_server->close();
  m_server->deleteLater();
  m_server = nullptr;
  m_closing = true;
  m_socket->abort();
  m_socket->disconnect(this);
  m_socket->deleteLater();
  m_peerError = 0;
  AdoptSocket(accepted);
  // The peer may have sent everything and closed already.
  m_connected = accepted->state() == QAbstractSocket::ConnectedState || accepted->bytesAvailable() > 0;
}

// ---------------------------------------------------------------- TLS

void TSocketClient::StartTls(const TlsPolicy& policy) {
  Status(8, "StartTls");
  QPointer<QSslSocket> s = qobject_cast<QSslSocket*>(m_socket);
  if (!s || s->state() != QAbstractSocket::ConnectedState) throw ESockError("TLS handshake failed: not connected");
  QSslConfiguration conf = s->sslConfiguration();
  if (!policy.CaCertificates.isEmpty()) conf.setCaCertificates(policy.CaCertificates);
  conf.setPeerVerifyMode(QSslSocket::VerifyPeer);
  // Keep the session (TlsSession), and offer the one given for resuming.
  conf.setSslOption(QSsl::SslOptionDisableSessionPersistence, false);
  conf.setSessionTicket(policy.Session);
  if (policy.Tls12) conf.setProtocol(QSsl::TlsV1_2);
  s->setSslConfiguration(conf);
  s->setPeerVerifyName(policy.PeerName);
  m_tlsFingerprint = policy.Fingerprint;
  m_tlsRefused = false;
  m_refusedCertificate = QSslCertificate();
  m_tlsProblems.clear();
  m_errorText.clear();
  m_tlsCloseNotify = false;
  m_tlsTickets = 0;
  m_tlsTicketsDue = 0;
  m_tlsOffered = policy.Session;
  m_tlsResumed = false;
  s->startClientEncryption();
  TimerOn();
  WaitFor([this, s] { return s != m_socket || s->isEncrypted() || PeerGone() || m_tlsRefused; });
  const bool ok = s && s == m_socket && s->isEncrypted() && !m_tlsRefused;
  if (ok) {
    m_peerCertificate = s->peerCertificate();
    if (s->sessionProtocol() == QSsl::TlsV1_3)
      m_tlsTicketsDue = m_tlsResumed ? std::min(policy.SessionTickets, 1) : policy.SessionTickets;
  }
  // Nothing more goes over a connection whose encryption failed.
  else if (m_connected) CloseSocket();
  try {
    EndWait("TLS handshake timed out", "TLS handshake aborted");
  } catch (...) {
    if (m_connected) CloseSocket();
    throw;
  }
  if (ok) return;
  if (m_tlsRefused) {
    const std::string why = m_tlsProblems.join(QStringLiteral("; ")).toStdString();
    throw ECertificateError("Certificate not trusted (" + why + "), SHA-256 " +
                                fingerprintText(certificateFingerprint(m_refusedCertificate)).toStdString(),
                            m_refusedCertificate, m_tlsProblems);
  }
  throw ESockError("TLS handshake failed: " +
                   (m_errorText.isEmpty() ? std::string("connection closed") : m_errorText.toStdString()));
}

bool TSocketClient::Encrypted() const {
  const auto* ssl = qobject_cast<const QSslSocket*>(m_socket);
  return ssl && ssl->isEncrypted();
}

QByteArray TSocketClient::TlsSession() const {
  const auto* ssl = qobject_cast<const QSslSocket*>(m_socket);
  if (!ssl || !ssl->isEncrypted()) return {};
  return ssl->sslConfiguration().sessionTicket();
}

std::string TSocketClient::TlsDescription() const {
  const auto* ssl = qobject_cast<const QSslSocket*>(m_socket);
  if (!ssl || !ssl->isEncrypted()) return {};
  return protocolName(ssl->sessionProtocol()) + ", " + ssl->sessionCipher().name().toStdString();
}

// ---------------------------------------------------------------- writing

void TSocketClient::Write(const std::string& text) {
  Status(8, "Write");
  Status(4, "Sending Buffer");
  TimerOn();
  if (!CancelRequested) {
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
      TimerOff();
      LastError = sockerr::NotConnected;
      RaiseSocketError(0);
    }
    if (m_socket->write(text.data(), static_cast<qint64>(text.size())) < 0) {
      TimerOff();
      LastError = socketErrorNumber(m_socket->error());
      RaiseSocketError(0);
    }
    WaitFor([this] { return Unsent() == 0 || PeerGone(); });
  }
  EndWait("Socket send timed out", "Socket send aborted");
  if (Unsent() > 0) {
    LastError = m_socket->error() == QAbstractSocket::UnknownSocketError ? sockerr::NotConnected
                                                                          : socketErrorNumber(m_socket->error());
    RaiseSocketError(0);
  }
}

void TSocketClient::Writeln(const std::string& text) {
  Status(8, "Writeln");
  Write(text + "\r\n");
}

void TSocketClient::SendFile(const QString& path) {
  Status(8, "SendFile");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error("Cannot open " + path.toStdString() + ": " + file.errorString().toStdString());
  if (m_socket->state() != QAbstractSocket::ConnectedState) {
    LastError = sockerr::NotConnected;
    RaiseSocketError(0);
  }
  std::vector<char> block(kBlock);
  TimerOn();
  bool failed = false;
  while (!CancelRequested && !TimedOut) {
    // Keep a window of data queued ahead of the network, then wait for room.
    while (Unsent() < kSendWindow && !file.atEnd()) {
      const qint64 n = file.read(block.data(), kBlock);
      if (n < 0) throw std::runtime_error("Cannot read " + path.toStdString());
      if (n == 0) break;
      if (m_socket->write(block.data(), n) != n) {
        failed = true;
        break;
      }
      SentCount += n;
      if (OnPacketSent) OnPacketSent(this);
    }
    if (failed || PeerGone()) break;
    if (file.atEnd() && Unsent() == 0) break;
    const qint64 before = Unsent();
    WaitFor([this, before] { return Unsent() < before || PeerGone(); });
    RestartTimer();
  }
  EndWait("Socket send timed out", "Socket send aborted");
  if (failed || Unsent() > 0 || !file.atEnd()) {
    LastError = m_socket->error() == QAbstractSocket::UnknownSocketError ? sockerr::NotConnected
                                                                          : socketErrorNumber(m_socket->error());
    RaiseSocketError(0);
  }
}

void TSocketClient::CloseGracefully() {
  const auto* ssl = qobject_cast<const QSslSocket*>(m_socket);
  if (ssl && ssl->isEncrypted() && m_tlsTickets < m_tlsTicketsDue) {
    // A server that sends fewer than foretold costs the time-out, nothing more.
    TimerOn();
    WaitFor([this] { return m_tlsTickets >= m_tlsTicketsDue || PeerGone(); });
    if (TimedOut) TimedOut = CancelRequested = false;
    try {
      EndWait("Socket close timed out", "Socket close aborted");
    } catch (...) {
      CloseSocket();
      throw;
    }
  }
  if (m_socket->state() != QAbstractSocket::UnconnectedState) {
    m_closing = true;
    m_socket->disconnectFromHost();
    TimerOn();
    WaitFor([this] { return m_socket->state() == QAbstractSocket::UnconnectedState; });
    try {
      EndWait("Socket close timed out", "Socket close aborted");
    } catch (...) {
      CloseSocket();
      throw;
    }
  }
  CloseSocket();
}

// ---------------------------------------------------------------- reading

std::string TSocketClient::ReadLn(bool restAtClose) {
  Status(8, "ReadLn");
  TimerOn();
  std::string line;
  bool closed = false;
  WaitFor([&] {
    if (m_socket->canReadLine()) return true;
    if (m_socket->bytesAvailable() > kMaxLine) return true;
    if (PeerGone()) {
      closed = true;
      return true;
    }
    return false;
  });
  EndWait("Socket readln timed out", "Socket readln aborted");
  if (m_socket->canReadLine()) {
    const QByteArray bytes = m_socket->readLine(kMaxLine + 1);
    if (!bytes.endsWith('\n')) throw ESockError("Line longer than 65536 bytes");
    ReceivedCount += bytes.size();
    return bytes.toStdString();
  }
  if (m_socket->bytesAvailable() > kMaxLine) throw ESockError("Line longer than 65536 bytes");
  if (closed) {
    CheckReadError();
    const QByteArray rest = m_socket->bytesAvailable() > 0 ? m_socket->readAll() : QByteArray();
    if (m_connected) CloseSocket();
    if (!rest.isEmpty() && !restAtClose)
      throw ESockError("Connection closed in the middle of a line: " + rest.left(80).toStdString());
    line = rest.toStdString();
  }
  return line;
}

std::string TSocketClient::Read(int count) {
  Status(8, "Read( " + std::to_string(count) + " )");
  TimerOn();
  if (count > 0) WaitFor([&] { return m_socket->bytesAvailable() >= count || PeerGone(); });
  EndWait("Socket read timed out", "Socket read aborted");
  if (count > 0 && m_socket->bytesAvailable() < count) {
    CheckReadError();
    return {};
  }
  if (m_socket->bytesAvailable() == 0) return {};
  const QByteArray bytes = m_socket->read(count > 0 ? count : kBlock);
  ReceivedCount += bytes.size();
  return bytes.toStdString();
}

void TSocketClient::CaptureBlocks(const std::function<bool(const char*, std::size_t)>& take) {
  ReceivedCount = 0;
  TimerOn();
  std::vector<char> block(4 * kBlock);
  bool more = true;
  try {
    while (more && !CancelRequested && !TimedOut) {
      qint64 n = 0;
      bool got = false;
      while (more && m_socket->bytesAvailable() > 0 &&
             (n = m_socket->read(block.data(), static_cast<qint64>(block.size()))) > 0) {
        ReceivedCount += n;
        got = true;
        more = take(block.data(), static_cast<std::size_t>(n));
        if (OnPacketRecvd) OnPacketRecvd(this);
      }
      if (got) RestartTimer();
      if (!more || (PeerGone() && m_socket->bytesAvailable() == 0)) break;
      WaitFor([this] { return m_socket->bytesAvailable() > 0 || PeerGone(); });
    }
  } catch (...) {
    TimerOff();  // a stopped timer cannot cancel a later operation
    throw;
  }
  EndWait("Socket capture timed out", "Socket capture aborted");
  CheckReadError();
  if (PeerGone() && m_socket->bytesAvailable() == 0 && m_connected) CloseSocket();
}

void TSocketClient::CaptureToDevice(QIODevice& out) {
  CaptureBlocks([&out](const char* data, std::size_t size) {
    const auto n = static_cast<qint64>(size);
    if (out.write(data, n) != n)
      throw std::runtime_error("Cannot write the received data: " + out.errorString().toStdString());
    return true;
  });
}

void TSocketClient::CaptureFile(const QString& path) {
  Status(8, "CaptureFile");
  ReplacingFile file(path);
  file.open();
  CaptureToDevice(file.device());
  file.commit();
}

std::string TSocketClient::CaptureString(long long limit) {
  Status(8, "Capture String");
  std::string out;
  if (limit == 0) return out;
  CaptureBlocks([&](const char* data, std::size_t size) {
    out.append(data, size);
    return limit < 0 || static_cast<long long>(out.size()) < limit;
  });
  return out;
}

void TSocketClient::ClearInput() {
  Status(8, "Clearing Input");
  if (m_socket->bytesAvailable() > 0) m_socket->read(kBlock);
}

std::string TSocketClient::RemoteAddress() {
  Status(8, "Getting Remote IP");
  return m_socket->peerAddress().toString().toStdString();
}

std::string TSocketClient::LocalAddress() const { return m_socket->localAddress().toString().toStdString(); }

// ---------------------------------------------------------------- protocol

std::string TSocketClient::Transaction(const std::string& command) {
  Status(8, "Transaction");
  ReplyCode = 0;
  Writeln(command);
  ReplyText = ReadLn();
  if (!ReplyText.empty()) {
    Status(1, ReplyText);
    ReplyCode = leadingNumber(ReplyText);
  }
  return ReplyText;
}

}  // namespace qm::net
