#include "core/net/HttpProtocol.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

#include "core/net/NetText.h"

namespace qm::net {

std::string methodWord(CmdType kind) {
  static constexpr std::array<const char*, 12> kWords{"GET",    "OPTIONS", "HEAD", "POST", "PUT",    "PATCH",
                                                      "COPY",   "MOVE",    "DELETE", "LINK", "UNLINK", "TRACE"};
  return kWords[static_cast<std::size_t>(kind)];
}

namespace {
// Position of the n-th (from 1) occurrence of c, or npos.
std::size_t nthPos(std::string_view s, char c, int n) {
  std::size_t pos = std::string_view::npos;
  std::size_t from = 0;
  for (int i = 0; i < n; ++i) {
    pos = s.find(c, from);
    if (pos == std::string_view::npos) return pos;
    from = pos + 1;
  }
  return pos;
}
}  // namespace

UrlParts parseUrl(std::string url, std::string host, int port) {
  if (url.empty()) throw std::runtime_error("Empty URL");
  if (hasControl(url)) throw std::runtime_error("URL holds a control character: " + printable(url));
  UrlParts p;
  p.host = std::move(host);
  p.port = port == 0 ? 80 : port;

  if (url.find("//") != std::string::npos) {
    const std::size_t third = nthPos(url, '/', 3);
    if (third != std::string::npos) p.requestPath = url.substr(third);
  } else if (const std::size_t first = url.find('/'); first != std::string::npos) {
    p.requestPath = url.substr(first);
  }
  if (p.requestPath.size() > 256) p.requestPath.resize(256);

  if (const std::size_t colon = url.find(':'); colon != std::string::npos) {
    const std::string scheme = lowerAscii(std::string_view(url).substr(0, colon));
    if (scheme == "gopher") p.port = 70;
    else if (scheme == "ftp") p.port = 21;
    else if (scheme == "https") throw std::runtime_error("HTTP Secure Socket is not supported");
    else p.port = 80;
  }

  std::string hostPart;
  if (url.find("//") != std::string::npos) hostPart = nthField(url, '/', 3);
  else if (url.front() != '/') hostPart = nthField(url, '/', 1);
  if (const std::size_t colon = hostPart.find(':'); colon != std::string::npos) {
    const long long n = wholeNumber(std::string_view(hostPart).substr(colon + 1));
    if (n < 1 || n > 65535) throw std::runtime_error("Invalid port in URL: " + url);
    p.port = static_cast<int>(n);
    hostPart.resize(colon);
  }
  if (!hostPart.empty()) p.host = hostPart;

  if (p.requestPath.empty()) {
    p.requestPath = "/";
    url += "/";
  }
  p.url = std::move(url);
  return p;
}

void setHeader(std::vector<std::string>& lines, std::string_view name, std::string_view value) {
  const std::string wanted = lowerAscii(name);
  for (auto it = lines.begin(); it != lines.end(); ++it) {
    const std::size_t colon = it->find(':');
    if (lowerAscii(std::string_view(*it).substr(0, colon)) != wanted) continue;
    if (value.empty()) lines.erase(it);
    else *it = std::string(name) + ": " + std::string(value);
    return;
  }
  if (!value.empty()) lines.push_back(std::string(name) + ": " + std::string(value));
}

std::string base64Encode(std::string_view bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) | (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                       static_cast<unsigned char>(bytes[i + 2]);
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
  }
  if (i + 1 == bytes.size()) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += "==";
  } else if (i + 2 == bytes.size()) {
    const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += '=';
  }
  return out;
}

std::vector<std::string> buildRequest(const RequestInput& in) {
  std::vector<std::string> lines;
  lines.push_back(methodWord(in.kind) + " " + (in.viaProxy ? in.url : in.requestPath) + " HTTP/1.0");
  if (in.viaProxy) {
    lines.push_back("Proxy-Connection: Keep-Alive");
    lines.push_back("Host: " + in.host);
  }
  setHeader(lines, "Host", in.host);
  lines.push_back("Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff");
  lines.push_back("Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript");
  if (!in.info.LocalProgram.empty()) setHeader(lines, "User-Agent", in.info.LocalProgram);
  if (!in.info.LocalMailAddress.empty()) setHeader(lines, "From", in.info.LocalMailAddress);
  if (!in.info.Cookie.empty()) setHeader(lines, "Cookie", in.info.Cookie);
  if (!in.info.Referer.empty()) setHeader(lines, "Referer", in.info.Referer);
  if (!in.info.UserId.empty() && !in.info.Password.empty())
    setHeader(lines, "Authorization", "Basic " + base64Encode(in.info.UserId + ":" + in.info.Password));
  lines.push_back("Content-type: application/x-www-form-urlencoded");
  switch (in.kind) {
    case CmdType::Copy:
    case CmdType::Move: lines.push_back("URI-header: " + in.secondArg); break;
    case CmdType::Link:
    case CmdType::Unlink: lines.push_back("Link: " + in.secondArg); break;
    default: break;
  }
  switch (in.kind) {
    case CmdType::Post:
    case CmdType::Put:
    case CmdType::Patch:
    case CmdType::Link:
    case CmdType::Unlink:
    case CmdType::Trace: lines.push_back("Content-Length: " + std::to_string(in.bodySize)); break;
    default: break;
  }
  return lines;
}

