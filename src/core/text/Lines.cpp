#include "core/text/Lines.h"

#include <algorithm>

namespace qm::lines {

LineEnd detectLineEnd(std::string_view text) {
  const auto pos = text.find_first_of("\r\n");
  if (pos == std::string_view::npos) return LineEnd::CrLf;
  if (text[pos] == '\n') return LineEnd::Lf;
  return pos + 1 < text.size() && text[pos + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
}

std::string toCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string fromCrLf(std::string_view crlfText, LineEnd end) {
  if (end == LineEnd::CrLf) return std::string(crlfText);
  const char sep = end == LineEnd::Lf ? '\n' : '\r';
  std::string out;
  out.reserve(crlfText.size());
  for (std::size_t i = 0; i < crlfText.size(); ++i) {
    if (crlfText[i] == '\r' && i + 1 < crlfText.size() && crlfText[i + 1] == '\n') {
      out += sep;
      ++i;
    } else {
      out += crlfText[i];
    }
  }
  return out;
}

std::vector<std::string> split(std::string_view crlfText) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < crlfText.size()) {
    const auto pos = crlfText.find("\r\n", start);
    if (pos == std::string_view::npos) {
      out.emplace_back(crlfText.substr(start));
      break;
    }
    out.emplace_back(crlfText.substr(start, pos - start));
    start = pos + 2;
  }
  return out;
}

std::string joinTerminated(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

std::string join(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += "\r\n";
    out += lines[i];
  }
  return out;
}

std::vector<std::size_t> lineStarts(std::string_view crlfText) {
  std::vector<std::size_t> starts{0};
  for (auto pos = crlfText.find("\r\n"); pos != std::string_view::npos; pos = crlfText.find("\r\n", pos + 2))
    starts.push_back(pos + 2);
  return starts;
}

LineCol lineColAt(const std::vector<std::size_t>& starts, std::size_t offset) {
  if (starts.empty()) return {};
  const auto it = std::upper_bound(starts.begin(), starts.end(), offset);
  const std::size_t line = static_cast<std::size_t>(it - starts.begin()) - 1;
  return {line, offset - starts[line]};
}

}  // namespace qm::lines
