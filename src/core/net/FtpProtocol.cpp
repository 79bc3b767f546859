#include "core/net/FtpProtocol.h"

#include <array>
#include <vector>

#include "core/net/NetText.h"

namespace qm::net {

std::string transactionName(int ordinal) {
  static constexpr std::array<const char*, 15> kNames{
      "ChangeDir", "MakeDir",  "Delete", "RemoveDir", "List",    "Rename", "UploadRestore", "DownloadRestore",
      "Download",  "Upload",   "UploadAppend", "ReInit", "Allocate", "NList", "DoCommand"};
  if (ordinal < 0 || ordinal >= static_cast<int>(kNames.size())) return {};
  return kNames[static_cast<std::size_t>(ordinal)];
}

TCmdType commandKind(std::string_view command) {
  const std::string word = nthField(command, ' ', 1) + " ";
  if (word == "CWD ") return TCmdType::ChangeDir;
  if (word == "DELE ") return TCmdType::Delete;
  if (word == "MKD ") return TCmdType::MakeDir;
  if (word == "RMD ") return TCmdType::RemoveDir;
  if (command == "PWD") return TCmdType::CurrentDir;
  return TCmdType::DoCommand;
}

bool isFailureReply(ReplyStep step, int code) {
  switch (step) {
    case ReplyStep::Greeting: return code >= 400;
    case ReplyStep::Login: return code >= 400 && code <= 599;
    case ReplyStep::Command: return code >= 400 && code <= 599;
    case ReplyStep::Passive: return code >= 500;
    case ReplyStep::Transfer:
    case ReplyStep::Quit: return code >= 301 && code <= 599;
  }
  return false;
}

bool replyContinues(std::string_view first, std::string_view current) {
  if (first.size() < 4 || first[3] != '-') return false;
  if (current.size() < 3 || current.substr(0, 3) != first.substr(0, 3)) return true;
  if (current.size() == 3) return false;
  const char after = current[3];
  return !(after == ' ' || after == '\r' || after == '\n');
}

int parsePasvPort(std::string_view reply) {
  const std::string shown(withoutLineEnd(reply));
  const std::string high = std::string(trimmed(nthField(reply, ',', 5)));
  const std::string lowField = nthField(reply, ',', 6);
  const std::size_t paren = lowField.find(')');
  if (paren == std::string::npos) throw ProtocolError("Malformed PASV reply (no closing parenthesis): " + shown);
  const std::string low = std::string(trimmed(std::string_view(lowField).substr(0, paren)));
  const long long hi = wholeNumber(high);
  const long long lo = wholeNumber(low);
  if (hi < 0 || hi > 255 || lo < 0 || lo > 255)
    throw ProtocolError("Malformed PASV reply (port is not a number): " + shown);
  const int port = static_cast<int>(hi * 256 + lo);
  if (port == 0) throw ProtocolError("Malformed PASV reply (port 0): " + shown);
  return port;
}

std::string portCommand(std::string_view localAddress, int port) {
  std::string fields;
  int dots = 0;
  for (char c : localAddress) {
    if (c == '.') {
      ++dots;
      fields += ',';
    } else if (c >= '0' && c <= '9') {
      fields += c;
    } else {
      throw ProtocolError("Active mode needs an IPv4 address, not " + std::string(localAddress));
    }
  }
  if (dots != 3) throw ProtocolError("Active mode needs an IPv4 address, not " + std::string(localAddress));
  return "PORT " + fields + "," + std::to_string(port / 256) + "," + std::to_string(port % 256);
}

long long parseByteCount(std::string_view line) {
  const std::string upper = upperAscii(line);
  const std::size_t at = upper.find("BYTE");
  if (at == std::string::npos) return 0;
  std::size_t end = at;
  while (end > 0 && !(upper[end - 1] >= '0' && upper[end - 1] <= '9')) --end;
  if (end == 0) return 0;
  std::size_t begin = end;
  while (begin > 0 && upper[begin - 1] >= '0' && upper[begin - 1] <= '9') --begin;
  if (begin > 0 && upper[begin - 1] == '-') return 0;
  const long long n = wholeNumber(std::string_view(upper).substr(begin, end - begin));
  return n < 0 ? 0 : n;
}

int vendorFromSyst(std::string_view reply) {
  struct Row {
    const char* word;
    int vendor;
  };
  static constexpr std::array<Row, 8> kWords{{{"UNIX", 2400},
                                              {"NETWARE", 2416},
                                              {"DOS", 2401},
                                              {"VMS", 2406},
                                              {"MVS", 2408},
                                              {"VM", 2402},
                                              {"MACOS", 2404},
                                              {"OS/400", 2414}}};
  const std::string upper = upperAscii(reply);
  for (const Row& r : kWords)
    if (upper.find(r.word) != std::string::npos) return r.vendor;
  return 2410;
}

bool vendorHasUnixListing(int vendor) {
  switch (vendor) {
    case 2400: case 2416: case 2401: case 2406: case 2408:
    case 2402: case 2404: case 2414: case 2410: return true;
    default: return false;
  }
}

std::string currentDirFromReply(std::string_view reply) {
  const std::size_t open = reply.find('"');
  if (open == std::string_view::npos) return {};
  std::string dir;
  for (std::size_t i = open + 1; i < reply.size(); ++i) {
    if (reply[i] != '"') {
      dir += reply[i];
    } else if (i + 1 < reply.size() && reply[i + 1] == '"') {
      dir += '"';
      ++i;
    } else {
      return dir;
    }
  }
  return {};  // no closing quote
}

std::string listingLine(std::string_view raw) {
  if (raw.size() <= 2) return std::string(raw);
  if (raw.back() != '\n') return std::string(raw);
  const std::size_t cut = raw[raw.size() - 2] == '\r' ? 2 : 1;
  return std::string(raw.substr(0, raw.size() - cut));
}

std::optional<ListColumns> parseUnixListLine(std::string_view line) {
  line = withoutLineEnd(line);
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    if (i >= line.size()) break;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    words.push_back(line.substr(start, i - start));
  }
  const std::size_t n = words.size();
  if (n <= 7) return std::nullopt;
  ListColumns c;
  c.attr = words[0];
  c.size = words[n - 5];
  c.date = std::string(words[n - 4]) + " " + std::string(words[n - 3]) + " " + std::string(words[n - 2]);
  c.name = words[n - 1];
  return c;
}

}  // namespace qm::net
