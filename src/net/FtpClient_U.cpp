#include "net/FtpClient_U.h"

#include <QFileInfo>
#include <utility>

#include "core/net/NetText.h"
#include "core/net/UploadPlan.h"
#include "core/text/Cp1255.h"
#include "net/Cp1255Names.h"
#include "net/ReplacingFile.h"

namespace qm::net {

namespace {
constexpr std::size_t kMaxReply = 1 << 20;  // longest multi-line reply, in bytes
}  // namespace

void TFTPDirectoryList::Clear() {
  AttrList.clear();
  NameList.clear();
  DateList.clear();
  SizeList.clear();
}

void TFTPUnixList::ParseLine(const std::string& line) {
  const auto columns = parseUnixListLine(line);
  if (!columns) return;
  AttrList.push_back(columns->attr);
  NameList.push_back(columns->name);
  DateList.push_back(columns->date);
  SizeList.push_back(columns->size);
}

// Frees the data socket however a transfer ends.
class TFtpClient::DataSocketScope {
 public:
  explicit DataSocketScope(TFtpClient& c) : m_c(c) {}
  ~DataSocketScope() { m_c.EndTransfer(); }
  DataSocketScope(const DataSocketScope&) = delete;
  DataSocketScope& operator=(const DataSocketScope&) = delete;

 private:
  TFtpClient& m_c;
};

TFtpClient::TFtpClient(QObject* parent) : TSocketClient(parent) { Port = 21; }

TFtpClient::~TFtpClient() { m_dataSocket.reset(); }

void TFtpClient::SocketConnected() {
  // The FTP client's OnConnect means "logged in"; it is raised by Connect.
}

void TFtpClient::Abort() {
  Status(8, "Abort");
  if (m_committing) return;
  if (m_dataSocket) m_dataSocket->Abort();
  // Also ends a wait on the control connection (a reply that does not come);
  // after a transfer the pending request sends ABOR.
  CancelRequested = true;
  WakeAll();
}

// ---------------------------------------------------------------- replies

void TFtpClient::DropControl() {
  if (Connected()) CloseSocket();
}

std::string TFtpClient::ReadReply() {
  std::string line;
  try {
    line = ReadLn();
  } catch (const ESockError&) {
    DropControl();
    throw;
  }
  if (line.empty()) throw ESockError("Connection closed by the server");
  Status(1, line);
  return line;
}

std::string TFtpClient::ReadContinuation(const std::string& first,
                                         const std::function<void(const std::string&)>& each) {
  std::string line = first;
  std::size_t total = first.size();
  while (replyContinues(first, line)) {
    line = ReadReply();
    total += line.size();
    if (total > kMaxReply) {
      DropControl();
      throw ESockError("Reply longer than 1 MiB");
    }
    if (each) each(line);
  }
  return line;
}

void TFtpClient::Command(const std::string& command) {
  if (hasControl(command)) {
    // (A password is not shown.)
    const bool secret = command.rfind("PASS ", 0) == 0;
    throw std::runtime_error("Name holds a control character: " + (secret ? std::string("PASS ...") : printable(command)));
  }
  try {
    TSocketClient::Transaction(command);
  } catch (const ESockError&) {
    DropControl();
    throw;
  }
}

std::string TFtpClient::Transaction(const std::string& command) {
  WholeWait whole(*this);
  Command(command);
  if (ReplyText.empty()) throw ESockError("Connection closed by the server");
  const std::string first = ReplyText;
  const int code = ReplyCode;
  ReadContinuation(first);
  ReplyText = first;
  ReplyCode = code;
  return ReplyText;
}

void TFtpClient::ReportFailure(TCmdType kind, bool offerUnsupported) {
  if (offerUnsupported && ReplyCode >= 500 && ReplyCode <= 502 && OnUnSupportedFunction) OnUnSupportedFunction(kind);
  FTPException error(ReplyText);
  if (OnFailure) {
    bool handled = false;
    OnFailure(handled, kind);
    if (handled) return;
    error.Reported = true;
  }
  throw error;
}

bool TFtpClient::OfferFailure(TCmdType kind, std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const FTPException& e) {
    if (e.Reported) return false;
  } catch (...) {
  }
  if (!OnFailure) return false;
  bool handled = false;
  OnFailure(handled, kind);
  return handled;
}

