#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSslCertificate>
#include <QFileInfo>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <random>

#include "NetTestUtil.h"
#include "core/net/UploadPlan.h"
#include "net/Cp1255Names.h"
#include "net/FtpClient_U.h"
#include "net/FtpSession.h"
#include "support/FtpServer.h"
#include "support/ScriptedServer.h"

using namespace qm::net;
using qmtest::ScriptedServer;
using qmtest::Step;
using nettest::errorOf;
using nettest::readFile;
using nettest::writeFile;

namespace {

// A client with the events the tests look at recorded.
struct Recorder {
  TFtpClient c;
  std::vector<std::string> items;
  std::vector<TCmdType> successes, failures, unsupported;
  int connects = 0, authNeeded = 0;
  bool handleFailures = false;

  Recorder(int port, bool passive, std::string user = qmtest::FtpServer::User,
           std::string password = qmtest::FtpServer::Password) {
    c.Host = "127.0.0.1";
    c.Port = port;
    c.UserID = std::move(user);
    c.Password = std::move(password);
    c.Passive = passive;
    c.TimeOut = 5000;
    c.ReportLevel = 1;
    c.OnListItem = [this](const std::string& l) { items.push_back(l); };
    c.OnSuccess = [this](TCmdType k) { successes.push_back(k); };
    c.OnFailure = [this](bool& handled, TCmdType k) {
      failures.push_back(k);
      handled = handleFailures;
    };
    c.OnUnSupportedFunction = [this](TCmdType k) { unsupported.push_back(k); };
    c.OnConnect = [this](TSocketClient*) { ++connects; };
    c.OnAuthenticationNeeded = [this](bool&) { ++authNeeded; };
  }
};

// Every byte value, then random bytes, with line ends in the middle.
std::string binaryBytes(std::size_t n) {
  std::mt19937 gen(1255);
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i < 256 ? i : gen() & 0xFF);
  s.replace(n / 2, 4, "\r\n\n\r");
  return s;
}

}  // namespace

// ---------------------------------------------------------------- against pyftpdlib

class FtpReal : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server = std::make_unique<qmtest::FtpServer>();
    secure = std::make_unique<qmtest::FtpServer>(qmtest::FtpServer::Tls::Required);
    reuse = std::make_unique<qmtest::FtpServer>(qmtest::FtpServer::Tls::Required, QStringList{"--tls-reuse"});
    fresh = std::make_unique<qmtest::FtpServer>(qmtest::FtpServer::Tls::Required, QStringList{"--tls-no-resume"});
  }
  static void TearDownTestSuite() {
    server.reset();
    secure.reset();
    reuse.reset();
    fresh.reset();
  }
  void SetUp() override {
    for (const auto* s : {server.get(), secure.get(), reuse.get(), fresh.get()})
      ASSERT_TRUE(s->running()) << s->error().toStdString();
  }
  static QSslCertificate certificate(const qmtest::FtpServer& s) {
    return QSslCertificate::fromPath(s.certificate()).value(0);
  }
  static std::unique_ptr<qmtest::FtpServer> server;
  static std::unique_ptr<qmtest::FtpServer> secure;  // refuses anything unencrypted, control and data alike
  static std::unique_ptr<qmtest::FtpServer> reuse;   // also a data connection that does not resume the control's TLS session
  static std::unique_ptr<qmtest::FtpServer> fresh;   // resumes no TLS session
  QTemporaryDir local;
};
std::unique_ptr<qmtest::FtpServer> FtpReal::server;
std::unique_ptr<qmtest::FtpServer> FtpReal::secure;
std::unique_ptr<qmtest::FtpServer> FtpReal::reuse;
std::unique_ptr<qmtest::FtpServer> FtpReal::fresh;

