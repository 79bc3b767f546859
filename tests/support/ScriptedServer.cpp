#include "support/ScriptedServer.h"

#include <QTimer>

namespace qmtest {

ScriptedServer::ScriptedServer(std::vector<std::vector<Step>> scripts) : scripts_(std::move(scripts)) {
  server_.listen(QHostAddress(QHostAddress::LocalHost), 0);
  connect(&server_, &QTcpServer::newConnection, this, &ScriptedServer::accept);
  connect(&dataServer_, &QTcpServer::newConnection, this, &ScriptedServer::acceptData);
}

ScriptedServer::~ScriptedServer() {
  for (auto& c : conns_)
    if (c->socket) c->socket->abort();
  if (data_) data_->abort();
}

void ScriptedServer::accept() {
  while (QTcpSocket* s = server_.nextPendingConnection()) {
    auto c = std::make_unique<Conn>();
    c->socket = s;
    if (static_cast<std::size_t>(connections_) < scripts_.size()) c->script = scripts_[static_cast<std::size_t>(connections_)];
    ++connections_;
    Conn* raw = c.get();
    conns_.push_back(std::move(c));
    connect(s, &QTcpSocket::readyRead, this, [this, raw] { run(*raw); });
    run(*raw);
  }
}

void ScriptedServer::acceptData() {
  if (QTcpSocket* s = dataServer_.nextPendingConnection()) {
    data_ = s;
    for (auto& c : conns_) run(*c);
  }
}

// The next line the client sent, without its line end, kept in `received_`.
std::optional<std::string> ScriptedServer::readLine(Conn& c) {
  if (!c.socket->canReadLine()) return std::nullopt;
  std::string line = c.socket->readLine().toStdString();
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  received_.push_back(line);
  return line;
}

void ScriptedServer::run(Conn& c) {
  while (c.next < c.script.size()) {
    const Step& step = c.script[c.next];
    switch (step.kind) {
      case Step::Send: {
        // "{PORT}" stands for this server's port, for replies that name it.
        std::string text = step.text;
        for (std::size_t at; (at = text.find("{PORT}")) != std::string::npos;)
          text.replace(at, 6, std::to_string(port()));
        c.socket->write(text.data(), static_cast<qint64>(text.size()));
        break;
      }
      case Step::Expect: {
        const auto line = readLine(c);
        if (!line) return;
        if (line->rfind(step.text, 0) != 0) mismatches_.push_back("expected " + step.text + ", got " + *line);
        break;
      }
      case Step::ReadRequest: {
        for (;;) {
          const auto line = readLine(c);
          if (!line) return;
          if (line->empty()) break;
        }
        break;
      }
      case Step::Pasv: {
        if (!dataServer_.isListening()) dataServer_.listen(QHostAddress(QHostAddress::LocalHost), 0);
        const int p = dataServer_.serverPort();
        const std::string reply = (step.text.empty() ? std::string("227") : step.text) +
                                  " Entering Passive Mode (10,0,0,1," + std::to_string(p / 256) + "," +
                                  std::to_string(p % 256) + ")\r\n";
        c.socket->write(reply.data(), static_cast<qint64>(reply.size()));
        break;
      }
      case Step::DataSend:
        if (!data_) return;
        data_->write(step.text.data(), static_cast<qint64>(step.text.size()));
        break;
      case Step::DataClose:
        if (!data_) return;
        data_->disconnectFromHost();
        break;
      case Step::Close: c.socket->disconnectFromHost(); break;
      case Step::Stream:
      case Step::DataStream: {
        // A 0 ms timer fires on every pass of the event loop: as fast as the client reads.
        QTcpSocket* s = step.kind == Step::Stream ? c.socket : data_;
        if (!s) return;
        QByteArray text = QByteArray::fromStdString(step.text);
        while (step.everyMs == 0 && text.size() < 65536) text += text;
        auto* timer = new QTimer(s);
        connect(timer, &QTimer::timeout, s, [s, text] {
          if (s->bytesToWrite() < (1 << 20)) s->write(text);
        });
        timer->start(step.everyMs);
        ++c.next;
        return;
      }
    }
    ++c.next;
  }
}

}  // namespace qmtest
