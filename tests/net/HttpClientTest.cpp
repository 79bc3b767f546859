#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <fstream>

#include "NetTestUtil.h"
#include "net/HttpClient_U.h"
#include "net/UpdateFetch.h"
#include "support/ScriptedServer.h"

using namespace qm::net;
using qmtest::ScriptedServer;
using qmtest::Step;
using nettest::errorOf;

namespace {

// One connection: read the request, answer, close.
std::vector<Step> answer(const std::string& reply) {
  return {{Step::ReadRequest, ""}, {Step::Send, reply}, {Step::Close, ""}};
}

// One connection: read the request, send `head`, then `text` for ever.
std::vector<Step> endless(const std::string& head, const std::string& text, int everyMs = 0) {
  return {{Step::ReadRequest, ""}, {Step::Send, head}, {Step::Stream, text, everyMs}};
}

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM").
long long statusKb(const std::string& field) {
  std::ifstream in("/proc/self/status");
  for (std::string line; std::getline(in, line);)
    if (line.rfind(field + ":", 0) == 0) return std::stoll(line.substr(field.size() + 1));
  return -1;
}

struct Client {
  THttpClient c;
  int successes = 0, failures = 0, redirects = 0, authNeeded = 0;
  Client() {
    c.TimeOut = 5000;
    c.OnSuccess = [this](CmdType) { ++successes; };
    c.OnFailure = [this](CmdType) { ++failures; };
    c.OnRedirect = [this](bool&) { ++redirects; };
    c.OnAuthenticationNeeded = [this](TSocketClient*) { ++authNeeded; };
  }
};

std::string base(const ScriptedServer& s) { return "http://127.0.0.1:" + std::to_string(s.port()); }

}  // namespace

// URL forms and header lines are the parser's tests, the header block as received
// qmtool http-get's; here one request on the wire and its answer. Content-Length
// does not stop the reading: the body is read until the server closes.
TEST(HttpClient, GetSendsTheRequestAndReadsTheBody) {
  const std::string body = std::string(200000, 'b') + "\xe0\xfa";
  ScriptedServer server({answer("HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\n" + body)});
  Client k;
  k.c.Get("127.0.0.1:" + std::to_string(server.port()) + "/update.dat");
  EXPECT_EQ(server.received().front(), "GET /update.dat HTTP/1.0");
  EXPECT_EQ(k.c.Body, body);
  EXPECT_EQ(k.successes, 1);
}

// How targets are built is the parser's test; here the second request, the
// cookie that goes back only to the host that set it, and the addresses that
// are refused before anything is sent to them.
TEST(HttpClient, Redirects) {
  // second: the second request line, or the error
  struct Case { std::string location; std::string second; bool cookie; };
  const Case cases[] = {
      {"http://127.0.0.1:{PORT}/new/place.dat", "GET /new/place.dat HTTP/1.0", true},
      {"place.dat", "GET /place.dat HTTP/1.0", true},
      {"http://localhost:{PORT}/x", "GET /x HTTP/1.0", false},  // the same server under another name
      {"file:///etc/passwd", "Redirection to a file: address refused: file:///etc/passwd", false},
      {"/a\rX-Injected: 1", "URL holds a control character: /a\\rX-Injected: 1", false},
  };
  for (const auto& c : cases) {
    ScriptedServer server({answer("HTTP/1.0 302 Found\r\nLocation: " + c.location + "\r\nSet-Cookie: id=5\r\n\r\nmoved"),
                           answer("HTTP/1.0 200 OK\r\n\r\nthere")});
    Client k;
    const std::string error = errorOf([&] { k.c.Get(base(server) + "/old.dat"); });
    // The second request starts after the empty line that ends the first.
    const auto& sent = server.received();
    const auto second = std::find(sent.begin(), sent.end(), std::string()) + 1;
    EXPECT_EQ(second < sent.end() ? *second : error, c.second);
    if (second >= sent.end()) continue;
    EXPECT_EQ(std::find(second, sent.end(), "Cookie: id=5") != sent.end(), c.cookie) << c.location;
    EXPECT_EQ(k.c.Body, "there");
  }
}

