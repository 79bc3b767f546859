#include "core/hebrew/LineReorder.h"

namespace qm::hebrew {

bool isRunChar(unsigned char c) {
  if (c >= 0xE0 && c <= 0xFA) return true;
  switch (c) {
    case ' ':
    case '!':
    case '"':
    case ',':
    case '.':
    case ':':
    case '?':
      return true;
    default:
      return false;
  }
}

namespace {

// Emits one line: its segments in reverse order, run segments reversed.
void emitLine(std::string_view line, std::string& out) {
  std::size_t end = line.size();
  while (end > 0) {
    const bool run = isRunChar(static_cast<unsigned char>(line[end - 1]));
    std::size_t begin = end;
    while (begin > 0 && isRunChar(static_cast<unsigned char>(line[begin - 1])) == run) --begin;
    if (run) {
      for (std::size_t i = end; i > begin; --i) out += line[i - 1];
    } else {
      out.append(line.substr(begin, end - begin));
    }
    end = begin;
  }
}

}  // namespace

std::string reorderLines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    emitLine(text.substr(start, i - start), out);
    out += text[i];
    start = i + 1;
  }
  emitLine(text.substr(start), out);
  return out;
}

}  // namespace qm::hebrew