// Binary type before every transfer: in text mode the server would rewrite the line ends.
// Without a remote name the upload takes the local file's bare name, which the listing shows.
// In either mode, in clear text and over TLS, also with a server that wants
// every data connection to resume the control connection's TLS session, and
// with one that never resumes one.
TEST_F(FtpReal, TransfersAreByteForByte) {
  const std::pair<QString, std::string> files[] = {
      {QStringLiteral("page.htm"), "<p>\xf9\xec\xe5\xed</p>\r\nsecond\nthird\rlast"},
      {QStringLiteral("picture.gif"), binaryBytes(300000)},
  };
  const std::pair<const qmtest::FtpServer*, const char*> servers[] = {
      {server.get(), ""},
      {secure.get(), " TLS"},
      {reuse.get(), " TLS, session reuse required"},
      {fresh.get(), " TLS, no session resumed"}};
  for (const auto& [sp, what] : servers) {
    const qmtest::FtpServer& s = *sp;
    const bool tls = sp != server.get();
    for (const bool passive : {true, false}) {
      for (const auto& [name, bytes] : files) {
        const std::string trace = name.toStdString() + (passive ? " passive" : " active") + what;
        const QString up = local.filePath(name);
        const QString down = local.filePath(QStringLiteral("down-") + name);
        writeFile(up, bytes);
        Recorder r(s.port(), passive);
        r.c.UseTls = tls;
        if (tls) r.c.AcceptFingerprint = certificateFingerprint(certificate(s));
        r.c.Connect();
        r.c.Upload(up, "");
        const std::string stored = readFile(s.file(name));
        EXPECT_TRUE(stored == bytes) << trace << ": " << stored.size() << " bytes stored";
        r.c.Download(name.toStdString(), down);
        const std::string back = readFile(down);
        EXPECT_TRUE(back == bytes) << trace << ": " << back.size() << " bytes back";
        EXPECT_EQ(r.successes, (std::vector<TCmdType>{TCmdType::Upload, TCmdType::Download})) << trace;
        r.c.ParseList = true;
        r.c.List();
        const auto& names = r.c.ListParser()->NameList;
        EXPECT_NE(std::find(names.begin(), names.end(), name.toStdString()), names.end()) << trace;
        QFile::remove(s.file(name));
      }
    }
  }
}

// An empty password asks the handler for one first, then is sent as it is.
// (A wrong one is the window's test.)
TEST_F(FtpReal, RefusedLoginEndsTheSession) {
  Recorder r(server->port(), true, qmtest::FtpServer::User, "");
  EXPECT_EQ(errorOf([&] { r.c.Connect(); }).substr(0, 4), "530 ");
  EXPECT_FALSE(r.c.Connected());
  EXPECT_EQ(r.connects, 0);
  EXPECT_EQ(r.authNeeded, 1);
}

// A refused upload is reported once (a handled failure raises no error); the
// session goes on. (A failed download keeps the local file: the scripted tests.)
TEST_F(FtpReal, ARefusedUploadIsReportedOnce) {
  const QString existing = local.filePath(QStringLiteral("keep.htm"));
  writeFile(existing, "old text");
  Recorder r(server->port(), true);
  r.handleFailures = true;
  r.c.Connect();
  EXPECT_EQ(errorOf([&] { r.c.Upload(existing, "no-such-folder/keep.htm"); }), "(no error)");
  EXPECT_EQ(r.failures.size(), 1u);
  EXPECT_EQ(r.c.CurrentDir(), "/");
}

TEST_F(FtpReal, ASecondListIsRefusedWhileOneRuns) {
  writeFile(server->file(QStringLiteral("one.txt")), "1");
  Recorder r(server->port(), true);
  r.c.Connect();
  std::string nested;
  r.c.OnListItem = [&](const std::string&) {
    if (nested.empty()) nested = errorOf([&] { r.c.List(); });
  };
  r.c.List();
  EXPECT_EQ(nested, "A list command is already being processed!");
  r.c.List();  // free again afterwards
  EXPECT_EQ(std::count(r.successes.begin(), r.successes.end(), TCmdType::List), 2);
}

