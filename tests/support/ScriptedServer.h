#pragma once

#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qmtest {

// A server on 127.0.0.1 that plays a fixed script per accepted connection, for
// the replies a real server rarely gives: refusals, malformed lines, closing in
// the middle of a transfer, not answering at all. It runs on the test's own
// event loop, which the client keeps running while it waits.
struct Step {
  enum Kind {
    Send,         // write `text` on the connection ("{PORT}" becomes the server's port)
    Expect,       // read one line; it must begin with `text`
    ReadRequest,  // read lines up to and including an empty one
    Pasv,         // open a data listener and announce it in a 227 reply (or one with the code in `text`)
    DataSend,     // write `text` on the data connection (waits for it)
    DataClose,    // close the data connection after the data written
    Close,        // close the connection after the data written
    Stream,       // write `text` for ever, every `everyMs` ms or (0) as fast as the client reads; ends the script
    DataStream,   // the same on the data connection
  };
  Kind kind;
  std::string text;
  int everyMs = 0;
};

// By turns a line the client must send and the server's answer ("\r\n" is
// added to each answer).
inline std::vector<Step> exchange(const std::vector<std::string>& lines, bool serverFirst = false) {
  std::vector<Step> out;
  for (std::size_t i = 0; i < lines.size(); ++i)
    out.push_back((i % 2 == 0) == serverFirst ? Step{Step::Send, lines[i] + "\r\n"} : Step{Step::Expect, lines[i]});
  return out;
}
// The server's greeting, then an exchange.
inline std::vector<Step> dialogue(const std::vector<std::string>& lines) { return exchange(lines, true); }

// One script continued by another.
inline std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class ScriptedServer : public QObject {
  Q_OBJECT

 public:
  // One script per connection, in the order the connections arrive.
  explicit ScriptedServer(std::vector<std::vector<Step>> scripts);
  ~ScriptedServer() override;

  int port() const { return server_.serverPort(); }
  // Every line the client sent on its connections, without line ends.
  const std::vector<std::string>& received() const { return received_; }
  // Lines that did not match an Expect step ("expected X, got Y").
  const std::vector<std::string>& mismatches() const { return mismatches_; }
  int connections() const { return connections_; }

 private:
  struct Conn {
    QTcpSocket* socket = nullptr;
    std::vector<Step> script;
    std::size_t next = 0;
  };
  void accept();
  void acceptData();
  std::optional<std::string> readLine(Conn& c);
  void run(Conn& c);

  QTcpServer server_;
  QTcpServer dataServer_;
  QTcpSocket* data_ = nullptr;
  std::vector<std::vector<Step>> scripts_;
  std::vector<std::unique_ptr<Conn>> conns_;
  std::vector<std::string> received_;
  std::vector<std::string> mismatches_;
  int connections_ = 0;
};

}  // namespace qmtest
