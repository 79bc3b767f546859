// qmtool ftp: the FTP client on the command line, logging as the FTP window does.
#include <QCoreApplication>
#include <QSslCertificate>
#include <QString>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "core/net/FtpProtocol.h"
#include "core/net/NetText.h"
#include "core/text/Encoding.h"
#include "core/util/Numbers.h"
#include "net/FtpClient_U.h"
#include "qmtool/Command.h"

namespace {

using qm::net::TFtpClient;

void logLine(const std::string& text) {
  // Reply lines carry their line end; a log shows one line each. The client's
  // own texts and the names it sends are code page 1255; a terminal shows UTF-8.
  const std::string_view line = qm::net::withoutLineEnd(text);
  namespace enc = qm::encoding;
  std::cerr << (enc::isValidUtf8(line) ? std::string(line)
                                       : enc::transcode(line, enc::Charset::Windows1255, enc::Charset::Utf8).bytes)
            << "\n";
  std::cerr.flush();
}

void bindLog(TFtpClient& c) {
  using namespace qm::net;
  c.OnStatus = [](TSocketClient*, const std::string& s) { logLine("QX<" + s); };
  c.OnError = [](TSocketClient*, int n, const std::string& m) {
    logLine("QX<ERROR #" + std::to_string(n) + " MSG:\"" + m + "\".(!!!)");
  };
  c.OnSuccess = [](TCmdType k) { logLine("QX< " + transactionName(static_cast<int>(k)) + " success."); };
  c.OnFailure = [](bool&, TCmdType k) { logLine("QX< " + transactionName(static_cast<int>(k)) + " failure!!! (?)"); };
  c.OnHostResolved = [](TSocketClient*) { logLine("QX<Host Resolved ."); };
  c.OnConnectionRequired = [](bool&) { logLine("QX<Connection Required ."); };
  c.OnInvalidHost = [](bool&) { logLine("QX<Invalid Host"); };
  c.OnAuthenticationFailed = [](bool&) { logLine("QX<Authentication failed"); };
  c.OnAuthenticationNeeded = [](bool&) { logLine("QX<Authentication failed"); };
  c.OnUnSupportedFunction = [](TCmdType) { logLine("QX<UnSupported function ! (?" "?)"); };
  c.OnTransactionStart = [](TSocketClient*) { logLine("QX< Beginning Data Transfer."); };
  c.OnTransactionStop = [](TSocketClient*) { logLine("QX< Data Transfer Complete."); };
  c.OnConnect = [&c](TSocketClient*) { logLine("QX<Connected to " + c.Host + "(" + c.RemoteAddress() + ") !"); };
  c.OnDisconnect = [](TSocketClient*) { logLine("QX<Disconnected!"); };
}

QString localName(const std::string& s) { return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size())); }

