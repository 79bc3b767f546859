#pragma once

// An HTTP/1.0 client on TSocketClient: one request is one connection (connect,
// send the request, read the status line and headers, read the body until the
// server closes). Redirections repeat the exchange with the new URL.

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

  std::function<void(TSocketClient*)> OnAboutToSend;
  std::function<void(CmdType)> OnSuccess;
  std::function<void(CmdType)> OnFailure;
  std::function<void(bool& handled)> OnRedirect;
  std::function<void(TSocketClient*)> OnAuthenticationNeeded;

  // Most redirections followed for one request.
  static constexpr int MaxRedirects = 10;

  void Get(const std::string& url);
  void Post(const std::string& url, const std::string& data);
  void Abort() override;

  // The parts of the current request, as ParseURL and BuildRequest leave them.
  const std::string& URL() const { return m_url; }
  const std::string& RequestPath() const { return m_requestPath; }
  const std::vector<std::string>& RequestHeaders() const { return m_request; }
  const std::string& RedirectLocation() const { return m_redirectLocation; }
  const std::string& ReceivedCookie() const { return m_receivedCookie; }

  void ParseURL();
  void BuildRequest();
  void SendRequest();
  void ReadHeaders();

 private:
  void Run(CmdType kind, const std::string& url, const std::string& secondArg);
  long long RequestBodySize() const;

  std::string m_url;
  std::string m_requestPath;
  CmdType m_kind = CmdType::Get;
  std::string m_secondArg;
  std::vector<std::string> m_request;
  std::string m_redirectLocation;
  std::string m_receivedCookie;
};

}  // namespace qm::net