// ---------------------------------------------------------------- session

void TFtpClient::FailConnect() {
  if (OnConnectionFailed) OnConnectionFailed(this);
  throw FTPException(ReplyText);
}

void TFtpClient::LoginStep(const std::string& shown, const std::string& command) {
  if (!shown.empty()) Status(1, shown);
  Transaction(command);
  if (isFailureReply(ReplyStep::Login, ReplyCode)) FailConnect();
}

void TFtpClient::Connect() {
  if (Connected()) return;
  m_noRename = false;
  try {
    CancelRequested = false;
    ClearInput();
    Secure = UseTls;
    m_tlsEstablished = false;
    TSocketClient::Connect();

    // The greeting, possibly several lines; a refusal ends the session here.
    // A refusal is reported with the line that ends the greeting ("421 Too many users").
    {
      WholeWait whole(*this);
      const std::string first = ReadReply();
      ReplyText = ReadContinuation(first);
      ReplyCode = leadingNumber(first);
    }
    if (isFailureReply(ReplyStep::Greeting, ReplyCode)) FailConnect();
    if (UseTls) SecureControl();

    if (FWAuthenticate) {
      LoginStep({}, "USER " + FWUserID);
      if (ReplyCode == 331) LoginStep("PASS ", "PASS " + FWPassword);
    }
    if ((UserID.empty() || Password.empty()) && OnAuthenticationNeeded) {
      bool handled = false;
      OnAuthenticationNeeded(handled);
    }
    if (!Proxy.empty()) {
      switch (FirewallType) {
        case TFirewallType::FTUser: Transaction("USER " + UserID + "@" + Host); break;
        case TFirewallType::FtOpen: Transaction("OPEN " + Host); break;
        case TFirewallType::FtSite: Transaction("SITE " + Host); break;
      }
    }
    if (Proxy.empty() || FirewallType != TFirewallType::FTUser) LoginStep("USER " + UserID, "USER " + UserID);
    if (ReplyCode == 331) LoginStep("PASS ", "PASS " + Password);
    if (OnConnect) OnConnect(this);
  } catch (const FTPException&) {
    // The server refused: end the session politely.
    try {
      Disconnect();
    } catch (...) {
      // The session is given up either way; the first error is the one reported.
    }
    DropControl();
    Status(1, "Disconnected");
    throw;
  } catch (...) {
    // A silent, broken or cancelled session is not waited for again.
    DropControl();
    Status(1, "Disconnected");
    throw;
  }
}

TlsPolicy TFtpClient::Policy(const QByteArray& fingerprint) const {
  return {QString::fromLatin1(Host.data(), static_cast<qsizetype>(Host.size())), CaCertificates, fingerprint};
}

void TFtpClient::SecureControl() {
  Status(1, "AUTH TLS");
  Transaction("AUTH TLS");
  // Anything but "234": the server does not speak TLS, and the user's name
  // and password are not sent in clear text instead.
  if (ReplyCode != 234) FailConnect();
  StartTls(Policy(AcceptFingerprint));
  Status(1, "Session encrypted (" + TlsDescription() + ")");
  for (const char* command : {"PBSZ 0", "PROT P"}) {
    Status(1, command);
    Transaction(command);
    if (ReplyCode / 100 != 2) FailConnect();
  }
  m_tlsEstablished = true;
}

void TFtpClient::Disconnect() {
  CancelRequested = false;
  if (!Connected()) return;
  Status(1, "QUIT");
  m_listParser.reset();
  Vendor = VendorDetect;
  ClearInput();
  WholeWait whole(*this);
  Command("QUIT");
  if (ReplyText.empty()) {  // the server had already gone
    DropControl();
    return;
  }
  ReadContinuation(ReplyText);
  if (isFailureReply(ReplyStep::Quit, ReplyCode)) throw FTPException(ReplyText);
  TSocketClient::Disconnect();
}

void TFtpClient::DoCommand(const std::string& command) {
  const TCmdType kind = commandKind(command);
  CancelRequested = false;
  CheckConnection();
  Status(1, command);
  ClearInput();
  Transaction(command);
  if (isFailureReply(ReplyStep::Command, ReplyCode)) {
    ReportFailure(kind);
    return;
  }
  if (OnSuccess) OnSuccess(kind);
}

