#include "core/text/FindReplace.h"

#include <algorithm>
#include <cstring>

#include "core/text/Search.h"

namespace qm::find {
namespace {

// searchTS2 numbers characters from 1: the match at offset >= from is the
// one at number >= from + 1.
std::int64_t searchFrom(std::string_view text, std::string_view pattern, bool caseSensitive, std::int64_t from) {
  if (pattern.empty()) return -1;
  return searchTS2(text, pattern, caseSensitive, std::max<std::int64_t>(from, 0) + 1);
}

// The earlier of two search results (-1 = none).
std::int64_t earlier(std::int64_t a, std::int64_t b) {
  if (a < 0) return b;
  if (b < 0) return a;
  return std::min(a, b);
}

// Calls f(crOffset) for each CR LF of text[0, end), in order, until f returns false.
template <class F>
void forEachBreak(std::string_view text, std::size_t end, F f) {
  end = std::min(end, text.size());
  std::size_t pos = 1;
  while (pos < end) {
    const void* hit = std::memchr(text.data() + pos, '\n', end - pos);
    if (hit == nullptr) return;
    const std::size_t lf = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
    if (text[lf - 1] == '\r' && !f(lf - 1)) return;
    pos = lf + 1;
  }
}

}  // namespace

Pattern makePattern(std::string_view typed, bool caseSensitive, HebrewStandard standard) {
  Pattern p{std::string(typed), xferheb(typed, true, true, standard), caseSensitive};
  if (p.visual == p.typed) p.visual.clear();
  return p;
}

std::int64_t findNext(std::string_view text, const Pattern& p, std::int64_t from) {
  if (p.typed.empty()) return -1;
  return earlier(searchFrom(text, p.typed, p.caseSensitive, from),
                 searchFrom(text, p.visual, p.caseSensitive, from));
}

Replaced replaceAll(std::string_view text, const Pattern& p, std::string_view replacement) {
  Replaced out;
  if (p.typed.empty()) {
    out.text = std::string(text);
    return out;
  }
  const auto length = static_cast<std::int64_t>(p.typed.size());
  // The next occurrence of each form at or after the scan position; -2: not
  // searched yet. Text after the scan position is never changed, so an
  // occurrence found earlier is still there.
  std::int64_t nextTyped = -2;
  std::int64_t nextVisual = p.visual.empty() ? -1 : -2;
  std::int64_t pos = 0;
  out.text.reserve(text.size());
  for (;;) {
    if (nextTyped == -2 || (nextTyped >= 0 && nextTyped < pos))
      nextTyped = searchFrom(text, p.typed, p.caseSensitive, pos);
    if (nextVisual == -2 || (nextVisual >= 0 && nextVisual < pos))
      nextVisual = searchFrom(text, p.visual, p.caseSensitive, pos);
    const std::int64_t r = earlier(nextTyped, nextVisual);
    if (r < 0) break;
    out.text.append(text.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(r - pos)));
    out.text.append(replacement);
    out.caret = static_cast<std::int64_t>(out.text.size());
    ++out.count;
    pos = r + length;
  }
  out.text.append(text.substr(static_cast<std::size_t>(pos)));
  return out;
}

std::int64_t lineCount(std::string_view text) {
  std::int64_t breaks = 0;
  forEachBreak(text, text.size(), [&](std::size_t) {
    ++breaks;
    return true;
  });
  const bool endsWithBreak = text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
  return text.empty() ? 0 : breaks + (endsWithBreak ? 0 : 1);
}

std::int64_t lineNumberAt(std::string_view text, std::int64_t offset) {
  std::int64_t line = 1;
  // A break counts once the caret is past both of its characters.
  forEachBreak(text, static_cast<std::size_t>(std::max<std::int64_t>(offset, 0)), [&](std::size_t) {
    ++line;
    return true;
  });
  return line;
}

std::optional<std::int64_t> lineEndOffset(std::string_view text, std::int64_t n) {
  if (n < 0 || n > lineCount(text)) return std::nullopt;
  if (n == 0) return text.empty() || text.substr(0, 2) == "\r\n" ? 0 : 1;
  std::int64_t seen = 0;
  std::int64_t at = static_cast<std::int64_t>(text.size());  // the last line has no break
  forEachBreak(text, text.size(), [&](std::size_t cr) {
    if (++seen < n) return true;
    at = static_cast<std::int64_t>(cr);
    return false;
  });
  return at;
}

}  // namespace qm::find
