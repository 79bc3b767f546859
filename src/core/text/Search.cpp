#include "core/text/Search.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace qm {
namespace {

constexpr std::size_t npos = std::string_view::npos;

// Boyer-Moore-Horspool over case-folded bytes (the shift table is indexed by
// folded bytes, as is every byte read from the text).
class Finder {
 public:
  Finder(std::string_view pattern, bool caseSensitive) : m_(pattern.size()) {
    for (std::size_t c = 0; c < 256; ++c) {
      fold_[c] = static_cast<unsigned char>(!caseSensitive && c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    pat_.resize(m_);
    for (std::size_t k = 0; k < m_; ++k) pat_[k] = fold_[static_cast<unsigned char>(pattern[k])];
    shift_.fill(m_);
    for (std::size_t k = 0; k + 1 < m_; ++k) shift_[pat_[k]] = m_ - 1 - k;
  }

  // First index in [pos, end - m] where the pattern matches, or npos.
  std::size_t find(const unsigned char* h, std::size_t pos, std::size_t end) const {
    if (m_ == 0 || end < m_) return npos;
    const std::size_t last = m_ - 1;
    const unsigned char lastByte = pat_[last];
    for (std::size_t i = pos; i + last < end;) {
      const unsigned char c = fold_[h[i + last]];
      if (c == lastByte) {
        std::size_t k = 0;
        while (k < last && fold_[h[i + k]] == pat_[k]) ++k;
        if (k == last) return i;
      }
      i += shift_[c];
    }
    return npos;
  }

 private:
  std::size_t m_;
  std::array<unsigned char, 256> fold_{};
  std::array<std::size_t, 256> shift_{};
  std::basic_string<unsigned char> pat_;
};

// Searches text[start, end) for an occurrence inside one line.
std::size_t findInLines(std::string_view text, std::string_view pattern, bool caseSensitive, std::size_t start,
                        std::size_t end) {
  if (pattern.find("\r\n") != npos) return npos;  // a line never holds a line break
  const bool endsWithCr = pattern.back() == '\r';
  const bool startsWithLf = pattern.front() == '\n';
  const auto* h = reinterpret_cast<const unsigned char*>(text.data());
  const Finder finder(pattern, caseSensitive);
  for (std::size_t pos = start;;) {
    const std::size_t o = finder.find(h, pos, end);
    if (o == npos) return npos;
    const bool splitsBreak = (endsWithCr && o + pattern.size() < text.size() && text[o + pattern.size()] == '\n') ||
                             (startsWithLf && o > 0 && text[o - 1] == '\r');
    if (!splitsBreak) return o;
    pos = o + 1;
  }
}

std::size_t startOffset(std::int64_t from) { return from <= 1 ? 0 : static_cast<std::size_t>(from - 1); }

std::int64_t result(std::size_t o) { return o == npos ? -1 : static_cast<std::int64_t>(o); }

// The end of the line (its break included) on which offset `limit` lies.
std::size_t endOfLineAt(std::string_view text, std::int64_t limit) {
  if (limit >= static_cast<std::int64_t>(text.size())) return text.size();
  const std::size_t p = limit < 0 ? 0 : static_cast<std::size_t>(limit);
  if (p > 0 && text[p - 1] == '\r' && text[p] == '\n') return p + 1;
  const std::size_t br = text.find("\r\n", p);
  return br == npos ? text.size() : br + 2;
}

std::int64_t searchLines(const std::vector<std::string>& lines, std::string_view pattern, bool caseSensitive,
                         std::int64_t from, std::int64_t limit) {
  if (pattern.empty()) return -1;
  const std::size_t start = startOffset(from);
  const Finder finder(pattern, caseSensitive);
  std::size_t lineStart = 0;
  for (const auto& line : lines) {
    const std::size_t lineEnd = lineStart + line.size() + 2;
    if (lineStart + line.size() > start) {
      const std::size_t pos = start > lineStart ? start - lineStart : 0;
      const std::size_t o = finder.find(reinterpret_cast<const unsigned char*>(line.data()), pos, line.size());
      if (o != npos) return static_cast<std::int64_t>(lineStart + o);
    }
    if (static_cast<std::int64_t>(lineEnd) > limit) break;
    lineStart = lineEnd;
  }
  return -1;
}

}  // namespace

std::int64_t searchTS2(std::string_view text, std::string_view pattern, bool caseSensitive, std::int64_t from) {
  if (pattern.empty()) return -1;
  return result(findInLines(text, pattern, caseSensitive, startOffset(from), text.size()));
}

std::int64_t searchTS3(std::string_view text, std::string_view pattern, bool caseSensitive, std::int64_t from,
                       std::int64_t limit) {
  if (pattern.empty()) return -1;
  return result(findInLines(text, pattern, caseSensitive, startOffset(from), endOfLineAt(text, limit)));
}

std::int64_t searchTS2(const std::vector<std::string>& lines, std::string_view pattern, bool caseSensitive,
                       std::int64_t from) {
  return searchLines(lines, pattern, caseSensitive, from, std::numeric_limits<std::int64_t>::max());
}

std::int64_t searchTS3(const std::vector<std::string>& lines, std::string_view pattern, bool caseSensitive,
                       std::int64_t from, std::int64_t limit) {
  return searchLines(lines, pattern, caseSensitive, from, limit);
}

}  // namespace qm
