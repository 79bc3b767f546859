#include "net/HttpClient_U.h"

#include <QFile>
#include <QFileInfo>

namespace qm::net {

namespace {
QString localPath(const std::string& name) { return QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size())); }
}  // namespace

THttpClient::THttpClient(QObject* parent) : TSocketClient(parent) {}

void THttpClient::Abort() {
  Status(8, "Abort");
  CancelRequested = true;
  WakeAll();
}

void THttpClient::Get(const std::string& url) { Run(CmdType::Get, url, {}); }

void THttpClient::Post(const std::string& url, const std::string& data) {
  PostData = data;
  Run(CmdType::Post, url, {});
}

void THttpClient::ParseURL() {
  const UrlParts p = parseUrl(m_url, Host, Port);
  m_url = p.url;
  Host = p.host;
  Port = p.port;
  m_requestPath = p.requestPath;
}

long long THttpClient::RequestBodySize() const {
  if (OutputFileMode) return QFileInfo(localPath(PostData)).size();
  return static_cast<long long>(PostData.size());
}

void THttpClient::BuildRequest() {
  RequestInput in;
  in.kind = m_kind;
  in.requestPath = m_requestPath;
  in.url = m_url;
  in.host = Host;
  in.viaProxy = !Proxy.empty();
  in.info = HeaderInfo;
  in.secondArg = m_secondArg;
  in.bodySize = RequestBodySize();
  m_request = buildRequest(in);
}

void THttpClient::SendRequest() {
  Write(requestText(m_request));
  switch (m_kind) {
    case CmdType::Post:
    case CmdType::Put:
    case CmdType::Patch:
    case CmdType::Trace:
      if (OutputFileMode) SendFile(localPath(PostData));
      else if (!PostData.empty()) Write(PostData);
      break;
    default: break;
  }
}

void THttpClient::ReadHeaders() {
  TransferSize = 0;
  m_receivedCookie.clear();
  m_redirectLocation.clear();
  std::string received;
  // Lines are taken as they come, even an unfinished one at the close: an
  // answer without headers still reaches the caller.
  const std::string status = ReadLn(true);
  if (!status.empty()) ReplyCode = statusCodeOf(status);
  received += status;
  if (!status.empty()) {
    for (;;) {
      const std::string line = ReadLn(true);
      const HeaderLine h = classifyHeaderLine(line);
      switch (h.kind) {
        case HeaderLine::SetCookie: m_receivedCookie = h.value; break;
        case HeaderLine::Location: m_redirectLocation = h.value; break;
        case HeaderLine::ContentLength: TransferSize = h.length; break;
        default: break;
      }
      received += line;
      if (h.kind == HeaderLine::End) break;
    }
  }
  if (OutputFileMode) {
    QFile file(localPath(Header));
    if (!file.open(QIODevice::WriteOnly) || file.write(received.data(), static_cast<qint64>(received.size())) < 0)
      throw std::runtime_error("Cannot write " + Header + ": " + file.errorString().toStdString());
  } else {
    Header = received;
  }
}

void THttpClient::Run(CmdType kind, const std::string& url, const std::string& secondArg) {
  m_url = url;
  m_kind = kind;
  m_secondArg = secondArg;
  for (int redirects = 0;; ++redirects) {
    ParseURL();
    BuildRequest();
    if (OnAboutToSend) OnAboutToSend(this);
    Connect();
    try {
      SendRequest();
      ReplyCode = 0;
      ReadHeaders();
      if (InputFileMode) CaptureFile(localPath(Body));
      else Body = CaptureString(-1);
    } catch (...) {
      if (Connected()) CloseSocket();
      throw;
    }
    const int code = ReplyCode;
    if (code < 299) {
      if (OnSuccess) OnSuccess(m_kind);
      Status(2, "Transaction Completed");
    } else if (code >= 400) {
      if (OnFailure) OnFailure(m_kind);
    }
    // Only 300 to 302 with a Location lead on; 299 and 303 to 399 end the
    // request as received.
    const bool follow = code >= 300 && code <= 302 && !m_redirectLocation.empty();
    Disconnect();
    if (code >= 300 && code <= 398) {
      if (!m_receivedCookie.empty()) HeaderInfo.Cookie = m_receivedCookie;
      if (OnRedirect) {
        bool handled = false;
        OnRedirect(handled);
        if (handled) return;
      }
    }
    if (code == 401 && OnAuthenticationNeeded) OnAuthenticationNeeded(this);
    if (!follow) return;
    if (redirects + 1 > MaxRedirects) {
      if (OnFailure) OnFailure(m_kind);
      throw std::runtime_error("Too many redirections (more than " + std::to_string(MaxRedirects) + ")");
    }
    m_url = redirectTarget(m_redirectLocation, Host, Port);
  }
}

}  // namespace qm::net