std::string TFtpClient::CurrentDir() {
  DoCommand("PWD");
  if (isFailureReply(ReplyStep::Command, ReplyCode)) return {};
  return currentDirFromReply(ReplyText);
}

// ---------------------------------------------------------------- data connection

void TFtpClient::MakeDataSocket(bool forUpload) {
  m_dataSocket = std::make_unique<TSocketClient>();
  m_dataSocket->TimeOut = TimeOut;
  m_dataSocket->Secure = UseTls;
  m_dataUpload = forUpload;
  m_dataSocket->WatchRate(MinRateBytes, MinRateMs);
  if (forUpload) m_dataSocket->OnPacketSent = OnPacketSent;
  else m_dataSocket->OnPacketRecvd = OnPacketRecvd;
}

bool TFtpClient::OpenDataConnection(TCmdType kind) {
  if (Passive) {
    Transaction("PASV");
    if (isFailureReply(ReplyStep::Passive, ReplyCode)) {
      ReportFailure(kind, false);
      return false;
    }
    // The address in the reply is not used: the data connection goes to the
    // machine the control connection talks to (the firewall, when there is one).
    m_dataSocket->Port = parsePasvPort(ReplyText);
    m_dataSocket->Host = Proxy.empty() ? Host : Proxy;
    m_dataSocket->Connect();
  } else {
    const std::string local = LocalAddress();
    m_dataSocket->Port = 0;
    m_dataSocket->AcceptFrom = RemoteAddress();
    m_dataSocket->Listen(local);
    Transaction(portCommand(local, m_dataSocket->ListeningPort()));
    if (isFailureReply(ReplyStep::Transfer, ReplyCode)) {
      ReportFailure(kind, false);
      return false;
    }
  }
  return true;
}

void TFtpClient::CheckDataEnd() {
  // Whoever closes the TCP connection halfway through (not only the server)
  // would otherwise pass off part of a file as all of it.
  if (UseTls && !m_dataSocket->TlsClosedCleanly())
    throw ESockError("The encrypted data connection closed without ending TLS: the data may be incomplete");
}

void TFtpClient::OpenDataStream() {
  if (!Passive) m_dataSocket->Accept();
  // The data connection must show the certificate the control connection
  // was accepted with (or one that verifies on its own), and resumes the
  // control connection's session: many servers refuse one that does not.
  if (!UseTls) return;
  TlsPolicy policy = Policy(certificateFingerprint(PeerCertificate()));
  policy.Session = TlsSession();
  policy.SessionTickets = TlsTickets();
  // Without TLS 1.3 tickets to wait for, an upload stays below them.
  policy.Tls12 = m_dataUpload && policy.SessionTickets == 0;
  m_dataSocket->StartTls(policy);
}

bool TFtpClient::BinaryType(TCmdType kind) {
  // Files travel byte for byte: a server translating text mode would change
  // line ends and damage pictures.
  Status(1, "TYPE I");
  Transaction("TYPE I");
  if (isFailureReply(ReplyStep::Command, ReplyCode)) {
    ReportFailure(kind);
    return false;
  }
  return true;
}

bool TFtpClient::FinalReply(TCmdType kind) {
  m_awaitingFinal = false;
  WholeWait whole(*this);
  const std::string first = ReadReply();
  ReplyText = first;
  ReplyCode = leadingNumber(first);
  ReadContinuation(first);
  ReplyText = first;
  if (isFailureReply(ReplyStep::Transfer, ReplyCode)) {
    ReportFailure(kind);
    return false;
  }
  return true;
}

void TFtpClient::EndTransfer() {
  const bool stalled = m_dataSocket && m_dataSocket->WaitTimedOut();
  m_dataSocket.reset();
  const bool cancelled = std::exchange(CancelRequested, false);
  const bool lateReply = std::exchange(m_awaitingFinal, false);
  if (!Connected() || (!lateReply && !cancelled)) return;
  // After a stalled data connection the server is not waited for a second
  // time: the session ends, and the failure takes one time-out, not two.
  if (stalled) {
    DropControl();
    return;
  }
  try {
    WholeWait whole(*this);
    // A transfer that ended early still gets its final reply from the server
    // (426, or 226 when it had finished): read it now, so that it is not taken
    // for the answer to the next command.
    if (lateReply) ReadContinuation(ReadReply());
    if (cancelled) Transaction("ABOR");
  } catch (...) {
    // The operation already failed; its own error is the one to report. The
    // session is out of step with the server now, so it ends.
    DropControl();
  }
}

