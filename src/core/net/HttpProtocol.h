#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::net {

// The kind of an HTTP request, by ordinal, with its method word.
enum class CmdType : int { Get, Options, Head, Post, Put, Patch, Copy, Move, Delete, Link, Unlink, Trace };
std::string methodWord(CmdType kind);

// What a URL gives a request. `host` and `port` start as the client's values
// and are replaced by what the URL names; `url` may gain a trailing "/".
struct UrlParts {
  std::string url;
  std::string host;
  int port = 0;
  std::string requestPath;
};

// Reads scheme, host, port and path from `url`. Throws std::runtime_error with
// "Empty URL", "HTTP Secure Socket is not supported", for a port that is not a
// number from 1 to 65535, or for a URL holding a control character (a CR or LF
// would end the request line and start a header of the URL's choosing).
UrlParts parseUrl(std::string url, std::string host, int port);

// The optional request header values.
struct THeaderInfo {
  std::string LocalMailAddress;
  std::string LocalProgram;
  std::string Cookie;
  std::string Referer;
  std::string UserId;
  std::string Password;
};

// Sets header `name` in a list of header lines: the first line whose text
// before its first ":" equals the name (any case) becomes "name: value", or
// the line is added at the end; an empty value removes a matching line.
void setHeader(std::vector<std::string>& lines, std::string_view name, std::string_view value);

// RFC 2045 Base64, without line breaks.
std::string base64Encode(std::string_view bytes);

struct RequestInput {
  CmdType kind = CmdType::Get;
  std::string requestPath;
  std::string url;
  std::string host;
  bool viaProxy = false;
  THeaderInfo info;
  std::string secondArg;  // URI-header / Link value of COPY, MOVE, LINK, UNLINK
  long long bodySize = 0;
};

// The request line and header lines, in order (without line ends).
std::vector<std::string> buildRequest(const RequestInput& in);

// The header lines as sent: each followed by CR LF, then one more CR LF.
// Throws std::runtime_error for a line holding a control character (a cookie
// or location from a server must not add lines to the request).
std::string requestText(const std::vector<std::string>& lines);

// The answer code of a status line ("HTTP/1.0 200 OK"): the number from 100 to
// 999 in its second space-separated field; 0 when the line does not begin with
// "HTTP/" or has no such number.
int statusCodeOf(std::string_view statusLine);

// What one received header line means to the client.
struct HeaderLine {
  enum Kind { Other, SetCookie, Location, ContentLength, TransferEncoding, End } kind = Other;
  std::string value;      // cookie, location or transfer coding (lower case) without the line end
  long long length = 0;   // Content-Length
};
HeaderLine classifyHeaderLine(std::string_view line);

// The URL a redirection leads to from `location`. An absolute URL ("//" in it)
// or a path from the root ("/...") is used as it is; anything else is taken
// relative to the server root of the current host and port. A location naming
// a scheme other than http ("file:", "ftp:", "https:" ...) throws
// std::runtime_error.
std::string redirectTarget(std::string_view location, std::string_view host, int port);

// Decodes a body sent with "Transfer-Encoding: chunked" as it arrives, one
// received block at a time: chunk data is copied out in whole spans, only the
// size lines are read character by character.
class ChunkedDecoder {
 public:
  // Appends the body data in `in` to `out`. Throws ProtocolError for a
  // malformed size line or a chunk not followed by its line end.
  void feed(std::string_view in, std::string& out);
  // True once the last (empty) chunk and the trailer have arrived; anything
  // after them is ignored.
  bool done() const { return m_state == State::Done; }

 private:
  enum class State { Size, Data, DataEnd, Trailer, Done };
  // Handles a complete line of the framing (without its LF).
  void endLine();
  State m_state = State::Size;
  unsigned long long m_left = 0;  // bytes of the current chunk still to come
  std::string m_line;
};

}  // namespace qm::net
