#include "core/text/Search.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <limits>

namespace qm {
namespace {

constexpr std::size_t npos = std::string_view::npos;

// Finds a pattern by looking for one of its bytes, the anchor, with memchr
// (which the C library runs over many bytes at a time) and comparing the whole
// pattern only where the anchor occurs. The anchor is the pattern byte that is
// rarest in a sample of the text searched, so markup searches ("<META",
// "</TITLE>") do not stop at every "<". A case-blind letter is looked for in
// both cases.
class Finder {
 public:
  Finder(std::string_view pattern, bool caseSensitive) : caseSensitive_(caseSensitive) {
    for (std::size_t c = 0; c < 256; ++c) {
      fold_[c] = static_cast<unsigned char>(!caseSensitive && c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    pat_.resize(pattern.size());
    for (std::size_t k = 0; k < pattern.size(); ++k) pat_[k] = fold_[static_cast<unsigned char>(pattern[k])];
  }

  // First index in [pos, end - m] where the pattern matches, or npos.
  std::size_t find(const unsigned char* h, std::size_t pos, std::size_t end) {
    const std::size_t m = pat_.size();
    if (m == 0 || end < m || pos > end - m) return npos;
    if (!anchorChosen_) {
      addSample(h + pos, end - pos);
      chooseAnchor();
    }
    const unsigned char* const lo = h + pos + anchor_;     // first place the anchor may be
    const unsigned char* const hi = h + end - m + anchor_ + 1;  // one past the last
    // The anchor is looked for in windows that double in size from the start
    // position: a case-blind anchor whose other case never occurs would
    // otherwise be looked for up to the end of the text on every call, and a
    // replace all calling once per occurrence would take time quadratic in
    // the text. This way a call costs about the distance to what it finds.
    std::size_t window = 256;
    for (const unsigned char* from = lo; from < hi;) {
      const unsigned char* const to = static_cast<std::size_t>(hi - from) > window ? from + window : hi;
      auto next = [to](unsigned char b, const unsigned char* at) -> const unsigned char* {
        return at < to ? static_cast<const unsigned char*>(std::memchr(at, b, static_cast<std::size_t>(to - at)))
                       : nullptr;
      };
      const unsigned char* p1 = next(anchor1_, from);
      const unsigned char* p2 = hasAnchor2_ ? next(anchor2_, from) : nullptr;
      while (p1 || p2) {
        const bool first = p1 && (!p2 || p1 < p2);
        const unsigned char* a = first ? p1 : p2;
        const unsigned char* start = a - anchor_;
        std::size_t k = 0;
        while (k < m && fold_[start[k]] == pat_[k]) ++k;
        if (k == m) return static_cast<std::size_t>(start - h);
        if (first) {
          p1 = next(anchor1_, a + 1);
        } else {
          p2 = next(anchor2_, a + 1);
        }
      }
      from = to;
      if (window < (std::size_t{1} << 20)) window *= 2;
    }
    return npos;
  }

  static constexpr std::size_t kSample = 4096;

  // Counts the bytes of a piece of the text to search (up to kSample in all).
  void addSample(const unsigned char* p, std::size_t n) {
    n = std::min(n, kSample - sampled_);
    for (std::size_t i = 0; i < n; ++i) ++count_[p[i]];
    sampled_ += n;
  }
  bool sampleFull() const { return sampled_ >= kSample; }

  void chooseAnchor() {
    const auto& count = count_;
    std::uint64_t best = std::numeric_limits<std::uint64_t>::max();
    for (std::size_t k = pat_.size(); k-- > 0;) {
      const unsigned char b = pat_[k];
      const bool twoCases = !caseSensitive_ && b >= 'A' && b <= 'Z';
      const std::uint64_t score = count[b] + (twoCases ? count[b - 'A' + 'a'] : 0u);
      if (score < best) {
        best = score;
        anchor_ = k;
      }
    }
    anchor1_ = pat_[anchor_];
    hasAnchor2_ = !caseSensitive_ && anchor1_ >= 'A' && anchor1_ <= 'Z';
    anchor2_ = static_cast<unsigned char>(hasAnchor2_ ? anchor1_ - 'A' + 'a' : anchor1_);
    anchorChosen_ = true;
  }

 private:
  std::array<std::uint32_t, 256> count_{};
  std::size_t sampled_ = 0;
  bool caseSensitive_;
  std::array<unsigned char, 256> fold_{};
  std::basic_string<unsigned char> pat_;
  bool anchorChosen_ = false;
  std::size_t anchor_ = 0;
  unsigned char anchor1_ = 0, anchor2_ = 0;
  bool hasAnchor2_ = false;
};

// Searches text[start, end) for an occurrence inside one line.
std::size_t findInLines(std::string_view text, std::string_view pattern, bool caseSensitive, std::size_t start,
                        std::size_t end) {
  if (pattern.find("\r\n") != npos) return npos;  // a line never holds a line break
  const bool endsWithCr = pattern.back() == '\r';
  const bool startsWithLf = pattern.front() == '\n';
  const auto* h = reinterpret_cast<const unsigned char*>(text.data());
  Finder finder(pattern, caseSensitive);
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
  Finder finder(pattern, caseSensitive);
  for (const auto& line : lines) {
    if (finder.sampleFull()) break;
    finder.addSample(reinterpret_cast<const unsigned char*>(line.data()), line.size());
  }
  finder.chooseAnchor();
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
