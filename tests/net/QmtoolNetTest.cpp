#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <tuple>

#include <QSslCertificate>

#include "NetTestUtil.h"
#include "net/Socket_U.h"
#include "support/FtpServer.h"
#include "support/ScriptedServer.h"

using qmtest::ScriptedServer;
using qmtest::Step;

namespace {

nettest::ProcessResult qmtool(const QStringList& args) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QM_FTP_PW"), QString::fromLatin1(qmtest::FtpServer::Password));
  return nettest::runProcess(QStringLiteral(QM_QMTOOL), args, env);
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The options of a passive login as the test user on 127.0.0.1:port, then `rest`.
QStringList ftpArgs(int port, const QStringList& rest) {
  return QStringList{"ftp", "--host", "127.0.0.1", "--port", QString::number(port), "--user",
                     qmtest::FtpServer::User, "--password-env", "QM_FTP_PW", "--passive"} + rest;
}

// One HTTP connection: read the request, answer, close.
std::vector<Step> answer(const std::string& reply) {
  return {{Step::ReadRequest, ""}, {Step::Send, reply}, {Step::Close, ""}};
}

}  // namespace

class QmtoolFtp : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.running()) << server.error().toStdString(); }
  qmtest::FtpServer server;
  QTemporaryDir local;
};

TEST_F(QmtoolFtp, PutListGetRoundTrip) {
  const std::string bytes("GIF89a\r\n\0\xff\n", 10);
  const QString up = local.filePath(QStringLiteral("pic.gif"));
  const QString down = local.filePath(QStringLiteral("back.gif"));
  ASSERT_TRUE(nettest::writeFile(up, bytes));
  // --direct writes the target itself: no temporary file renamed over it.
  const auto put = qmtool(ftpArgs(server.port(), {"--direct", "put", up}));
  EXPECT_EQ(put.exitCode, 0) << put.err;
  EXPECT_FALSE(has(put.err, "RNFR")) << put.err;
  const auto ls = qmtool(ftpArgs(server.port(), {"ls"}));
  EXPECT_TRUE(has(ls.out, "pic.gif\n")) << ls.out;
  // The log is written like the window's, without the password.
  EXPECT_TRUE(has(ls.err, "QX< List success.\n")) << ls.err;
  EXPECT_FALSE(has(ls.err, qmtest::FtpServer::Password));
  EXPECT_EQ(qmtool(ftpArgs(server.port(), {"get", "pic.gif", down})).exitCode, 0);
  EXPECT_EQ(nettest::readFile(down), bytes);
  // The log's Hebrew (here: a server that cannot rename) reaches the terminal as UTF-8.
  qmtest::FtpServer noRename({QStringLiteral("--refuse"), QStringLiteral("RNFR:502")});
  const auto fallback = qmtool(ftpArgs(noRename.port(), {"put", up}));
  EXPECT_EQ(fallback.exitCode, 0) << fallback.err;
  EXPECT_TRUE(has(fallback.err, "\xD7\xA9\xD7\x99\xD7\xA0\xD7\x95\xD7\x99 \xD7\xA9\xD7\x9D")) << fallback.err;  // "שינוי שם"
}

TEST_F(QmtoolFtp, BadInputAndFailuresExitNonZero) {
  struct Case { QStringList args; std::string message; };
  const Case cases[] = {
      {{"ftp", "ls"}, "qmtool: ftp: --host is required"},
      {{"ftp", "--host", "127.0.0.1", "get", "site/"}, "qmtool: ftp: get: site/ names a folder; give a local file name"},
      {{"ftp", "--host", "127.0.0.1", "--port", QString::number(server.port()), "--user", "tester", "ls"},
       "qmtool: ftp ls: 530 "},
  };
  for (const auto& c : cases) {
    const auto r = qmtool(c.args);
    EXPECT_NE(r.exitCode, 0) << c.args.join(' ').toStdString();
    EXPECT_TRUE(has(r.err, c.message)) << c.message << " not in\n" << r.err;
  }
}