std::string requestText(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    if (hasControl(l)) throw std::runtime_error("Request line holds a control character: " + printable(l));
    out += l + "\r\n";
  }
  out += "\r\n";
  return out;
}

int statusCodeOf(std::string_view statusLine) {
  if (!statusLine.starts_with("HTTP/")) return 0;
  const std::string field = nthField(withoutLineEnd(statusLine), ' ', 2);
  const long long n = field.size() == 3 ? wholeNumber(field) : -1;
  return n < 100 ? 0 : static_cast<int>(n);
}

HeaderLine classifyHeaderLine(std::string_view line) {
  HeaderLine h;
  if (line.empty() || line == "\n" || line == "\r\n") {
    h.kind = HeaderLine::End;
    return h;
  }
  const std::string word = nthField(upperAscii(line), ' ', 1);
  auto rest = [&](std::size_t from) {
    if (line.size() <= from) return std::string();
    std::string v(trimmed(line.substr(from)));
    if (v.size() > 256) v.resize(256);
    return v;
  };
  if (word == "SET-COOKIE:") {
    h.kind = HeaderLine::SetCookie;
    h.value = rest(12);
  } else if (word == "LOCATION:") {
    h.kind = HeaderLine::Location;
    h.value = rest(10);
  } else if (word == "CONTENT-LENGTH:") {
    h.kind = HeaderLine::ContentLength;
    const long long n = wholeNumber(trimmed(line.substr(line.find(':') + 1)));
    h.length = n < 0 ? 0 : n;
  } else if (word == "TRANSFER-ENCODING:") {
    h.kind = HeaderLine::TransferEncoding;
    h.value = lowerAscii(rest(18));
  }
  return h;
}

namespace {
// The scheme a location names ("ftp" of "ftp://h/x"): the text before a ":"
// that comes before any "/", when it is a scheme name; empty otherwise.
std::string schemeOf(std::string_view location) {
  const std::size_t colon = location.find(':');
  if (colon == 0 || colon == std::string_view::npos || colon > location.find('/')) return {};
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!letter(location[0])) return {};
  for (const char c : location.substr(0, colon))
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return {};
  return lowerAscii(location.substr(0, colon));
}
}  // namespace

std::string redirectTarget(std::string_view location, std::string_view host, int port) {
  // The client speaks plain HTTP only: a server must not send it to a local
  // file or to another protocol's port with a request it did not ask for.
  const std::string scheme = schemeOf(location);
  if (scheme == "https") throw std::runtime_error("HTTP Secure Socket is not supported");
  if (!scheme.empty() && scheme != "http")
    throw std::runtime_error("Redirection to a " + scheme + ": address refused: " + printable(location));
  if (location.find("//") != std::string_view::npos || (!location.empty() && location.front() == '/'))
    return std::string(location);
  std::string base = "http://" + std::string(host);
  if (port != 80 && port != 0) base += ":" + std::to_string(port);
  return base + "/" + std::string(location);
}

void ChunkedDecoder::feed(std::string_view in, std::string& out) {
  std::size_t i = 0;
  while (i < in.size() && m_state != State::Done) {
    if (m_state == State::Data) {
      const std::size_t n = static_cast<std::size_t>(std::min<unsigned long long>(m_left, in.size() - i));
      out.append(in.data() + i, n);
      i += n;
      m_left -= n;
      if (m_left == 0) m_state = State::DataEnd;
      continue;
    }
    const char c = in[i++];
    if (c == '\n') {
      endLine();
      m_line.clear();
    } else if (m_line.size() < 1024) {
      m_line += c;
    } else {
      throw ProtocolError("Chunk framing line longer than 1024 bytes");
    }
  }
}

void ChunkedDecoder::endLine() {
  const std::string_view line = withoutLineEnd(m_line);
  switch (m_state) {
    case State::Size: {
      // A hexadecimal size, perhaps followed by ";extension".
      const std::string_view digits = trimmed(line.substr(0, line.find(';')));
      unsigned long long size = 0;
      const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), size, 16);
      if (digits.empty() || ec != std::errc() || ptr != digits.data() + digits.size() || size > (1ULL << 60))
        throw ProtocolError("Malformed chunk size line: \"" + printable(line) + "\"");
      m_left = size;
      m_state = size == 0 ? State::Trailer : State::Data;
      break;
    }
    case State::DataEnd:
      if (!line.empty()) throw ProtocolError("Chunk not followed by a line end");
      m_state = State::Size;
      break;
    case State::Trailer:
      if (line.empty()) m_state = State::Done;
      break;
    default: break;
  }
}

}  // namespace qm::net
