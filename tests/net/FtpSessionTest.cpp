// The publishing window's session against scripted FTP servers on 127.0.0.1.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include "NetTestUtil.h"
#include "net/FtpClient_U.h"
#include "net/FtpSession.h"
#include "support/ScriptedServer.h"

using namespace qm::net;
using qmtest::ScriptedServer;
using qmtest::Step;

namespace {

std::vector<Step> login() { return qmtest::dialogue({"220 ready", "USER u", "331 pass", "PASS p", "230 in"}); }

// PWD, then a passive LIST whose data connection carries `data`, then `after`.
std::vector<Step> listing(const std::vector<std::string>& data, const std::vector<Step>& after) {
  std::vector<Step> s = qmtest::exchange({"PWD", "257 \"/site\"", "PASV"}) + std::vector<Step>{{Step::Pasv, ""}} +
                        qmtest::exchange({"LIST", "150 Here it comes"});
  for (const auto& d : data) s.push_back({Step::DataSend, d});
  return s + after;
}
const std::vector<Step> kDone{{Step::DataClose, ""}, {Step::Send, "226 Done\r\n"}};

struct Session {
  std::shared_ptr<FtpSession> s = std::make_shared<FtpSession>();
  explicit Session(int timeOut = 3000) {
    s->Client().Passive = true;
    s->Client().TimeOut = timeOut;
  }
  FtpSession::Outcome connect(const ScriptedServer& server) {
    return s->Connect("127.0.0.1", server.port(), "u", "p");
  }
  std::vector<std::string> entries() const {
    std::vector<std::string> out;
    for (const QString& e : s->Entries()) out.push_back(e.toStdString());
    return out;
  }
};

}  // namespace