int run(const std::vector<std::string>& args) {
  std::string host, user = "anonymous", passwordEnv;
  int port = 21;
  int timeout = 7000;
  bool passive = false;
  bool tls = false;
  std::string caFile, fingerprint;
  bool direct = false;
  std::size_t i = 0;
  auto value = [&](const std::string& opt) -> std::string {
    if (i + 1 >= args.size()) throw std::runtime_error(opt + " needs a value");
    return args[++i];
  };
  for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
    const std::string& a = args[i];
    if (a == "--host") host = value(a);
    else if (a == "--port") port = qm::strToIntDef(value(a), -1);
    else if (a == "--user") user = value(a);
    else if (a == "--password-env") passwordEnv = value(a);
    else if (a == "--timeout") timeout = qm::strToIntDef(value(a), -1);
    else if (a == "--passive") passive = true;
    else if (a == "--tls") tls = true;
    else if (a == "--ca-file") caFile = value(a);
    else if (a == "--fingerprint") fingerprint = value(a);
    else if (a == "--direct") direct = true;
    else return qmtool::fail("ftp: unknown option " + a);
  }
  if (host.empty()) return qmtool::fail("ftp: --host is required");
  if (port < 1 || port > 65535) return qmtool::fail("ftp: --port needs a number from 1 to 65535");
  if (timeout < 0) return qmtool::fail("ftp: --timeout needs a number of milliseconds");
  if ((!caFile.empty() || !fingerprint.empty()) && !tls) return qmtool::fail("ftp: --ca-file and --fingerprint go with --tls");
  const QByteArray accepted = qm::net::parseFingerprint(fingerprint);
  if (!fingerprint.empty() && accepted.isEmpty())
    return qmtool::fail("ftp: --fingerprint needs a SHA-256 fingerprint: 64 hex digits (colons allowed)");
  if (i >= args.size()) return qmtool::fail("ftp: say ls, get or put");
  const std::string op = args[i++];
  const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  if ((op == "ls" && rest.size() > 1) || (op == "get" && (rest.empty() || rest.size() > 2)) ||
      (op == "put" && (rest.empty() || rest.size() > 2)))
    return qmtool::fail("ftp: wrong arguments for " + op);
  if (op != "ls" && op != "get" && op != "put") return qmtool::fail("ftp: unknown operation " + op);
  // Without a local name the file lands in the current folder under the remote file's name.
  std::string local;
  if (op == "get") {
    local = rest.size() > 1 ? rest[1] : rest[0].substr(rest[0].find_last_of('/') + 1);
    if (local.empty()) return qmtool::fail("ftp: get: " + rest[0] + " names a folder; give a local file name");
  }

  std::string password;
  if (!passwordEnv.empty()) {
    const char* p = std::getenv(passwordEnv.c_str());
    if (!p) return qmtool::fail("ftp: environment variable " + passwordEnv + " is not set");
    password = p;
  }

  static int argc = 1;
  static char name[] = "qmtool";
  static char* argv[] = {name, nullptr};
  std::optional<QCoreApplication> app;
  if (!QCoreApplication::instance()) app.emplace(argc, argv);
  // (The TLS back end is found once the application exists.)
  QList<QSslCertificate> authorities;
  if (!caFile.empty()) {
    authorities = QSslCertificate::fromPath(localName(caFile), QSsl::Pem, QSslCertificate::PatternSyntax::FixedString);
    if (authorities.isEmpty()) return qmtool::fail("ftp: --ca-file: no PEM certificate in " + caFile);
  }

  TFtpClient c;
  c.ParseList = false;
  c.Passive = passive;
  c.DirectUpload = direct;
  c.ReportLevel = 3;
  c.Host = host;
  c.Port = port;
  c.UserID = user;
  c.Password = password;
  c.TimeOut = timeout;
  c.UseTls = tls;
  c.CaCertificates = authorities;
  c.AcceptFingerprint = accepted;
  bindLog(c);

  try {
    logLine("QX>Connect");
    c.Connect();
    if (op == "ls") {
      if (!rest.empty()) {
        logLine("QX>CD " + rest[0]);
        c.ChangeDir(rest[0]);
      }
      c.OnListItem = [](const std::string& line) { qmtool::writeOutput(line + "\n"); };
      logLine("QX>ls (refresh)");
      c.CurrentDir();
      c.List();
    } else if (op == "get") {
      logLine("QX>Download Loc FN:" + local + " <-- Rmt FN:" + rest[0]);
      c.Download(rest[0], localName(local));
    } else {
      const std::string remote = rest.size() > 1 ? rest[1] : std::string();
      logLine("QX>Upload Loc FN:" + rest[0] + " --> Rmt FN:" + remote);
      c.Upload(localName(rest[0]), remote);
    }
  } catch (const std::exception& e) {
    const std::string message(qm::net::withoutLineEnd(e.what()));
    try {
      if (c.Connected()) c.Disconnect();
    } catch (...) {
    }
    return qmtool::fail("ftp " + op + ": " + message);
  }
  // The work is done and saved: a server that does not answer QUIT changes nothing.
  try {
    logLine("QX>Disconnect");
    c.Disconnect();
  } catch (const std::exception& e) {
    logLine("QX<QUIT not answered: " + std::string(qm::net::withoutLineEnd(e.what())));
  }
  return 0;
}

const qmtool::Registration reg{{"ftp",
                                "ftp [--host H] [--port P] [--user U] [--password-env VAR] [--passive] "
                                "[--timeout MS] [--direct] [--tls [--ca-file PEM] [--fingerprint SHA256]]\n"
                                "      ls [DIR] | get REMOTE [LOCAL] | put LOCAL [REMOTE]\n"
                                "      put stores under a temporary name and renames it over REMOTE once the\n"
                                "      server has all of it; --direct writes REMOTE itself\n"
                                "      --tls: AUTH TLS, every connection encrypted; the server's certificate must\n"
                                "      verify against the system's store (or the certificates in PEM) for the host,\n"
                                "      or be exactly the one of the SHA-256 fingerprint\n"
                                "      --timeout MS: a reply must arrive, and a transfer may stall, for at most\n"
                                "      MS milliseconds (default 7000; 0: no time-out, a silent server is waited for)",
                                run}};

}  // namespace