// ---------------------------------------------------------------- operations

void TFtpClient::List() {
  if (m_listBusy) throw std::runtime_error("A list command is already being processed!");
  bool ok = false;
  {
    m_listBusy = true;
    struct BusyReset {
      bool& flag;
      ~BusyReset() { flag = false; }
    } busyReset{m_listBusy};
    ok = ListBody();
  }
  // Raised once everything is released, so that the handler may list again.
  if (ok && OnSuccess) OnSuccess(TCmdType::List);
}

bool TFtpClient::ListBody() {
  CancelRequested = false;
  CheckConnection();
  ClearInput();
  DataSocketScope scope(*this);
  MakeDataSocket(false);
  if (ParseList) {
    if (!m_listParser && Vendor == VendorDetect) {
      try {
        DoCommand("SYST");
      } catch (...) {
        // Without a SYST answer the listing is read as Unix-style.
      }
      Vendor = vendorFromSyst(ReplyText);
    }
    if (!m_listParser && vendorHasUnixListing(Vendor)) m_listParser = std::make_unique<TFTPUnixList>();
    if (m_listParser) m_listParser->Clear();
  }
  if (!OpenDataConnection(TCmdType::List)) return false;
  Status(1, "LIST");
  Transaction("LIST");
  if (isFailureReply(ReplyStep::Transfer, ReplyCode)) {
    ReportFailure(TCmdType::List);
    return false;
  }
  m_awaitingFinal = true;
  OpenDataStream();
  if (OnTransactionStart) OnTransactionStart(this);
  const auto deliver = [this](const std::string& raw) {
    const std::string line = listingLine(raw);
    if (ParseList && m_listParser) m_listParser->ParseLine(line);
    if (OnListItem) OnListItem(line);
  };
  // A last line without its line end may be the half of a line the server
  // never finished: it counts only once the server says the listing is complete.
  std::string unfinished;
  if (!CancelRequested && !TimedOut) {
    for (;;) {
      std::string raw = m_dataSocket->ReadLn(true);
      if (raw.empty()) break;
      if (raw.back() != '\n') {
        unfinished = std::move(raw);
        break;
      }
      deliver(raw);
    }
  }
  if (OnTransactionStop) OnTransactionStop(this);
  m_dataSocket->Disconnect();
  if (CancelRequested || TimedOut || !FinalReply(TCmdType::List)) return false;
  CheckDataEnd();
  if (!unfinished.empty()) deliver(unfinished);
  return true;
}

namespace {
// The file name of a local path, cut at the last "/" or "\".
QString bareName(const QString& path) {
  const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
  return path.mid(cut + 1);
}

}  // namespace

bool TFtpClient::Store(const QString& local, const std::string& remote, const std::string& shown) {
  m_storeBegan = false;
  ClearInput();
  DataSocketScope scope(*this);
  MakeDataSocket(true);
  if (!BinaryType(TCmdType::Upload)) return false;
  if (!OpenDataConnection(TCmdType::Upload)) return false;
  Status(1, "STOR " + shown);
  Transaction("STOR " + remote);
  if (isFailureReply(ReplyStep::Transfer, ReplyCode)) {
    ReportFailure(TCmdType::Upload);
    return false;
  }
  m_storeBegan = true;
  m_awaitingFinal = true;
  OpenDataStream();
  if (OnTransactionStart) OnTransactionStart(this);
  if (!CancelRequested && !TimedOut) m_dataSocket->SendFile(local);
  if (OnTransactionStop) OnTransactionStop(this);
  m_dataSocket->CloseGracefully();
  // The server takes a closed data connection for a complete file, so an
  // upload cut short must not count as one.
  if (CancelRequested) throw EAbortError("Upload aborted");
  if (TimedOut) throw ESockError("Upload timed out");
  return FinalReply(TCmdType::Upload);
}

