#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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
  QStringList login(bool passive) const {
    QStringList a = {QStringLiteral("ftp"),   QStringLiteral("--host"),         QStringLiteral("127.0.0.1"),
                     QStringLiteral("--port"), QString::number(server.port()), QStringLiteral("--user"),
                     QString::fromLatin1(qmtest::FtpServer::User), QStringLiteral("--password-env"),
                     QStringLiteral("QM_FTP_PW")};
    if (passive) a << QStringLiteral("--passive");
    return a;
  }
  qmtest::FtpServer server;
  QTemporaryDir local;
};

TEST_F(QmtoolFtp, ListLogsLikeTheWindow) {
  QFile f(server.file(QStringLiteral("index.htm")));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  for (const bool passive : {true, false}) {
    const auto r = qmtool(login(passive) << QStringLiteral("ls"));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "index.htm\n")) << r.out;
    for (const char* line : {"QX>Connect\n", "QX<PASS \n", "QX<Connected to 127.0.0.1(127.0.0.1) !\n",
                             "QX>ls (refresh)\n", "QX< List success.\n", "QX<Disconnected!\n"})
      EXPECT_TRUE(has(r.err, line)) << line << " missing from\n" << r.err;
    EXPECT_FALSE(has(r.err, qmtest::FtpServer::Password));
  }
}

TEST_F(QmtoolFtp, PutThenGetRoundTrip) {
  std::string bytes;
  for (int i = 0; i < 70000; ++i) bytes += static_cast<char>((i * 7) & 0xFF);
  const QString up = local.filePath(QStringLiteral("pic.gif"));
  const QString down = local.filePath(QStringLiteral("back.gif"));
  {
    QFile f(up);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  auto put = qmtool(login(true) << QStringLiteral("put") << up);
  EXPECT_EQ(put.exitCode, 0) << put.err;
  EXPECT_TRUE(has(put.err, "QX< Upload success.")) << put.err;
  auto get = qmtool(login(false) << QStringLiteral("get") << QStringLiteral("pic.gif") << down);
  EXPECT_EQ(get.exitCode, 0) << get.err;
  EXPECT_TRUE(has(get.err, "QX<Received 70000 Bytes")) << get.err;
  QFile back(down);
  ASSERT_TRUE(back.open(QIODevice::ReadOnly));
  EXPECT_EQ(back.readAll().toStdString(), bytes);
}

TEST_F(QmtoolFtp, BadInputAndFailuresExitNonZero) {
  struct Case {
    QStringList args;
    std::string message;
  };
  const QString port = QString::number(server.port());
  const Case cases[] = {
      {{"ftp", "ls"}, "qmtool: ftp: --host is required"},
      {{"ftp", "--host", "127.0.0.1", "--port", "x", "ls"}, "qmtool: ftp: --port needs a number"},
      {{"ftp", "--host", "127.0.0.1", "--port", port, "dance"}, "qmtool: ftp: unknown operation dance"},
      {{"ftp", "--host", "127.0.0.1", "--port", port, "get"}, "qmtool: ftp: wrong arguments for get"},
      {{"ftp", "--host", "127.0.0.1", "--password-env", "QM_NOT_SET_ANYWHERE", "ls"},
       "qmtool: ftp: environment variable QM_NOT_SET_ANYWHERE is not set"},
      {{"ftp", "--host", "127.0.0.1", "--port", port, "--user", "tester", "ls"}, "qmtool: ftp ls: 530 "},
      {login(true) << "get" << "no-such-file" << local.filePath("x"), "qmtool: ftp get: 550 "},
      {{"ftp", "--host", "nosuch.invalid", "ls"}, "qmtool: ftp ls: Null Remote Address"},
  };
  for (const auto& c : cases) {
    const auto r = qmtool(c.args);
    EXPECT_NE(r.exitCode, 0) << c.args.join(' ').toStdString();
    EXPECT_TRUE(has(r.err, c.message)) << c.message << " not in\n" << r.err;
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
  EXPECT_EQ(server.received().front(), "GET /update.dat HTTP/1.0");

  const auto missing = nettest::runProcess(QStringLiteral(QM_QMTOOL), {QStringLiteral("http-get"), url});
  EXPECT_NE(missing.exitCode, 0);
  EXPECT_EQ(missing.out, "gone");
  EXPECT_TRUE(has(missing.err, "qmtool: http-get: the server answered 404")) << missing.err;

  for (const char* bad : {"https://127.0.0.1/x", ""}) {
    const auto r = nettest::runProcess(QStringLiteral(QM_QMTOOL), {QStringLiteral("http-get"), QString::fromLatin1(bad)});
    EXPECT_NE(r.exitCode, 0) << bad;
    EXPECT_TRUE(has(r.err, "qmtool: http-get: ")) << r.err;
  }
}
