#include "net/FtpSession.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>

#include "core/net/NetText.h"
#include "core/net/PublishText.h"
#include "core/net/UploadPlan.h"
#include "core/text/Cp1255.h"
#include "net/Cp1255Names.h"
#include "net/FtpClient_U.h"

namespace qm::net {

namespace {

// Reply lines keep their line end; an error shows one line.
QString errorText(const char* what) { return fromBytes(withoutLineEnd(what)); }

// Holds the session busy while a client call turns the event loop.
struct BusyScope {
  explicit BusyScope(int& n) : n_(n) { ++n_; }
  ~BusyScope() { --n_; }
  int& n_;
};

FtpSession::Outcome refusedName(const std::string& name) {
  FtpSession::Outcome o;
  o.badName = true;
  o.error = QStringLiteral("Name holds a control character: ") + fromBytes(printable(name));
  return o;
}

}  // namespace

FtpSession::FtpSession() : m_client(std::make_unique<TFtpClient>()) {
  TFtpClient& c = *m_client;
  c.OnConnect = [this](TSocketClient*) {
    m_link = Link::Connected;
    if (OnConnected) OnConnected();
    Changed();
  };
  c.OnConnectionFailed = [this](TSocketClient*) {
    m_link = Link::Failed;
    Changed();
  };
  // However the connection goes (the user, a refused login, the server
  // dropping it in the middle of anything), the session is disconnected.
  c.OnDisconnect = [this](TSocketClient*) {
    m_link = Link::Disconnected;
    m_dir.clear();
    m_entries.clear();
    m_incoming.clear();
    ++m_revision;
    if (OnDisconnected) OnDisconnected();
    Changed();
  };
  c.OnListItem = [this](const std::string& line) {
    if (trimmed(line).empty()) return;
    // The temporary file of an upload that was cut off is no page of the user's.
    std::string entry = listEntry(line);
    if (isUploadTempName(entry)) return;
    m_incoming.push_back(fromBytes(entry));
  };
  c.OnSuccess = [this](TCmdType kind) {
    if (kind == TCmdType::Download || kind == TCmdType::Upload || kind == TCmdType::List) m_transferOk = true;
    if (OnSuccess) OnSuccess(kind);
  };
}

FtpSession::~FtpSession() = default;

void FtpSession::Unbind() {
  Trust = nullptr;
  OnChange = nullptr;
  OnLog = nullptr;
  OnConnected = nullptr;
  OnDisconnected = nullptr;
  OnSuccess = nullptr;
  TFtpClient& c = *m_client;
  c.OnStatus = nullptr;
  c.OnInvalidHost = nullptr;
  c.OnError = nullptr;
  c.OnFailure = nullptr;
  c.OnHostResolved = nullptr;
  c.OnConnectionRequired = nullptr;
  c.OnAuthenticationFailed = nullptr;
  c.OnAuthenticationNeeded = nullptr;
  c.OnUnSupportedFunction = nullptr;
  c.OnTransactionStart = nullptr;
  c.OnTransactionStop = nullptr;
  c.OnPacketRecvd = nullptr;
  c.OnPacketSent = nullptr;
}

bool FtpSession::Connected() const { return m_link == Link::Connected && m_client->Connected(); }

void FtpSession::Log(const QString& line) {
  if (OnLog) OnLog(line);
}

void FtpSession::Changed() {
  if (OnChange) OnChange();
}

FtpSession::Outcome FtpSession::Run(const std::function<void()>& call) {
  // An operation keeps the session (and its client) until it returns.
  const std::shared_ptr<FtpSession> keep = weak_from_this().lock();
  BusyScope busy(m_busy);
  Outcome o;
  try {
    call();
    o.ok = true;
  } catch (const EAbortError&) {
    o.cancelled = true;
  } catch (const std::exception& e) {
    o.error = errorText(e.what());
  } catch (...) {
    o.error = QStringLiteral("unknown error");
  }
  return o;
}

FtpSession::Outcome FtpSession::Transfer(const std::function<void()>& call) {
  m_transferOk = false;
  m_cancelled = false;
  Outcome o = Run(call);
  // A cancel that came too late to stop a completed transfer (an upload
  // already being renamed into place) does not make it a cancelled one.
  o.ok = o.ok && m_transferOk;
  o.cancelled = !o.ok && (o.cancelled || m_cancelled);
  return o;
}

void FtpSession::Cancel() {
  if (m_busy == 0) return;
  m_cancelled = true;
  m_client->Abort();
}

FtpSession::Outcome FtpSession::Connect(const std::string& host, int port, const std::string& user,
                                        const std::string& password) {
  TFtpClient& c = *m_client;
  c.Host = host;
  c.Port = port;
  c.UserID = user;
  c.Password = password;
  c.AcceptFingerprint = Trust && c.UseTls ? Trust->Trusted(host) : QByteArray();
  std::optional<ECertificateError> refused;
  const auto connect = [&c, &refused] {
    try {
      c.Connect();
    } catch (const ECertificateError& e) {
      refused = e;
      throw;
    }
  };
  Outcome o = Run(connect);
  if (refused && Trust) {
    const CertificateTrust::Question q{host, refused->Certificate, refused->Problems, !c.AcceptFingerprint.isEmpty()};
    refused.reset();
    if (Trust->Ask(q)) {
      c.AcceptFingerprint = certificateFingerprint(q.certificate);
      o = Run(connect);
    }
  }
  if (!Connected()) return o;
  return Refresh();
}

FtpSession::Outcome FtpSession::Disconnect() {
  return Run([this] { m_client->Disconnect(); });
}

FtpSession::Outcome FtpSession::Refresh() {
  Log(QStringLiteral("QX>ls (refresh)"));
  m_entries.clear();
  m_incoming.clear();
  ++m_revision;
  Changed();
  std::string dir;
  Run([&] { dir = m_client->CurrentDir(); });
  m_dir = fromBytes(dir);
  const Outcome o = Transfer([this] { m_client->List(); });
  if (Connected()) {
    // One sort when the listing is in, not an insertion per entry: a listing
    // of 100,000 entries takes a fraction of a second, not minutes.
    std::stable_sort(m_incoming.begin(), m_incoming.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    m_entries = std::move(m_incoming);
  }
  m_incoming.clear();
  ++m_revision;
  Changed();
  return o;
}

FtpSession::Outcome FtpSession::ChangeDir(const QString& shown, const std::string& target) {
  if (hasControl(target)) return refusedName(target);
  Log(shown);
  Run([&] { m_client->ChangeDir(target); });
  return Refresh();
}

FtpSession::Outcome FtpSession::Enter(const QString& entry) {
  if (!entry.startsWith(QLatin1Char('/'))) return {};
  if (hasControl(toBytes(entry))) return refusedName(toBytes(entry));
  QString dir;
  Run([&] { dir = fromBytes(m_client->CurrentDir()); });
  const QString target = dir == QStringLiteral("/") ? entry : dir + entry;
  return ChangeDir(QStringLiteral("QX>CD ") + dir + entry, toBytes(target));
}

FtpSession::Outcome FtpSession::Up() { return ChangeDir(QStringLiteral("QX>CD .. (1 dir up)"), ".."); }

FtpSession::Outcome FtpSession::Root() { return ChangeDir(QStringLiteral("QX>CD / (root)"), "/"); }

FtpSession::Outcome FtpSession::Download(const QString& remote, std::string& bytes) {
  const std::string name = toBytes(remote);
  if (hasControl(name)) return refusedName(name);
  // A private temporary folder: the page's folder may hold a file of the
  // user's by any fixed name.
  QTemporaryDir dir;
  const QString local = dir.filePath(QStringLiteral("download.tmp"));
  Log(QStringLiteral("QX>Download Loc FN:") + local + QStringLiteral(" <-- Rmt FN:") + remote);
  if (!dir.isValid()) return {false, false, false, QStringLiteral("cannot make a temporary folder")};
  Outcome o = Transfer([&] { m_client->Download(name, local); });
  if (!o.ok) return o;
  QFile file(local);
  if (!file.open(QIODevice::ReadOnly)) return {false, false, false, file.errorString()};
  bytes = file.readAll().toStdString();
  return o;
}

FtpSession::Outcome FtpSession::DownloadTo(const QString& remote, const QString& local) {
  const std::string name = toBytes(remote);
  if (hasControl(name)) return refusedName(name);
  Log(QStringLiteral("QX>Download Loc FN:") + local + QStringLiteral(" <-- Rmt FN:") + remote);
  // The client replaces the file only after a complete transfer, so a failed
  // one leaves it as it was.
  return Transfer([&] { m_client->Download(name, local); });
}

FtpSession::Outcome FtpSession::Upload(const std::string& bytes, const QString& remote) {
  const std::string name = toBytes(remote);
  if (hasControl(name)) return refusedName(name);
  // The page as its file holds it, through a private temporary file.
  QTemporaryDir dir;
  const QString local = dir.filePath(QStringLiteral("upload.tmp"));
  QFile file(local);
  if (!dir.isValid() || !file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.flush())
    return {false, false, false, QStringLiteral("cannot write ") + local + QStringLiteral(": ") + file.errorString()};
  file.close();
  Log(QStringLiteral("QX>Upload Loc FN:") + local + QStringLiteral(" --> Rmt FN:") + remote);
  return Transfer([&] { m_client->Upload(local, name); });
}

}  // namespace qm::net