// Anyone may reach the port PORT announces; only the server's connection is taken.
TEST_F(FtpReal, ActiveModeTakesDataOnlyFromTheServer) {
  writeFile(server->file(QStringLiteral("a.htm")), "genuine");
  Recorder r(server->port(), false);
  QTcpSocket intruder;
  r.c.ReportLevel = 8;
  r.c.OnStatus = [&](TSocketClient*, const std::string& s) {
    // PORT is about to go out: the port is open, the server not yet told.
    const TSocketClient* data = r.c.DataSocket();
    if (s != "Transaction" || !data || !data->ListeningPort() || intruder.state() != QAbstractSocket::UnconnectedState)
      return;
    intruder.bind(QHostAddress(QStringLiteral("127.0.0.2")));
    intruder.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(data->ListeningPort()));
    intruder.waitForConnected(5000);
    intruder.write("forged");
  };
  r.c.Connect();
  r.c.Download("a.htm", local.filePath(QStringLiteral("a.htm")));
  EXPECT_EQ(readFile(local.filePath(QStringLiteral("a.htm"))), "genuine");
}

// In active mode the server may connect, send nothing and close before the
// client waits for the data connection: it is still the server's connection.
TEST_F(FtpReal, EmptyTransfersInActiveMode) {
  QDir(server->root()).mkpath(QStringLiteral("void"));
  writeFile(server->file(QStringLiteral("zero.htm")), "");
  const QString zero = local.filePath(QStringLiteral("zero.htm"));
  Recorder r(server->port(), false);
  r.c.OnStatus = [](TSocketClient*, const std::string& s) {
    if (s.size() < 4 || s[0] != '1' || s[3] != ' ') return;  // a preliminary reply: 125 or 150
    QEventLoop pause;  // room for the data connection to come and go before the accept
    QTimer::singleShot(100, &pause, &QEventLoop::quit);
    pause.exec();
  };
  r.c.Connect();
  r.c.ChangeDir("void");
  for (int i = 0; i < 5; ++i) {
    writeFile(zero, "stale");
    EXPECT_EQ(errorOf([&] { r.c.List(); }), "(no error)") << i;
    EXPECT_EQ(errorOf([&] { r.c.Download("/zero.htm", zero); }), "(no error)") << i;
    EXPECT_EQ(readFile(zero), "") << i;
    EXPECT_EQ(errorOf([&] { r.c.Upload(zero, "/up.htm"); }), "(no error)") << i;
    EXPECT_EQ(readFile(server->file(QStringLiteral("up.htm"))), "") << i;
  }
  EXPECT_TRUE(r.items.empty());
  EXPECT_EQ(r.successes.size(), 1u + 15u);  // the folder change, then every transfer
}

TEST_F(FtpReal, AbortEndsATransferAndTheSessionGoesOn) {
  writeFile(server->file(QStringLiteral("large.bin")), binaryBytes(8 << 20));
  const QString target = local.filePath(QStringLiteral("large.bin"));
  writeFile(target, "before");
  Recorder r(server->port(), true);
  r.c.Connect();
  int packets = 0;
  r.c.OnPacketRecvd = [&](TSocketClient*) {
    if (++packets == 1) r.c.Abort();
  };
  EXPECT_EQ(errorOf([&] { r.c.Download("large.bin", target); }), "Socket capture aborted");
  EXPECT_EQ(readFile(target), "before");
  // The transfer's late final reply is not mistaken for the next answer.
  EXPECT_EQ(r.c.CurrentDir(), "/");
  EXPECT_EQ(r.c.CurrentDir(), "/");
}

