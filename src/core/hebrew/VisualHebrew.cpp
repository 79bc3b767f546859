#include "core/hebrew/VisualHebrew.h"

#include <vector>

namespace qm {

namespace {

char mirrored(char c) {
  switch (c) {
    case '(': return ')';
    case ')': return '(';
    case '{': return '}';
    case '}': return '{';
    case '[': return ']';
    case ']': return '[';
    default: return c;
  }
}

// Whether each space is an inner space (its nearest non-space characters on
// both sides, or the line's edge, are no Hebrew letters), for every position
// at once: two passes instead of a walk over the
// surrounding spaces per space, which would be quadratic in a run of spaces.
std::vector<char> innerSpaces(std::string_view t) {
  const std::size_t n = t.size();
  std::vector<char> inner(n, 0);
  bool leftHebrew = false;  // nearest non-space on the left is Hebrew
  for (std::size_t i = 0; i < n; ++i) {
    if (t[i] == ' ') {
      inner[i] = leftHebrew ? 0 : 1;
    } else {
      leftHebrew = isHebrewLetter(t[i]);
    }
  }
  bool rightHebrew = false;
  for (std::size_t i = n; i-- > 0;) {
    if (t[i] == ' ') {
      if (rightHebrew) inner[i] = 0;
    } else {
      rightHebrew = isHebrewLetter(t[i]);
    }
  }
  return inner;
}

}  // namespace

std::string xferheb(std::string_view s, bool hebrewOnly, bool mirror, HebrewStandard standard) {
  if (standard != HebrewStandard::IsoVisual) return std::string(s);
  std::string r(s.rbegin(), s.rend());
  if (mirror) {
    for (char& c : r) c = mirrored(c);
  }
  if (!hebrewOnly || r.empty()) return r;

  const std::string_view t = r;
  const std::size_t n = t.size();
  const std::vector<char> inner = innerSpaces(t);
  std::string out;
  out.reserve(n);
  std::size_t i = 0;
  while (i < n) {
    // Hebrew letters and the spaces next to them stay reversed.
    while (i < n && (isHebrewLetter(t[i]) || t[i] == ' ')) out += t[i++];
    // A non-Hebrew run goes back to its original order. A space ends it unless
    // it lies between two non-Hebrew characters.
    const std::size_t start = i;
    while (i < n && !isHebrewLetter(t[i]) && (t[i] != ' ' || inner[i])) ++i;
    out.append(t.rbegin() + static_cast<std::ptrdiff_t>(n - i), t.rbegin() + static_cast<std::ptrdiff_t>(n - start));
  }
  return out;
}

}  // namespace qm
