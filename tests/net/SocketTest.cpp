#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTcpServer>
#include <QTimer>
#include <algorithm>

#include "NetTestUtil.h"
#include "net/Socket_U.h"
#include "support/ScriptedServer.h"

using namespace qm::net;
using qmtest::ScriptedServer;
using qmtest::Step;

namespace nettest {
int closedPort() {
  QTcpServer s;
  s.listen(QHostAddress(QHostAddress::LocalHost), 0);
  const int port = s.serverPort();
  s.close();
  return port;
}
}  // namespace nettest

namespace {
void aim(TSocketClient& c, const ScriptedServer& s, int timeout = 5000) {
  c.Host = "127.0.0.1";
  c.Port = s.port();
  c.TimeOut = timeout;
}

// One connection that is accepted and never answered.
std::vector<std::vector<Step>> silent() { return {std::vector<Step>{}}; }

std::string errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}
}  // namespace

TEST(Socket, TransactionTakesCodeAndLine) {
  struct Case {
    std::string reply;
    int code;
  };
  const Case cases[] = {
      {"226 Transfer complete\r\n", 226},
      {"550-first of many\n", 550},
      {"  331 indented\r\n", 0},
  };
  for (const auto& c : cases) {
    ScriptedServer server({{{Step::Expect, "HELLO there"}, {Step::Send, c.reply}}});
    TSocketClient client;
    aim(client, server);
    client.Connect();
    EXPECT_EQ(client.Transaction("HELLO there"), c.reply);
    EXPECT_EQ(client.ReplyText, c.reply);
    EXPECT_EQ(client.ReplyCode, c.code) << c.reply;
    EXPECT_TRUE(server.mismatches().empty());
  }
}

TEST(Socket, ServerCloseWithDataWaitingDeliversTheDataFirst) {
  ScriptedServer server({{{Step::Send, "one\r\ntwo\n"}, {Step::Close, ""}}});
  TSocketClient client;
  aim(client, server);
  int disconnects = 0;
  client.OnDisconnect = [&](TSocketClient*) { ++disconnects; };
  client.Connect();
  EXPECT_EQ(client.ReadLn(), "one\r\n");
  EXPECT_TRUE(client.Connected());
  EXPECT_EQ(client.ReadLn(), "two\n");
  EXPECT_EQ(client.ReadLn(), "");
  EXPECT_FALSE(client.Connected());
  EXPECT_EQ(disconnects, 1);
  // A fresh socket is ready for the next connection.
  ScriptedServer again({{{Step::Send, "hi\r\n"}}});
  aim(client, again);
  client.Connect();
  EXPECT_EQ(client.ReadLn(), "hi\r\n");
}

TEST(Socket, MalformedLinesAreErrors) {
  struct Case {
    std::string sent;
    bool restAtClose;
    std::string result;  // the line, or the beginning of the error
  };
  const Case cases[] = {
      {"abc", false, "Connection closed in the middle of a line"},
      {"abc", true, "abc"},
      {std::string(70000, 'x'), false, "Line longer than 65536 bytes"},
      {std::string(70000, 'x') + "\n", false, "Line longer than 65536 bytes"},
      {std::string(65535, 'y') + "\n", false, std::string(65535, 'y') + "\n"},
  };
  for (const auto& c : cases) {
    ScriptedServer server({{{Step::Send, c.sent}, {Step::Close, ""}}});
    TSocketClient client;
    aim(client, server);
    client.Connect();
    std::string got;
    try {
      got = client.ReadLn(c.restAtClose);
    } catch (const ESockError& e) {
      got = e.what();
    }
    EXPECT_EQ(got.substr(0, c.result.size()), c.result) << c.sent.size();
  }
}

TEST(Socket, InvalidHostHandlerMayNameAnotherHost) {
  ScriptedServer server({{{Step::Send, "hi\r\n"}}});
  TSocketClient client;
  aim(client, server);
  client.Host = "nosuch.invalid";
  int calls = 0;
  client.OnInvalidHost = [&](bool& handled) {
    ++calls;
    client.Host = "127.0.0.1";
    handled = true;
  };
  client.Connect();
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(client.Connected());
  EXPECT_THROW(client.Connect(), ESockError);  // already connected
}