// A certificate that does not verify is refused, its fingerprint told, before
// a name or password is sent; it passes by exactly its fingerprint (as its
// own authority: qmtool's --ca-file). Another server's fingerprint does not
// open this one; and the server itself refuses a client in clear text.
TEST_F(FtpReal, WhichCertificatesPass) {
  const qmtest::FtpServer other(qmtest::FtpServer::Tls::Required);
  ASSERT_TRUE(other.running());
  const QSslCertificate mine = certificate(*secure);
  struct Case { const char* what; bool tls; QByteArray fingerprint; std::string error; };
  const Case cases[] = {
      {"unknown", true, {}, "Certificate not trusted ("},
      {"by its fingerprint", true, certificateFingerprint(mine), ""},
      {"another server's fingerprint", true, certificateFingerprint(certificate(other)), "Certificate not trusted ("},
      {"clear text", false, {}, "550 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Recorder r(secure->port(), true);
    r.c.UseTls = c.tls;
    r.c.AcceptFingerprint = c.fingerprint;
    const std::string error = errorOf([&] { r.c.Connect(); });
    if (c.error.empty()) {
      EXPECT_EQ(error, "(no error)");
      EXPECT_TRUE(r.c.Encrypted());
      continue;
    }
    EXPECT_EQ(error.substr(0, c.error.size()), c.error) << error;
    EXPECT_EQ(r.connects, 0);
    EXPECT_FALSE(r.c.Connected());
    if (c.tls) {
      EXPECT_NE(error.find(fingerprintText(certificateFingerprint(mine)).toStdString()), std::string::npos) << error;
    }
  }
}

// A download whose encrypted connection is closed without TLS's own close
// fails (here the server even calls the file complete), and the local file stays.
TEST(FtpTlsCut, ADownloadCutShortFailsAndKeepsTheLocalFile) {
  const qmtest::FtpServer server(qmtest::FtpServer::Tls::Required, {"--tls-cut", "65536"});
  ASSERT_TRUE(server.running()) << server.error().toStdString();
  writeFile(server.file(QStringLiteral("big.bin")), binaryBytes(1 << 20));
  QTemporaryDir local;
  const QString target = local.filePath(QStringLiteral("big.bin"));
  for (const bool passive : {true, false}) {
    writeFile(target, "before");
    Recorder r(server.port(), passive);
    r.c.UseTls = true;
    r.c.AcceptFingerprint = certificateFingerprint(QSslCertificate::fromPath(server.certificate()).value(0));
    r.c.Connect();
    EXPECT_EQ(errorOf([&] { r.c.Download("big.bin", target); }),
              "The encrypted data connection closed without ending TLS: the data may be incomplete");
    EXPECT_EQ(readFile(target), "before") << passive;
  }
}

// ---------------------------------------------------------------- uploads over the live page

namespace {
// The files of the server's folder besides page.htm (a temporary file shows here).
QStringList besidesPage(const qmtest::FtpServer& s) {
  QStringList names = QDir(s.root()).entryList(QDir::Files | QDir::Hidden);
  names.removeAll(QStringLiteral("page.htm"));
  return names;
}

}  // namespace

// An upload cancelled, killed with its process, or cut off by the server
// leaves the live page byte for byte as it was (a killed one's temporary file
// stays, unlisted); the next complete upload replaces the page and leaves
// nothing beside it.
TEST(FtpUploads, InterruptedUploadsLeaveThePageAsItWas) {
  enum Way { Cancel, Kill, Cut };
  const std::pair<Way, QStringList> ways[] = {{Cancel, {"--read-limit", "65536"}},
                                              {Kill, {"--read-limit", "65536"}},
                                              {Cut, {"--cut-after", "65536"}}};
  const std::string old = "<p>\xf9\xec\xe5\xed</p>\r\n", fresh = binaryBytes(4096);
  QTemporaryDir local;
  const QString big = local.filePath(QStringLiteral("big.htm")), small = local.filePath(QStringLiteral("small.htm"));
  writeFile(big, binaryBytes(1 << 20));
  writeFile(small, fresh);
  for (const auto& [way, options] : ways) {
    qmtest::FtpServer server(options);
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    const QString page = server.file(QStringLiteral("page.htm"));
    const QString temp = server.file(QStringLiteral(".page.htm.quillmark-upload"));
    for (const bool passive : {true, false}) {
      const std::string trace = "way " + std::to_string(way) + (passive ? " passive" : " active");
      writeFile(page, old);
      if (way == Kill) {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QM_FTP_PW"), QString::fromLatin1(qmtest::FtpServer::Password));
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral(QM_QMTOOL),
                   QStringList{"ftp", "--host", "127.0.0.1", "--port", QString::number(server.port()), "--user",
                               qmtest::FtpServer::User, "--password-env", "QM_FTP_PW"} +
                       (passive ? QStringList{"--passive"} : QStringList{}) + QStringList{"put", big, "page.htm"});
        for (int i = 0; i < 1000 && QFileInfo(temp).size() == 0 && readFile(page) == old; ++i) QThread::msleep(10);
        tool.kill();
        tool.waitForFinished(5000);
        EXPECT_TRUE(QFile::exists(temp)) << trace;
        const auto session = std::make_shared<FtpSession>();
        session->Client().Passive = passive;
        session->Connect("127.0.0.1", server.port(), qmtest::FtpServer::User, qmtest::FtpServer::Password);
        EXPECT_EQ(session->Entries(), std::vector<QString>{QStringLiteral("page.htm")}) << trace;
      } else {
        Recorder r(server.port(), passive);
        r.c.Connect();
        if (way == Cancel) r.c.OnPacketSent = [&r](TSocketClient*) { r.c.Abort(); };
        EXPECT_NE(errorOf([&] { r.c.Upload(big, "page.htm"); }), "(no error)") << trace;
        EXPECT_EQ(besidesPage(server), QStringList()) << trace;
      }
      EXPECT_TRUE(readFile(page) == old) << trace;  // (no dump of a megabyte)
      Recorder r(server.port(), passive);
      r.c.Connect();
      r.c.Upload(small, "page.htm");
      EXPECT_TRUE(readFile(page) == fresh) << trace;
      EXPECT_EQ(besidesPage(server), QStringList()) << trace;
    }
  }
}

