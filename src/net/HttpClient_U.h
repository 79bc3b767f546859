#pragma once

// An HTTP/1.0 client on TSocketClient: one request is one connection (connect,
// send the request, read the status line and headers, read the body until the
// server closes). Redirections to http:// addresses repeat the exchange with
// the new URL. What a server sends is bounded: a header line of 64 KiB, a
// header block of 1 MiB arriving within TimeOut, and a body kept in memory of
// BodyLimit bytes; a body shorter than its Content-Length fails, and chunked
// bodies are decoded.

#include <string>
#include <vector>

#include "core/net/HttpProtocol.h"
#include "net/Socket_U.h"

namespace qm::net {

class THttpClient : public TSocketClient {
  Q_OBJECT

 public:
  explicit THttpClient(QObject* parent = nullptr);

  std::string Body = "Default.htm";  // the body received, or the file that receives it
  std::string Header = "Head.txt";   // status and header lines received, or their file
  THeaderInfo HeaderInfo;
  bool InputFileMode = false;   // body into the file named by Body
  bool OutputFileMode = false;  // request body from the file named by PostData, headers into Header's file
  std::string PostData;
  // When set, the body goes here as it is read instead of into Body (which is
  // then left as it was).
  QIODevice* BodyDevice = nullptr;
  // Most bytes a body may have when it is kept in Body; a longer one fails
  // (-1: no limit). A caller reading a few bytes sets it lower.
  long long BodyLimit = 16 << 20;

  std::function<void(CmdType)> OnSuccess;
  std::function<void(CmdType)> OnFailure;
  std::function<void(bool& handled)> OnRedirect;
  std::function<void(TSocketClient*)> OnAuthenticationNeeded;

  // Most redirections followed for one request.
  static constexpr int MaxRedirects = 10;

  void Get(const std::string& url);
  void Post(const std::string& url, const std::string& data);
  void Abort() override;

  void ParseURL();
  void BuildRequest();
  void SendRequest();
  void ReadHeaders();

 private:
  void Run(CmdType kind, const std::string& url, const std::string& secondArg);
  long long RequestBodySize() const;
  void ReadBody();

  bool m_chunked = false;      // the answer's body is sent in chunks
  std::string m_cookieHost;    // the host that set HeaderInfo.Cookie

  std::string m_url;
  std::string m_requestPath;
  CmdType m_kind = CmdType::Get;
  std::string m_secondArg;
  std::vector<std::string> m_request;
  std::string m_redirectLocation;
  std::string m_receivedCookie;
};

}  // namespace qm::net
