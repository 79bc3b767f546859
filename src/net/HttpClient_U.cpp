#include "net/HttpClient_U.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "core/net/NetText.h"
#include "net/ReplacingFile.h"

namespace qm::net {

namespace {
constexpr std::size_t kMaxHeaderBlock = 1 << 20;

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
  // A cookie goes back only to the host that set it.
  if (lowerAscii(Host) != lowerAscii(m_cookieHost)) in.info.Cookie.clear();
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
  m_chunked = false;
  m_receivedCookie.clear();
  m_redirectLocation.clear();
  std::string received;
  // The status line and the headers arrive within one time-out as a whole.
  WholeWait whole(*this);
  // Header lines are taken as they come, even an unfinished one at the close.
  const std::string status = ReadLn(true);
  if (status.empty()) throw ESockError("The server closed the connection without an answer");
  ReplyCode = statusCodeOf(status);
  if (ReplyCode == 0) throw ProtocolError("Malformed status line: \"" + printable(withoutLineEnd(status)) + "\"");
  received += status;
  for (;;) {
    const std::string line = ReadLn(true);
    const HeaderLine h = classifyHeaderLine(line);
    switch (h.kind) {
      case HeaderLine::SetCookie: m_receivedCookie = h.value; break;
      case HeaderLine::Location: m_redirectLocation = h.value; break;
      case HeaderLine::ContentLength: TransferSize = h.length; break;
      case HeaderLine::TransferEncoding: m_chunked = h.value.find("chunked") != std::string::npos; break;
      default: break;
    }
    received += line;
    if (received.size() > kMaxHeaderBlock) throw ProtocolError("Header block longer than 1 MiB");
    if (h.kind == HeaderLine::End) break;
  }
  if (OutputFileMode) {
    QFile file(localPath(Header));
    if (!file.open(QIODevice::WriteOnly) || file.write(received.data(), static_cast<qint64>(received.size())) < 0)
      throw std::runtime_error("Cannot write " + Header + ": " + file.errorString().toStdString());
  } else {
    Header = received;
  }
}

void THttpClient::ReadBody() {
  std::optional<ReplacingFile> file;
  QIODevice* device = BodyDevice;
  if (InputFileMode) {
    Status(8, "CaptureFile");
    file.emplace(localPath(Body));
    file->open();
    device = &file->device();
  } else if (!device) {
    Status(8, "Capture String");
  }
  std::string body;
  long long kept = 0;
  const auto keep = [&](const char* data, std::size_t size) {
    kept += static_cast<long long>(size);
    if (device) {
      if (device->write(data, static_cast<qint64>(size)) != static_cast<qint64>(size))
        throw std::runtime_error("Cannot write the body: " + device->errorString().toStdString());
    } else {
      if (BodyLimit >= 0 && kept > BodyLimit)
        throw std::runtime_error("Body longer than " + std::to_string(BodyLimit) + " bytes");
      body.append(data, size);
    }
  };
  ChunkedDecoder decoder;
  std::string decoded;
  CaptureBlocks([&](const char* data, std::size_t size) {
    if (!m_chunked) {
      keep(data, size);
      return true;
    }
    decoded.clear();
    decoder.feed(std::string_view(data, size), decoded);
    keep(decoded.data(), decoded.size());
    return !decoder.done();
  });
  if (m_chunked && !decoder.done()) throw ESockError("Transfer incomplete: the chunked body ended early");
  // Answers that carry no body (1xx, 204, 304) may still name the length of one.
  const bool bodyless = ReplyCode < 200 || ReplyCode == 204 || ReplyCode == 304;
  if (!m_chunked && !bodyless && TransferSize > 0 && kept < TransferSize)
    throw ESockError("Transfer incomplete: received " + std::to_string(kept) + " of " + std::to_string(TransferSize) +
                     " bytes");
  if (file) file->commit();
  if (!device) Body = std::move(body);
}

void THttpClient::Run(CmdType kind, const std::string& url, const std::string& secondArg) {
  m_url = url;
  m_kind = kind;
  m_secondArg = secondArg;
  m_cookieHost.clear();
  for (int redirects = 0;; ++redirects) {
    ParseURL();
    // A cookie the caller gave belongs to the first host.
    if (redirects == 0) m_cookieHost = Host;
    BuildRequest();
    // A request with a control character in a line is refused before anything is sent.
    (void)requestText(m_request);
    Connect();
    bool follow = false;
    try {
      SendRequest();
      ReplyCode = 0;
      ReadHeaders();
      // Only 300 to 302 with a Location lead on; 299 and 303 to 399 end the
      // request as received. The body of an answer that leads on is not read.
      follow = ReplyCode >= 300 && ReplyCode <= 302 && !m_redirectLocation.empty();
      if (!follow) ReadBody();
      else if (!InputFileMode && !BodyDevice) Body.clear();
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
    Disconnect();
    if (code >= 300 && code <= 398) {
      if (!m_receivedCookie.empty()) {
        HeaderInfo.Cookie = m_receivedCookie;
        m_cookieHost = Host;
      }
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