// A server that will not rename gets the page written directly, said in the
// log, for the rest of the session; one that will not rename onto an existing
// file gets the page deleted just before the rename.
TEST(FtpUploads, ServersThatRefuseTheRename) {
  const std::string notice = toBytes(QString::fromUtf8(kDirectUploadNotice)) + "page.htm";
  const std::pair<QStringList, bool> cases[] = {
      {{"--refuse", "RNFR:502"}, true}, {{"--refuse", "RNTO:550"}, true}, {{"--no-rename-over"}, false}};
  QTemporaryDir local;
  const QString fresh = local.filePath(QStringLiteral("new.htm"));
  writeFile(fresh, "new page");
  for (const auto& [options, fallback] : cases) {
    SCOPED_TRACE(options.join(' ').toStdString());
    qmtest::FtpServer server(options);
    writeFile(server.file(QStringLiteral("page.htm")), "old page");
    Recorder r(server.port(), true);
    std::vector<std::string> log;
    r.c.OnStatus = [&log](TSocketClient*, const std::string& s) { log.push_back(s); };
    r.c.Connect();
    for (int i = 0; i < 2; ++i) r.c.Upload(fresh, "page.htm");
    const auto stores = std::count_if(log.begin(), log.end(), [](const std::string& s) { return s.rfind("STOR ", 0) == 0; });
    EXPECT_EQ(stores, fallback ? 3 : 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), notice), fallback ? 2 : 0);
    EXPECT_EQ(readFile(server.file(QStringLiteral("page.htm"))), "new page");
    EXPECT_EQ(besidesPage(server), QStringList());
  }
}