TEST(HttpClient, AnswersThatEndTheRequestAsReceived) {
  struct Case { std::string reply; int code; int successes, failures, redirects, authNeeded; };
  const Case cases[] = {
      {"HTTP/1.0 299 Odd\r\nLocation: /elsewhere\r\n\r\nx", 299, 0, 0, 0, 0},
      {"HTTP/1.0 302 Found\r\n\r\nx", 302, 0, 0, 1, 0},  // no Location: nowhere to go
      {"HTTP/1.0 401 Unauthorized\r\n\r\nx", 401, 0, 1, 0, 1},
  };
  for (const auto& c : cases) {
    ScriptedServer server({answer(c.reply), answer("HTTP/1.0 200 OK\r\n\r\nsecond")});
    Client k;
    k.c.Get(base(server) + "/a");
    EXPECT_EQ(server.connections(), 1) << c.reply;
    // Reply code, then the successes, failures, redirects and authentication requests reported.
    EXPECT_EQ(std::tuple(k.c.ReplyCode, k.successes, k.failures, k.redirects, k.authNeeded),
              std::tuple(c.code, c.successes, c.failures, c.redirects, c.authNeeded)) << c.reply;
  }
}

TEST(HttpClient, EndlessRedirectionsFail) {
  std::vector<std::vector<Step>> scripts;
  for (int i = 0; i < 15; ++i) scripts.push_back(answer("HTTP/1.0 302 Found\r\nLocation: /again\r\n\r\n"));
  ScriptedServer server(scripts);
  Client k;
  EXPECT_EQ(errorOf([&] { k.c.Get(base(server) + "/start"); }), "Too many redirections (more than 10)");
  EXPECT_EQ(server.connections(), 1 + THttpClient::MaxRedirects);
  EXPECT_EQ(k.failures, 1);
}

TEST(HttpClient, RefusedBeforeConnecting) {
  ScriptedServer server({answer("HTTP/1.0 200 OK\r\n\r\n")});
  Client k;
  EXPECT_EQ(errorOf([&] { k.c.Get(""); }), "Empty URL");
  EXPECT_EQ(errorOf([&] { k.c.Get("HTTPS" + base(server).substr(4)); }), "HTTP Secure Socket is not supported");
  EXPECT_EQ(errorOf([&] { k.c.Get("http://127.0.0.1:70000/"); }), "Invalid port in URL: http://127.0.0.1:70000/");
  EXPECT_EQ(server.connections(), 0);
}

// A broken or hostile answer fails in time with a clear message, and memory
// stays bounded whatever comes (an endless body streamed away is cut off).
TEST(HttpClient, BrokenAnswersFail) {
  const std::string ok = "HTTP/1.0 200 OK\r\n";
  const std::string chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
  struct Case { std::vector<Step> script; bool streamed; std::string error; };
  const Case cases[] = {
      {answer(ok + "Content-Length: 10\r\n\r\nab"), false, "Transfer incomplete: received 2 of 10 bytes"},
      {answer("ICY 200 OK\r\n\r\n"), false, "Malformed status line: \"ICY 200 OK\""},
      {answer(""), false, "The server closed the connection without an answer"},
      {answer(ok + "X: " + std::string(70000, 'x') + "\r\n\r\n"), false, "Line longer than 65536 bytes"},
      {answer(chunked + "zz\r\n"), false, "Malformed chunk size line: \"zz\""},
      {answer(chunked + "5\r\nab"), false, "Transfer incomplete: the chunked body ended early"},
      {endless(ok, "X-Filler: " + std::string(1000, 'x') + "\r\n"), false, "Header block longer than 1 MiB"},
      {endless(ok, "X-Slow: y\r\n", 200), false, "Socket readln timed out"},
      {endless(ok + "\r\n", "body"), false, "Body longer than 16777216 bytes"},
      {endless(ok + "\r\n", "body"), true, "Socket capture aborted"},
  };
  QFile sink(QStringLiteral("/dev/null"));
  ASSERT_TRUE(sink.open(QIODevice::WriteOnly));
  for (const auto& c : cases) {
    ScriptedServer server({c.script});
    Client k;
    k.c.TimeOut = 1200;
    if (c.streamed) k.c.BodyDevice = &sink;
    k.c.OnPacketRecvd = [&k](TSocketClient*) {
      if (k.c.ReceivedCount > (128 << 20)) k.c.Abort();
    };
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
    const long long idleKb = statusKb("VmRSS");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(errorOf([&] { k.c.Get(base(server) + "/a"); }), c.error);
    EXPECT_LT(clock.elapsed(), 1200 + 1000) << c.error;
    EXPECT_LT(statusKb("VmHWM") - idleKb, 64 << 10) << c.error;
  }
}

// The update check ends as a whole within its limit, however a slow body keeps
// the idle time-out away (here it would reach its 4 KiB limit only after 8 s).
TEST(HttpClient, UpdateCheckEndsWithinItsLimit) {
  ScriptedServer server({endless("HTTP/1.0 200 OK\r\n\r\n", std::string(50, '1'), 100)});
  THttpClient c;
  const UpdateAnswer a = FetchUpdate(c, base(server), 800);
  EXPECT_FALSE(a.reached);
  EXPECT_EQ(a.error, "Socket capture timed out");
}
