#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <tuple>

#include "NetTestUtil.h"
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

}  // namespace

class QmtoolFtp : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.running()) << server.error().toStdString(); }
  QStringList login() const {
    return {QStringLiteral("ftp"),   QStringLiteral("--host"),         QStringLiteral("127.0.0.1"),
            QStringLiteral("--port"), QString::number(server.port()), QStringLiteral("--user"),
            QString::fromLatin1(qmtest::FtpServer::User), QStringLiteral("--password-env"),
            QStringLiteral("QM_FTP_PW"), QStringLiteral("--passive")};
  }
  qmtest::FtpServer server;
  QTemporaryDir local;
};

TEST_F(QmtoolFtp, PutListGetRoundTrip) {
  const std::string bytes("GIF89a\r\n\0\xff\n", 10);
  const QString up = local.filePath(QStringLiteral("pic.gif"));
  const QString down = local.filePath(QStringLiteral("back.gif"));
  ASSERT_TRUE(nettest::writeFile(up, bytes));
  EXPECT_EQ(qmtool(login() << QStringLiteral("put") << up).exitCode, 0);
  const auto ls = qmtool(login() << QStringLiteral("ls"));
  EXPECT_TRUE(has(ls.out, "pic.gif\n")) << ls.out;
  // The log is written like the window's, without the password.
  EXPECT_TRUE(has(ls.err, "QX< List success.\n")) << ls.err;
  EXPECT_FALSE(has(ls.err, qmtest::FtpServer::Password));
  EXPECT_EQ(qmtool(login() << QStringLiteral("get") << QStringLiteral("pic.gif") << down).exitCode, 0);
  EXPECT_EQ(nettest::readFile(down), bytes);
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
    const auto r = qmtool({"ftp", "--host", "127.0.0.1", "--port", QString::number(server.port()), "--user", "tester",
                           "--password-env", "QM_FTP_PW", "--passive", "--timeout", "1200", "get", "a.txt",
                           dir.filePath(QStringLiteral("a.txt"))});
    EXPECT_LT(clock.elapsed(), 1200 + 1000) << log;
    EXPECT_EQ(r.exitCode, exitCode) << r.err;
    EXPECT_TRUE(has(r.err, log)) << r.err;
    EXPECT_EQ(nettest::readFile(dir.filePath(QStringLiteral("a.txt"))), exitCode == 0 ? "hello" : "(missing)");
  }
}

TEST(QmtoolHttp, GetPrintsHeadersAndBody) {
  ScriptedServer server({{{Step::ReadRequest, ""},
                          {Step::Send, "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n205"},
                          {Step::Close, ""}},
                         {{Step::ReadRequest, ""}, {Step::Send, "HTTP/1.0 404 Not Found\r\n\r\ngone"}, {Step::Close, ""}}});
  const QString url = QStringLiteral("http://127.0.0.1:%1/update.dat").arg(server.port());
  const auto ok = nettest::runProcess(QStringLiteral(QM_QMTOOL), {QStringLiteral("http-get"), url});
  EXPECT_EQ(ok.exitCode, 0) << ok.err;
  EXPECT_EQ(ok.out, "205");
  EXPECT_EQ(ok.err, "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n");

  const auto missing = nettest::runProcess(QStringLiteral(QM_QMTOOL), {QStringLiteral("http-get"), url});
  EXPECT_NE(missing.exitCode, 0);
  EXPECT_TRUE(has(missing.err, "qmtool: http-get: the server answered 404")) << missing.err;
}

TEST(QmtoolHttp, CheckUpdateSaysWhatTheWindowWould) {
  const struct {
    std::string reply;
    int exitCode;
    std::string out;
  } cases[] = {
      {"HTTP/1.0 200 OK\r\n\r\n205\r\n", 0, "Quillmark V2.5\n"}, {"HTTP/1.0 200 OK\r\n\r\n150", 0, "הגירסה שברשותך היא העדכנית ביותר\n"},
      {"HTTP/1.0 200 OK\r\n\r\nv151", 1, "קובץ העדכונים באתר אינו תקין\n"},
  };
  for (const auto& c : cases) {
    ScriptedServer server({{{Step::ReadRequest, ""}, {Step::Send, c.reply}, {Step::Close, ""}}});
    const QString site = QStringLiteral("http://127.0.0.1:%1/").arg(server.port());
    const auto r = nettest::runProcess(QStringLiteral(QM_QMTOOL), {QStringLiteral("check-update"), site});
    EXPECT_EQ(r.exitCode, c.exitCode) << c.reply << r.err;
    EXPECT_EQ(r.out, c.out) << c.reply;
    EXPECT_EQ(server.received().front(), "GET /update.dat HTTP/1.0");
  }
}