// A cancel that comes while the complete upload is renamed into place is too
// late to stop it: stopping there could only lose the page or leave its fate unknown.
TEST(FtpUploads, ACancelDuringTheRenameIsTooLate) {
  qmtest::FtpServer server;
  writeFile(server.file(QStringLiteral("page.htm")), "old page");
  const auto session = std::make_shared<FtpSession>();
  session->Connect("127.0.0.1", server.port(), qmtest::FtpServer::User, qmtest::FtpServer::Password);
  session->Client().ReportLevel = 1;
  session->Client().OnStatus = [&session](TSocketClient*, const std::string& s) {
    if (s.rfind("RNTO ", 0) == 0) session->Cancel();
  };
  const FtpSession::Outcome o = session->Upload("new page", QStringLiteral("page.htm"));
  EXPECT_TRUE(o.ok && !o.cancelled) << o.error.toStdString();
  EXPECT_EQ(readFile(server.file(QStringLiteral("page.htm"))), "new page");
}

// ---------------------------------------------------------------- scripted servers

namespace {
std::vector<Step> login() { return qmtest::dialogue({"220 ready", "USER u", "331 pass", "PASS p", "230 in"}); }

// The server's 227 reply, then a LIST whose data is `lines`.
std::vector<Step> listing(const std::vector<std::string>& lines) {
  std::vector<Step> s = qmtest::exchange({"PASV"}) + std::vector<Step>{{Step::Pasv, ""}} +
                        qmtest::exchange({"LIST", "150 Here it comes"});
  for (const auto& l : lines) s.push_back({Step::DataSend, l});
  return s + std::vector<Step>{{Step::DataClose, ""}} + qmtest::dialogue({"226-Done\r\n226 really"});
}

std::unique_ptr<Recorder> clientFor(const ScriptedServer& s, int timeout = 5000) {
  auto r = std::make_unique<Recorder>(s.port(), true, "u", "p");
  r->c.TimeOut = timeout;
  return r;
}
}  // namespace

// A greeting that refuses, never comes, trickles or floods fails within the
// time-out (one second is the sanity margin), the goodbye included; so does,
// when TLS was asked for, a server that refuses it, never finishes the
// handshake or answers it in clear text. The login never goes out.
TEST(FtpScripted, BadGreetingsFailWithinTheTimeOut) {
  const auto tls = qmtest::dialogue({"220 ready", "AUTH TLS"});
  struct Case { bool tls; std::vector<Step> script; std::string error; };
  const Case cases[] = {
      {false, qmtest::dialogue({"421-Busy\r\n421 Too many users", "QUIT", "221 bye"}) + std::vector<Step>{{Step::Close, ""}},
       "421 Too many users"},
      {false, {}, "Socket readln timed out"},
      {false, {{Step::Stream, "220-still here\r\n", 200}}, "Socket readln timed out"},
      {false, {{Step::Stream, "220-" + std::string(1000, 'x') + "\r\n"}}, "Reply longer than 1 MiB"},
      {true, tls + qmtest::dialogue({"500 unknown command", "QUIT", "221 bye"}), "500 unknown command"},
      {true, tls + qmtest::dialogue({"234 go ahead"}), "TLS handshake timed out"},
      {true, tls + std::vector<Step>{{Step::Send, "234 go ahead\r\n"}, {Step::Send, "220 no TLS\r\n"}, {Step::Close, ""}},
       "TLS handshake failed: "},
  };
  for (const auto& c : cases) {
    ScriptedServer server({c.script});
    auto r = clientFor(server, 1200);
    r->c.UseTls = c.tls;
    QElapsedTimer clock;
    clock.start();
    const std::string error = errorOf([&] { r->c.Connect(); });
    EXPECT_EQ(error.substr(0, c.error.size()), c.error) << error;
    EXPECT_LT(clock.elapsed(), 1200 + 1000) << c.error;
    EXPECT_EQ(r->connects, 0);
    for (const auto& line : server.received()) EXPECT_EQ(line.find("USER"), std::string::npos) << c.error;
  }
}