void TFtpClient::Upload(const QString& local, const std::string& remote) {
  try {
    CancelRequested = false;
    CheckConnection();
    {
      const QFileInfo info(local);
      QFile file(local);
      if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open " + local.toStdString() + ": " + file.errorString().toStdString());
      TransferSize = info.size();
    }
    const std::string target = remote.empty() ? toBytes(bareName(local)) : remote;
    const std::string notice = toBytes(QString::fromUtf8(kDirectUploadNotice)) + target;
    UploadPlan plan(target, TransferSize, DirectUpload || m_noRename);
    if (m_noRename && !DirectUpload) Status(1, notice);
    std::exception_ptr error;
    while (!plan.Finished()) {
      const UploadAct act = plan.Act();
      const std::string command = plan.Command();
      if (act == UploadAct::StoreTemp || act == UploadAct::StoreDirect) {
        if (plan.FellBack() && !m_noRename) {
          m_noRename = true;
          Status(1, notice);
        }
        bool ok = false;
        try {
          // The log names the file as the user gave it.
          const std::string shown = remote.empty() && act == UploadAct::StoreDirect ? toBytes(local) : command.substr(5);
          ok = Store(local, plan.StoreName(), shown);
        } catch (...) {
          error = std::current_exception();
        }
        plan.Stored(ok, m_storeBegan);
      } else if (act == UploadAct::DeleteTemp) {
        // Cleaning up after the upload's outcome is decided: only while the
        // connection allows, and its own failure changes nothing.
        if (Connected()) {
          try {
            Status(1, command);
            Transaction(command);
          } catch (...) {
          }
        }
        plan.Replied(ReplyCode, ReplyText);
      } else {
        m_committing = act != UploadAct::CheckSize;
        struct Reset {
          bool& flag;
          ~Reset() { flag = false; }
        } reset{m_committing};
        Status(1, command);
        Transaction(command);
        plan.Replied(ReplyCode, ReplyText);
      }
    }
    if (error) std::rethrow_exception(error);
    if (!plan.Mismatch().empty()) throw ESockError(plan.Mismatch());
    if (plan.Act() == UploadAct::Failed) return;  // a failure reply the handler took
  } catch (...) {
    if (OfferFailure(TCmdType::Upload, std::current_exception())) return;
    throw;
  }
  if (OnSuccess) OnSuccess(TCmdType::Upload);
}

void TFtpClient::Download(const std::string& remote, const QString& local) {
  try {
    CancelRequested = false;
    CheckConnection();
    ClearInput();
    DataSocketScope scope(*this);
    MakeDataSocket(false);
    if (!BinaryType(TCmdType::Download)) return;
    if (!OpenDataConnection(TCmdType::Download)) return;
    Status(1, "RETR " + remote);
    TransferSize = 0;
    long long announced = 0;
    {
      WholeWait whole(*this);
      Command("RETR " + remote);
      if (ReplyText.empty()) throw ESockError("Connection closed by the server");
      if (isFailureReply(ReplyStep::Transfer, ReplyCode)) {
        ReadContinuation(ReplyText);
        ReportFailure(TCmdType::Download);
        return;
      }
      // The size the server announces, from the first line that names one.
      const std::string first = ReplyText;
      announced = parseByteCount(first);
      ReadContinuation(first, [&announced](const std::string& line) {
        if (announced == 0) announced = parseByteCount(line);
      });
      ReplyText = first;
    }
    TransferSize = announced;
    m_awaitingFinal = true;
    OpenDataStream();

    const QString target = local.isEmpty() ? fromBytes(remote) : local;
    ReplacingFile file(target);
    file.open();
    if (OnTransactionStart) OnTransactionStart(this);
    if (!CancelRequested && !TimedOut) {
      Status(8, "CaptureFile");
      m_dataSocket->CaptureToDevice(file.device());
    }
    if (OnTransactionStop) OnTransactionStop(this);
    const long long received = m_dataSocket->ReceivedCount;
    m_dataSocket->Disconnect();
    TransferSize = received;
    Status(1, "Received " + std::to_string(received) + " Bytes");
    if (CancelRequested || TimedOut) return;
    if (!FinalReply(TCmdType::Download)) return;
    CheckDataEnd();
    if (announced > 0 && received < announced)
      throw ESockError("Transfer incomplete: received " + std::to_string(received) + " of " +
                       std::to_string(announced) + " bytes");
    file.commit();
  } catch (...) {
    if (OfferFailure(TCmdType::Download, std::current_exception())) return;
    throw;
  }
  if (OnSuccess) OnSuccess(TCmdType::Download);
}

}  // namespace qm::net
