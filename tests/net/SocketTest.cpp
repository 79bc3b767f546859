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
using nettest::errorOf;

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
// A client connected to the server's first connection.
void connectTo(TSocketClient& c, const ScriptedServer& s, int timeout = 5000) {
  c.Host = "127.0.0.1";
  c.Port = s.port();
  c.TimeOut = timeout;
  c.Connect();
}

// One connection that is accepted and never answered.
std::vector<std::vector<Step>> silent() { return {std::vector<Step>{}}; }

}  // namespace

TEST(Socket, TransactionTakesCodeAndLine) {
  for (const auto& [reply, code] : std::vector<std::pair<std::string, int>>{{"550-first of many\n", 550},
                                                                            {"  331 indented\r\n", 0}}) {
    ScriptedServer server({{{Step::Expect, "HELLO there"}, {Step::Send, reply}}});
    TSocketClient client;
    connectTo(client, server);
    EXPECT_EQ(client.Transaction("HELLO there"), reply);
    EXPECT_EQ(client.ReplyCode, code) << reply;
    EXPECT_TRUE(server.mismatches().empty());
  }
}

TEST(Socket, ServerCloseWithDataWaitingDeliversTheDataFirst) {
  ScriptedServer server({{{Step::Send, "one\r\ntwo\n"}, {Step::Close, ""}}});
  TSocketClient client;
  int disconnects = 0;
  client.OnDisconnect = [&](TSocketClient*) { ++disconnects; };
  connectTo(client, server);
  EXPECT_EQ(client.ReadLn(), "one\r\n");
  EXPECT_EQ(client.ReadLn(), "two\n");
  EXPECT_EQ(client.ReadLn(), "");
  EXPECT_FALSE(client.Connected());
  EXPECT_EQ(disconnects, 1);
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
      {std::string(65535, 'y') + "\n", false, std::string(65535, 'y') + "\n"},
  };
  for (const auto& c : cases) {
    ScriptedServer server({{{Step::Send, c.sent}, {Step::Close, ""}}});
    TSocketClient client;
    connectTo(client, server);
    std::string got;
    try {
      got = client.ReadLn(c.restAtClose);
    } catch (const ESockError& e) {
      got = e.what();
    }
    EXPECT_EQ(got.substr(0, c.result.size()), c.result) << c.sent.size();
  }
}

TEST(Socket, WaitsEndOnTimeOutAndOnCancel) {
  {
    ScriptedServer server(silent());
    TSocketClient client;
    connectTo(client, server, 200);
    EXPECT_EQ(errorOf([&] { client.ReadLn(); }), "Socket readln timed out");
    EXPECT_EQ(errorOf([&] { client.CaptureString(); }), "Socket capture timed out");
  }
  ScriptedServer server(silent());
  TSocketClient client;
  connectTo(client, server, 0);
  QTimer::singleShot(20, &client, [&] { client.Abort(); });
  EXPECT_THROW(client.ReadLn(), EAbortError);
  EXPECT_FALSE(client.CancelRequested);
}

// One representative status check: the report level decides what is shown.
TEST(Socket, StatusTextsFollowTheReportLevel) {
  ScriptedServer server({{{Step::Expect, "CMD"}, {Step::Send, "200 fine\r\n"}}});
  TSocketClient client;
  client.ReportLevel = 1;
  std::vector<std::string> seen;
  client.OnStatus = [&](TSocketClient*, const std::string& s) { seen.push_back(s); };
  connectTo(client, server);
  client.Transaction("CMD");
  EXPECT_EQ(seen, std::vector<std::string>{"200 fine\r\n"});
}

TEST(Socket, ErrorsCarryNumbersAndTexts) {
  TSocketClient client;
  int number = 0;
  client.OnError = [&](TSocketClient*, int n, const std::string&) { number = n; };
  EXPECT_EQ(errorOf([&] { client.Write("x"); }), "10057:Socket is not connected");
  EXPECT_EQ(number, 10057);
  EXPECT_EQ(errorOf([&] { client.CheckConnection(); }), "Not Connected");
}

// Listening and accepting carry the active-mode FTP transfers; here only the wait for a caller.
TEST(Socket, AcceptTimesOutWithoutACaller) {
  TSocketClient lonely;
  lonely.TimeOut = 100;
  lonely.Listen("127.0.0.1");
  EXPECT_EQ(errorOf([&] { lonely.Accept(); }), "Accepting Timed out");
}

TEST(Socket, ServerCloseOfAnIdleConnectionIsNoticed) {
  ScriptedServer server({{{Step::Close, ""}}});
  TSocketClient client;
  QEventLoop idle;
  client.OnDisconnect = [&](TSocketClient*) { idle.quit(); };
  connectTo(client, server);
  // Nothing is waiting on the socket: the close arrives through the event loop alone.
  QTimer::singleShot(5000, &idle, &QEventLoop::quit);
  if (client.Connected()) idle.exec();
  EXPECT_FALSE(client.Connected());
}
