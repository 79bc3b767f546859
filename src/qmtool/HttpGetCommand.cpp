// qmtool http-get: one HTTP/1.0 GET; status line and headers on standard error,
// the body on standard output as it is read.
#include <QCoreApplication>
#include <QFile>
#include <iostream>
#include <optional>

#include "net/HttpClient_U.h"
#include "qmtool/Command.h"

namespace {

int run(const std::vector<std::string>& args) {
  if (args.size() != 1) return qmtool::fail("http-get: give one URL");
  static int argc = 1;
  static char name[] = "qmtool";
  static char* argv[] = {name, nullptr};
  std::optional<QCoreApplication> app;
  if (!QCoreApplication::instance()) app.emplace(argc, argv);

  qm::net::THttpClient client;
  client.TimeOut = 30000;
  client.Header.clear();
  // The body goes out as it arrives: a large or endless one is never held whole.
  QFile out;
  if (!out.open(stdout, QIODevice::WriteOnly)) return qmtool::fail("http-get: cannot write standard output");
  client.BodyDevice = &out;
  std::string error;
  try {
    client.Get(args[0]);
  } catch (const std::exception& e) {
    error = e.what();
  }
  out.flush();
  std::cerr << client.Header;
  std::cerr.flush();
  if (!error.empty()) return qmtool::fail("http-get: " + error);
  if (client.ReplyCode >= 400) return qmtool::fail("http-get: the server answered " + std::to_string(client.ReplyCode));
  return 0;
}

const qmtool::Registration reg{{"http-get", "http-get URL", run}};

}  // namespace