// Whatever the server does with the first listing, the session ends in a state
// the window can show: connected with the complete lines, sorted; or
// disconnected, nothing listed, and a second connection works.
TEST(FtpSession, FirstListingAndDrops) {
  const std::vector<std::string> unsorted{"-rw-r--r-- 1 u g 9 Jan 1 10:00 b.htm\r\n", "\r\n", "  \r\n",
                                          "drwxr-xr-x 2 u g 512 Jan 1 10:00 docs\r\n", "A.htm\r\n", "a.gif\r\n"};
  struct Case {
    const char* what;
    std::vector<Step> script;
    bool connected;
    std::vector<std::string> entries;
  } cases[] = {
      {"sorted without regard to case, folders first, empty lines left out", login() + listing(unsorted, kDone), true,
       {"/docs", "a.gif", "A.htm", "b.htm"}},
      {"a last line without its line end counts once the listing is confirmed",
       login() + listing({"one\r\n", "two"}, kDone), true, {"one", "two"}},
      {"... and not when the server reports a failure",
       login() + listing({"one\r\n", "tw"}, {{Step::DataClose, ""}, {Step::Send, "426 Aborted\r\n"}}), true, {"one"}},
      {"dropped during the listing", login() + listing({"one\r\n", "tw"}, {{Step::DataClose, ""}, {Step::Close, ""}}),
       false, {}},
      {"dropped right after the login", login() + std::vector<Step>{{Step::Close, ""}}, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedServer server({c.script, login() + listing({"again\r\n"}, kDone)});
    Session t;
    int changes = 0;
    t.s->OnChange = [&] { ++changes; };
    t.connect(server);
    EXPECT_EQ(t.s->Connected(), c.connected);
    EXPECT_EQ(t.s->State(), c.connected ? FtpSession::Link::Connected : FtpSession::Link::Disconnected);
    EXPECT_EQ(t.entries(), c.entries);
    EXPECT_GT(changes, 0);
    if (c.connected) continue;
    EXPECT_TRUE(t.s->Dir().isEmpty());
    EXPECT_TRUE(t.s->Connect("127.0.0.1", server.port(), "u", "p").ok);
    EXPECT_EQ(t.entries(), std::vector<std::string>{"again"});
    EXPECT_EQ(t.s->Dir(), QStringLiteral("/site"));
  }
}

// A name from the listing with a control character in it never reaches the
// server as part of a command: "RETR a\r\nDELE index.htm" would be two.
TEST(FtpSession, NamesWithControlCharactersAreRefused) {
  const std::string evil = "a\r\nDELE index.htm";
  ScriptedServer server({login() + listing({"-rw-r--r-- 1 u g 9 Jan 1 10:00 a\rDELE index.htm\r\n"}, kDone) +
                         std::vector<Step>{{Step::Expect, "QUIT"}, {Step::Send, "221 bye\r\n"}}});
  Session t;
  t.connect(server);
  ASSERT_EQ(t.s->Entries().size(), 1u);
  QTemporaryDir dir;
  std::string bytes;
  const FtpSession::Outcome outcomes[] = {
      t.s->Download(t.s->Entries().front(), bytes),
      t.s->DownloadTo(QString::fromLatin1(evil.c_str()), dir.filePath(QStringLiteral("x"))),
      t.s->Upload("page", QString::fromLatin1(evil.c_str())),
      t.s->Enter(QStringLiteral("/a\nDELE x")),
  };
  for (const auto& o : outcomes) {
    EXPECT_TRUE(o.badName && !o.ok);
    EXPECT_TRUE(o.error.startsWith(QStringLiteral("Name holds a control character: "))) << o.error.toStdString();
  }
  // The client itself refuses such a command too.
  EXPECT_EQ(nettest::errorOf([&] { t.s->Client().DoCommand("DELE " + evil); }),
            "Name holds a control character: DELE a\\r\\nDELE index.htm");
  t.s->Disconnect();
  EXPECT_TRUE(server.mismatches().empty()) << server.mismatches().front();
}

// A server that sends a byte now and then fails the listing once less than the
// floor arrives in its window, however long each byte keeps the idle time-out
// away; so does a download.
TEST(FtpSession, TricklingServersFailAtTheRateFloor) {
  const std::vector<Step> trickle{{Step::DataStream, "x\r\n", 50}};
  const std::vector<Step> download = qmtest::exchange({"TYPE I", "200 binary", "PASV"}) +
                                     std::vector<Step>{{Step::Pasv, ""}} +
                                     qmtest::exchange({"RETR big.htm", "150 Opening (100000 bytes)"}) + trickle;
  for (const bool list : {true, false}) {
    SCOPED_TRACE(list ? "listing" : "download");
    ScriptedServer server({login() + (list ? listing({}, trickle) : listing({}, kDone) + download)});
    Session t(500);
    t.s->Client().MinRateBytes = 100;
    t.s->Client().MinRateMs = 400;
    QTemporaryDir dir;
    QTimer guard;  // the idle time-out alone would never end it
    QObject::connect(&guard, &QTimer::timeout, [&t] { t.s->Cancel(); });
    guard.start(10000);
    // (Connecting lists the first folder.)
    FtpSession::Outcome o = t.connect(server);
    if (!list) o = t.s->DownloadTo(QStringLiteral("big.htm"), dir.filePath(QStringLiteral("big.htm")));
    EXPECT_FALSE(o.ok || o.cancelled);
    EXPECT_EQ(o.error.toStdString(), "Transfer too slow: less than 100 bytes in 400 ms");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
  }
}

// Told to quit in the middle of a download (the end of a desktop session),
// the session gives it up at once as cancelled and leaves no file behind.
TEST(FtpSession, QuittingEndsATransfer) {
  ScriptedServer server({login() + listing({}, kDone) + qmtest::exchange({"TYPE I", "200 binary", "PASV"}) +
                         std::vector<Step>{{Step::Pasv, ""}} + qmtest::exchange({"RETR big.htm", "150 Opening"}) +
                         std::vector<Step>{{Step::DataStream, "data", 20}}});
  Session t;
  t.connect(server);
  t.s->Client().OnPacketRecvd = [](TSocketClient*) { QCoreApplication::exit(0); };
  QTemporaryDir dir;
  const FtpSession::Outcome o = t.s->DownloadTo(QStringLiteral("big.htm"), dir.filePath(QStringLiteral("big.htm")));
  // The application's own loop clears the quit again.
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
  EXPECT_TRUE(o.cancelled);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}