TEST(Socket, WaitsEndOnTimeOutAndOnCancel) {
  // A server that accepts and never says anything.
  {
    ScriptedServer server(silent());
    TSocketClient client;
    aim(client, server, 200);
    client.Connect();
    EXPECT_EQ(errorOf([&] { client.ReadLn(); }), "Socket readln timed out");
    EXPECT_FALSE(client.TimedOut);
    EXPECT_EQ(errorOf([&] { client.CaptureString(); }), "Socket capture timed out");
  }
  {
    ScriptedServer server(silent());
    TSocketClient client;
    aim(client, server, 0);
    client.Connect();
    QTimer::singleShot(20, &client, [&] { client.Abort(); });
    try {
      client.ReadLn();
      ADD_FAILURE() << "ReadLn returned";
    } catch (const EAbortError& e) {
      EXPECT_STREQ(e.what(), "Socket readln aborted");
    }
    EXPECT_FALSE(client.CancelRequested);
    QTimer::singleShot(20, &client, [&] { client.Abort(); });
    EXPECT_EQ(errorOf([&] { client.Read(10); }), "Socket send aborted");
  }
}

TEST(Socket, StatusTextsFollowTheReportLevel) {
  struct Case {
    int level;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  };
  const Case cases[] = {
      {0, {}, {"Connecting", "Sending Buffer", "200 fine\r\n"}},
      {1, {"200 fine\r\n"}, {"Sending Buffer", "Transaction"}},
      {4, {"200 fine\r\n", "Sending Buffer"}, {"Write", "Connecting"}},
      {8,
       {"Connecting", "Resolve Host", "Timer On", "Timer Off", "Transaction", "Writeln", "Write", "Sending Buffer",
        "ReadLn", "200 fine\r\n"},
       {}},
  };
  for (const auto& c : cases) {
    ScriptedServer server({{{Step::Expect, "CMD"}, {Step::Send, "200 fine\r\n"}}});
    TSocketClient client;
    aim(client, server);
    client.ReportLevel = c.level;
    std::vector<std::string> seen;
    client.OnStatus = [&](TSocketClient*, const std::string& s) { seen.push_back(s); };
    client.Connect();
    client.Transaction("CMD");
    for (const auto& s : c.present)
      EXPECT_NE(std::find(seen.begin(), seen.end(), s), seen.end()) << c.level << " lacks " << s;
    for (const auto& s : c.absent)
      EXPECT_EQ(std::find(seen.begin(), seen.end(), s), seen.end()) << c.level << " has " << s;
    if (!seen.empty()) {
      EXPECT_EQ(client.LastStatus, seen.back());
    }
  }
}

TEST(Socket, ErrorsCarryNumbersAndTexts) {
  TSocketClient client;
  int number = 0;
  std::string text;
  client.OnError = [&](TSocketClient*, int n, const std::string& m) {
    number = n;
    text = m;
  };
  EXPECT_EQ(errorOf([&] { client.Write("x"); }), "10057:Socket is not connected");
  EXPECT_EQ(number, 10057);
  EXPECT_EQ(text, "10057:Socket is not connected");

  // The connection check: "Not Connected" unless a handler connects.
  EXPECT_EQ(errorOf([&] { client.CheckConnection(); }), "Not Connected");
  ScriptedServer server(silent());
  aim(client, server);
  int required = 0;
  client.OnConnectionRequired = [&](bool& handled) {
    ++required;
    client.Connect();
    handled = true;
  };
  client.CheckConnection();
  EXPECT_EQ(required, 1);
  EXPECT_TRUE(client.Connected());
}

// Listening and accepting carry the active-mode FTP transfers; here only the wait for a caller.
TEST(Socket, AcceptTimesOutWithoutACaller) {
  TSocketClient lonely;
  lonely.TimeOut = 100;
  lonely.Listen("127.0.0.1");
  EXPECT_GT(lonely.ListeningPort(), 0);
  EXPECT_EQ(errorOf([&] { lonely.Accept(); }), "Accepting Timed out");
}

TEST(Socket, ServerCloseOfAnIdleConnectionIsNoticed) {
  ScriptedServer server({{{Step::Close, ""}}});
  TSocketClient client;
  aim(client, server);
  int connects = 0, disconnects = 0;
  QEventLoop idle;
  client.OnConnect = [&](TSocketClient*) { ++connects; };
  client.OnDisconnect = [&](TSocketClient*) {
    ++disconnects;
    idle.quit();
  };
  client.Connect();
  EXPECT_EQ(connects, 1);
  // Nothing is waiting on the socket: the close arrives through the event loop alone.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &idle, &QEventLoop::quit);
  guard.start(5000);
  if (client.Connected()) idle.exec();
  EXPECT_EQ(disconnects, 1);
  EXPECT_FALSE(client.Connected());
}
