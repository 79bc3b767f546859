#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTcpServer>
#include <QTimer>
#include <algorithm>
#include <functional>

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

}  // namespace

// Lines up to the server's close: what is waiting is delivered first, then an
// empty line; the close is reported once. Results are joined with "|".
TEST(Socket, LinesUntilTheServerCloses) {
  // lines: the lines received, or the error
  struct Case { std::string sent; bool restAtClose; std::string lines; };
  const Case cases[] = {
      {"abc", false, "Connection closed in the middle of a line: abc"},
      {"abc", true, "abc||"},
      {std::string(65535, 'y') + "\n", false, std::string(65535, 'y') + "\n||"},
  };
  for (const auto& c : cases) {
    ScriptedServer server({{{Step::Send, c.sent}, {Step::Close, ""}}});
    TSocketClient client;
    int disconnects = 0;
    client.OnDisconnect = [&](TSocketClient*) { ++disconnects; };
    connectTo(client, server);
    std::string got;
    try {
      for (std::string line = "-"; !line.empty(); got += line + "|") line = client.ReadLn(c.restAtClose);
    } catch (const ESockError& e) {
      got = e.what();
    }
    EXPECT_EQ(got, c.lines);
    EXPECT_EQ(disconnects, 1) << c.lines;
  }
}

// Each wait ends by itself (a failure or its time-out, where loopback can reach
// one) and on a cancel that comes as it begins: an EAbortError naming the wait.
TEST(Socket, EveryWaitEndsOnTimeOutAndOnCancel) {
  struct Case {
    bool connected;  // the wait runs on an established connection
    std::function<void(TSocketClient&)> wait;
    const char* ends;  // without a cancel, after 200 ms at most; nullptr: not reached on loopback
    const char* aborted;
  };
  const Case cases[] = {
      {false, [](TSocketClient& c) { c.Host = "nosuch.invalid"; c.Connect(); }, "Null Remote Address",
       "Host lookup aborted"},
      {false, [](TSocketClient& c) { c.Port = nettest::closedPort(); c.Connect(); }, "Connection Failed",
       "Connect aborted"},
      {false, [](TSocketClient& c) { c.Port = 0; c.Listen("127.0.0.1"); c.Accept(); }, "Accepting Timed out", "Accept aborted"},
      {true, [](TSocketClient& c) { c.ReadLn(); }, "Socket readln timed out", "Socket readln aborted"},
      {true, [](TSocketClient& c) { c.Read(5); }, "Socket read timed out", "Socket read aborted"},
      {true, [](TSocketClient& c) { c.CaptureString(); }, "Socket capture timed out", "Socket capture aborted"},
      {true, [](TSocketClient& c) { c.Write("x"); }, nullptr, "Socket send aborted"},
  };
  for (const auto& c : cases) {
    for (const bool cancel : {false, true}) {
      if (!cancel && !c.ends) continue;
      ScriptedServer server({std::vector<Step>{}});  // accepted, never answered
      TSocketClient client;
      if (c.connected) connectTo(client, server);
      client.Host = "127.0.0.1";
      client.Port = server.port();
      client.TimeOut = 200;
      client.ReportLevel = 8;
      client.OnStatus = [cancel](TSocketClient* s, const std::string& text) {
        if (cancel && text == "Timer On") s->Abort();
      };
      std::string got = "(no error)";
      try {
        c.wait(client);
      } catch (const EAbortError& e) {
        got = std::string("aborted: ") + e.what();
      } catch (const std::exception& e) {
        got = e.what();
      }
      EXPECT_EQ(got, cancel ? std::string("aborted: ") + c.aborted : c.ends);
      EXPECT_FALSE(client.CancelRequested || client.TimedOut) << got;
    }
  }
}

TEST(Socket, ErrorsCarryNumbersAndTexts) {
  TSocketClient client;
  int number = 0;
  client.OnError = [&](TSocketClient*, int n, const std::string&) { number = n; };
  EXPECT_EQ(errorOf([&] { client.Write("x"); }), "10057:Socket is not connected");
  EXPECT_EQ(number, 10057);
  EXPECT_EQ(errorOf([&] { client.CheckConnection(); }), "Not Connected");
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