// Over TLS the certificate must verify against the given file, or be the one
// of the given fingerprint; otherwise the command says so, with the fingerprint.
TEST(QmtoolFtpTls, CertificateChoices) {
  const qmtest::FtpServer server(qmtest::FtpServer::Tls::Required);
  ASSERT_TRUE(server.running()) << server.error().toStdString();
  nettest::writeFile(server.file(QStringLiteral("a.htm")), "x");
  const QString fingerprint = qm::net::fingerprintText(
      qm::net::certificateFingerprint(QSslCertificate::fromPath(server.certificate()).value(0)));
  struct Case { QStringList options; int exitCode; std::string says; };
  const Case cases[] = {
      {{"--tls"}, 1, "qmtool: ftp ls: Certificate not trusted ("},
      {{"--tls", "--ca-file", server.certificate()}, 0, "QX<Session encrypted (TLSv1."},
      {{"--tls", "--fingerprint", fingerprint.toLower()}, 0, "QX<Session encrypted (TLSv1."},
  };
  for (const auto& c : cases) {
    const auto r = qmtool(ftpArgs(server.port(), c.options + QStringList{"ls"}));
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    EXPECT_TRUE(has(r.err, c.says)) << c.says << " not in\n" << r.err;
    EXPECT_EQ(has(r.out, "a.htm"), c.exitCode == 0) << r.out;
    if (c.options.size() == 1) {
      EXPECT_TRUE(has(r.err, fingerprint.toStdString())) << r.err;
    }
  }
}

// After a saved download a QUIT left unanswered is only logged; a stalled data
// connection fails within the time-out (one second of margin), the goodbye included.
TEST(QmtoolFtpScripted, EndsOfADownload) {
  const auto start = qmtest::dialogue({"220 hi", "USER tester", "230 in", "TYPE I", "200 binary", "PASV"}) +
                     std::vector<Step>{{Step::Pasv, ""}} + qmtest::exchange({"RETR a.txt", "150 here"}) +
                     std::vector<Step>{{Step::DataSend, "hello"}};
  // How the script ends, the exit code and a line of the log.
  const std::tuple<std::vector<Step>, int, std::string> cases[] = {
      {{{Step::DataClose, ""}, {Step::Send, "226 done\r\n"}}, 0, "QX<QUIT not answered: Socket readln timed out"},
      {{}, 1, "qmtool: ftp get: Socket capture timed out"},
  };
  for (const auto& [end, exitCode, log] : cases) {
    ScriptedServer server({start + end});
    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    const auto r = qmtool(ftpArgs(server.port(), {"--timeout", "1200", "get", "a.txt", dir.filePath("a.txt")}));
    EXPECT_LT(clock.elapsed(), 1200 + 1000) << log;
    EXPECT_EQ(r.exitCode, exitCode) << r.err;
    EXPECT_TRUE(has(r.err, log)) << r.err;
    EXPECT_EQ(nettest::readFile(dir.filePath(QStringLiteral("a.txt"))), exitCode == 0 ? "hello" : "(missing)");
  }
}

TEST(QmtoolHttp, GetPrintsHeadersAndBody) {
  ScriptedServer server({answer("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n205"),
                         answer("HTTP/1.0 404 Not Found\r\n\r\ngone")});
  const QString url = QStringLiteral("http://127.0.0.1:%1/update.dat").arg(server.port());
  const auto ok = qmtool({"http-get", url});
  EXPECT_EQ(ok.exitCode, 0) << ok.err;
  EXPECT_EQ(ok.out, "205");
  EXPECT_EQ(ok.err, "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n");

  const auto missing = qmtool({"http-get", url});
  EXPECT_NE(missing.exitCode, 0);
  EXPECT_TRUE(has(missing.err, "qmtool: http-get: the server answered 404")) << missing.err;
}

// The answers themselves are read as the window reads them (the update check's
// tests); here what the command prints and its exit code.
TEST(QmtoolHttp, CheckUpdateSaysWhatTheWindowWould) {
  // The version file, the exit code and what is printed.
  const std::tuple<std::string, int, std::string> cases[] = {
      {"205\r\n", 0, "Quillmark V2.5\n"}, {"v151", 1, "קובץ העדכונים באתר אינו תקין\n"}};
  for (const auto& [body, exitCode, out] : cases) {
    ScriptedServer server({answer("HTTP/1.0 200 OK\r\n\r\n" + body)});
    const auto r = qmtool({"check-update", QStringLiteral("http://127.0.0.1:%1/").arg(server.port())});
    EXPECT_EQ(r.exitCode, exitCode) << body << r.err;
    EXPECT_EQ(r.out, out) << body;
    EXPECT_EQ(server.received().front(), "GET /update.dat HTTP/1.0");
  }
}