// Only 500 to 502 are offered as unsupported; the failure names the command's kind.
TEST(FtpScripted, FailureRepliesOfCommands) {
  struct Case { const char* command; const char* reply; bool handled; bool unsupported; TCmdType kind; };
  const Case cases[] = {{"SITE X", "500 Syntax error", false, true, TCmdType::DoCommand},
                        {"SITE X", "502 Not implemented", true, true, TCmdType::DoCommand},
                        {"SITE X", "504 Not for that parameter", false, false, TCmdType::DoCommand},
                        {"CWD no-such-folder", "550 No such folder", false, false, TCmdType::ChangeDir}};
  for (const auto& c : cases) {
    ScriptedServer server({login() + qmtest::exchange({c.command, c.reply})});
    auto r = clientFor(server);
    r->handleFailures = c.handled;
    r->c.Connect();
    EXPECT_EQ(errorOf([&] { r->c.DoCommand(c.command); }), c.handled ? "(no error)" : c.reply);
    EXPECT_EQ(r->unsupported.size(), c.unsupported ? 1u : 0u) << c.reply;
    EXPECT_EQ(r->failures, std::vector<TCmdType>{c.kind}) << c.reply;
  }
}

TEST(FtpScripted, ServerTroubleDuringADownload) {
  struct Case { const char* what; Step ending; std::string error; };
  const std::vector<Step> start = login() + qmtest::exchange({"TYPE I", "200 binary", "PASV"}) +
                                  std::vector<Step>{{Step::Pasv, ""}} +
                                  qmtest::exchange({"RETR big.gif", "150 Opening (1000 bytes)"}) +
                                  std::vector<Step>{{Step::DataSend, "0123456789"}, {Step::DataClose, ""}};
  const Case cases[] = {
      {"426", {Step::Send, "426 Connection closed; transfer aborted.\r\n"}, "426 Connection closed; transfer aborted."},
      {"control connection closed", {Step::Close, ""}, "Connection closed by the server"},
      {"226 after a short transfer", {Step::Send, "226 Transfer complete\r\n"},
       "Transfer incomplete: received 10 of 1000 bytes"},
  };
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("big.gif"));
  for (const auto& c : cases) {
    writeFile(target, "previous picture");
    ScriptedServer server({start + std::vector<Step>{c.ending}});
    auto r = clientFor(server, 300);
    r->c.Connect();
    EXPECT_EQ(errorOf([&] { r->c.Download("big.gif", target); }), c.error) << c.what;
    EXPECT_EQ(r->failures, std::vector<TCmdType>{TCmdType::Download}) << c.what;
    // The old file stays, and no partial file is left beside it.
    EXPECT_EQ(readFile(target), "previous picture") << c.what;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << c.what;
  }
}

// Through a firewall the login takes its own form (each kind has its own), and
// passive data connections go to the firewall, not to the 227 reply's 10.0.0.1:
// the server's host is never looked up. Only "220 " or a bare "220" ends the
// multi-line greeting; a 230 without PASS ends the login; listing lines lose one line end.
TEST(FtpScripted, FirewallLogins) {
  const std::pair<TFirewallType, std::vector<std::string>> cases[] = {
      {TFirewallType::FtOpen, {"OPEN real.example", "220 open", "USER u", "331-pw\r\n331 pw", "PASS p", "230 in"}},
      {TFirewallType::FtSite, {"SITE real.example", "200 site", "USER u", "230 in"}},
      {TFirewallType::FTUser,  // with the firewall's own login first
       {"USER fw", "331 fw pw", "PASS fwp", "230 fw ok", "USER u@real.example", "331 pw", "PASS p", "230 in"}},
  };
  for (const auto& [type, login] : cases) {
    ScriptedServer server({qmtest::dialogue({"220-firewall\r\n230 not the end\r\n220"}) + qmtest::exchange(login) +
                           listing({"a.txt\r\n", "\r\n", "lf-only\n"})});
    Recorder r(1, true, "u", "p");
    r.c.Host = "real.example";
    r.c.Proxy = "127.0.0.1";
    r.c.ProxyPort = server.port();
    r.c.FirewallType = type;
    r.c.FWAuthenticate = type == TFirewallType::FTUser;
    r.c.FWUserID = "fw";
    r.c.FWPassword = "fwp";
    r.c.Connect();
    r.c.List();
    EXPECT_EQ(r.items, (std::vector<std::string>{"a.txt", "\r\n", "lf-only"})) << login.front();
    EXPECT_TRUE(server.mismatches().empty()) << login.front();
  }
}

