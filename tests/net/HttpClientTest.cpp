#include <gtest/gtest.h>

#include <algorithm>

#include "NetTestUtil.h"
#include "net/HttpClient_U.h"
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

// The request lines of each connection, split at the empty line ending each request.
std::vector<std::vector<std::string>> requests(const ScriptedServer& s) {
  std::vector<std::vector<std::string>> out(1);
  for (const auto& l : s.received()) {
    if (l.empty()) out.emplace_back();
    else out.back().push_back(l);
  }
  out.pop_back();
  return out;
}

}  // namespace

// URL forms and header lines are the parser's tests; here one request on the wire and its answer.
// Content-Length does not stop the reading: the body is read until the server closes.
TEST(HttpClient, GetSendsTheRequestAndReadsTheBody) {
  const std::string body = std::string(200000, 'b') + "\xe0\xfa";
  ScriptedServer server({answer("HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\n" + body)});
  Client k;
  k.c.Get("127.0.0.1:" + std::to_string(server.port()) + "/update.dat");
  const auto req = requests(server);
  ASSERT_EQ(req.size(), 1u);
  EXPECT_EQ(req[0][0], "GET /update.dat HTTP/1.0");
  EXPECT_EQ(req[0][1], "Host: 127.0.0.1");
  EXPECT_EQ(k.c.Body, body);
  EXPECT_EQ(k.c.ReplyCode, 200);
  EXPECT_EQ(k.c.Header, "HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\n");
  EXPECT_EQ(k.successes, 1);
}

// How targets are built is the parser's test; here the second request and the cookie it carries.
TEST(HttpClient, RedirectsAreFollowed) {
  const std::pair<std::string, std::string> cases[] = {
      {"http://127.0.0.1:{PORT}/new/place.dat", "GET /new/place.dat HTTP/1.0"},
      {"place.dat", "GET /place.dat HTTP/1.0"},
  };
  for (const auto& [location, secondRequestLine] : cases) {
    ScriptedServer server({answer("HTTP/1.0 302 Found\r\nLocation: " + location + "\r\nSet-Cookie: id=5\r\n\r\nmoved"),
                           answer("HTTP/1.0 200 OK\r\n\r\nthere")});
    Client k;
    k.c.Get(base(server) + "/old.dat");
    const auto req = requests(server);
    ASSERT_EQ(req.size(), 2u) << location;
    EXPECT_EQ(req[1][0], secondRequestLine);
    EXPECT_NE(std::find(req[1].begin(), req[1].end(), "Cookie: id=5"), req[1].end()) << location;
    EXPECT_EQ(k.c.Body, "there");
  }
}

TEST(HttpClient, RedirectHandlerMayStopTheRequest) {
  ScriptedServer server({answer("HTTP/1.0 301 Moved\r\nLocation: /b\r\nSet-Cookie: id=5\r\n\r\n"),
                         answer("HTTP/1.0 200 OK\r\n\r\nb")});
  Client k;
  k.c.OnRedirect = [](bool& handled) { handled = true; };
  k.c.Get(base(server) + "/a");
  EXPECT_EQ(server.connections(), 1);
  EXPECT_EQ(k.c.RedirectLocation(), "/b");
  EXPECT_EQ(k.c.ReceivedCookie(), "id=5");
}

TEST(HttpClient, AnswersThatEndTheRequestAsReceived) {
  struct Case {
    std::string reply;
    int code;
    int successes, failures, redirects, authNeeded;
  };
  const Case cases[] = {
      {"HTTP/1.0 299 Odd\r\nLocation: /elsewhere\r\n\r\nx", 299, 0, 0, 0, 0},
      {"HTTP/1.0 302 Found\r\n\r\nx", 302, 0, 0, 1, 0},  // no Location: nowhere to go
      {"HTTP/1.0 401 Unauthorized\r\n\r\nx", 401, 0, 1, 0, 1},
      {"x", 0, 1, 0, 0, 0},  // no status line at all
  };
  for (const auto& c : cases) {
    ScriptedServer server({answer(c.reply), answer("HTTP/1.0 200 OK\r\n\r\nsecond")});
    Client k;
    k.c.Get(base(server) + "/a");
    EXPECT_EQ(server.connections(), 1) << c.reply;
    EXPECT_EQ(k.c.ReplyCode, c.code) << c.reply;
    EXPECT_EQ(k.successes, c.successes) << c.reply;
    EXPECT_EQ(k.failures, c.failures) << c.reply;
    EXPECT_EQ(k.redirects, c.redirects) << c.reply;
    EXPECT_EQ(k.authNeeded, c.authNeeded) << c.reply;
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
  EXPECT_EQ(errorOf([&] { k.c.Get("https" + base(server).substr(4)); }), "HTTP Secure Socket is not supported");
  EXPECT_EQ(errorOf([&] { k.c.Get("http://nosuch.invalid/update.dat"); }), "Null Remote Address");
  EXPECT_EQ(server.connections(), 0);
}

TEST(HttpClient, PostSendsTheBodyWithItsLength) {
  ScriptedServer server({{{Step::ReadRequest, ""},
                          {Step::Expect, "name=%E0&x=1"},
                          {Step::Send, "HTTP/1.0 200 OK\r\n\r\nthanks"},
                          {Step::Close, ""}}});
  Client k;
  k.c.Post(base(server) + "/form", "name=%E0&x=1\r\n");
  const auto req = requests(server);
  ASSERT_FALSE(req.empty());
  EXPECT_EQ(req[0].back(), "Content-Length: 14");
  EXPECT_TRUE(server.mismatches().empty());
}
