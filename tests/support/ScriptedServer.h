#pragma once

#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
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
    Pasv,         // open a data listener and announce it in a 227 reply
    DataSend,     // write `text` on the data connection (waits for it)
    DataClose,    // close the data connection after the data written
    DataReceive,  // read the data connection until the client closes it
    Close,        // close the connection after the data written
  };
  Kind kind;
  std::string text;
};

class ScriptedServer : public QObject {
  Q_OBJECT

 public:
  // One script per connection, in the order the connections arrive.
  explicit ScriptedServer(std::vector<std::vector<Step>> scripts);
  ~ScriptedServer() override;

  int port() const { return server_.serverPort(); }
  // Every line the client sent on its connections, without line ends.
  const std::vector<std::string>& received() const { return received_; }
  // What arrived on data connections with DataReceive.
  const std::string& dataReceived() const { return dataReceived_; }
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
  void run(Conn& c);

  QTcpServer server_;
  QTcpServer dataServer_;
  QTcpSocket* data_ = nullptr;
  bool dataDone_ = false;
  std::vector<std::vector<Step>> scripts_;
  std::vector<std::unique_ptr<Conn>> conns_;
  std::vector<std::string> received_;
  std::string dataReceived_;
  std::vector<std::string> mismatches_;
  int connections_ = 0;
};

}  // namespace qmtest