// Every reply class at every step of a login, a passive download and the
// goodbye: the classes a step takes as failure end the operation with that
// reply, the others let it go on to a complete file.
TEST(FtpScripted, EveryReplyClassAtEveryStep) {
  enum At { Greeting, User, Pass, Type, Pasv, Retr, Final, Quit };
  const char* names[] = {"greeting", "USER", "PASS", "TYPE", "PASV", "RETR", "final", "QUIT"};
  // The failing classes of each step; a 400 at USER is a failure too.
  const std::vector<int> failing[] = {{4, 5}, {4, 5}, {4, 5}, {4, 5}, {5}, {3, 4, 5}, {3, 4, 5}, {3, 4, 5}};
  const auto cases = [&] {
    std::vector<std::pair<At, std::string>> out;
    for (int at = Greeting; at <= Quit; ++at)
      for (const char* code : {"150", "250", "350", "450", "550"}) out.emplace_back(static_cast<At>(at), code);
    out.emplace_back(User, "400");
    return out;
  }();
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("f.htm"));
  for (const auto& [at, code] : cases) {
    const bool fails = std::count(failing[at].begin(), failing[at].end(), code[0] - '0') > 0;
    const auto reply = [&, at = at, code = code](At step, const std::string& normal) {
      return step == at ? code + " reply" : normal;
    };
    // The dialogue up to the reply under test; after a failed login the client says goodbye.
    std::vector<Step> s{{Step::Send, reply(Greeting, "220 ready") + "\r\n"}};
    const auto say = [&s](const std::string& expect, const std::string& answer) {
      s = s + qmtest::exchange({expect, answer});
    };
    if (!fails || at > Greeting) say("USER u", reply(User, "331 pass"));
    if ((!fails || at > User) && (at != User || code == "331")) say("PASS p", reply(Pass, "230 in"));
    if (fails && at <= Pass) say("QUIT", "221 bye");
    if (!fails || at > Type) {
      say("TYPE I", reply(Type, "200 binary"));
      s = s + qmtest::exchange({"PASV"}) + std::vector<Step>{{Step::Pasv, at == Pasv ? code : ""}};
      say("RETR f.htm", reply(Retr, "150 Opening"));
      s = s + std::vector<Step>{{Step::DataSend, "content"}, {Step::DataClose, ""},
                                {Step::Send, reply(Final, "226 done") + "\r\n"}};
      say("QUIT", reply(Quit, "221 bye"));
    } else if (at >= Type) {
      say("TYPE I", reply(Type, "200 binary"));
    }
    ScriptedServer server({s});
    auto r = clientFor(server, 1000);
    QFile::remove(target);
    const std::string error = errorOf([&] {
      r->c.Connect();
      r->c.Download("f.htm", target);
      r->c.Disconnect();
    });
    const std::string trace = std::string(names[at]) + " " + code;
    EXPECT_EQ(error.substr(0, 4), fails ? code + " " : "(no ") << trace << ": " << error;
    EXPECT_EQ(readFile(target), fails && at != Quit ? "(missing)" : "content") << trace;
    EXPECT_TRUE(server.mismatches().empty()) << trace << ": " << server.mismatches().front();
  }
}
