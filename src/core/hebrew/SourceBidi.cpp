#include "core/hebrew/SourceBidi.h"

#include <algorithm>

namespace qm::bidi {

namespace {

constexpr char16_t LRM = 0x200E, RLM = 0x200F, ALM = 0x061C;
constexpr char16_t LRE = 0x202A, RLE = 0x202B, PDF = 0x202C, LRO = 0x202D, RLO = 0x202E;
constexpr char16_t LRI = 0x2066, RLI = 0x2067, FSI = 0x2068, PDI = 0x2069;
constexpr char16_t ZWNJ = 0x200C, ZWJ = 0x200D;

bool isAsciiLetter(char16_t u) { return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z'); }
bool isDigit(char16_t u) { return u >= '0' && u <= '9'; }
bool isHexDigit(char16_t u) { return isDigit(u) || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F'); }
bool isSpace(char16_t u) { return u == ' ' || u == '\t'; }

// Length of the character reference at `i` ("&amp;", "&#1488;", "&#x200F;"),
// or 0 when none starts there.
std::size_t entityAt(std::u16string_view s, std::size_t i) {
  if (s[i] != '&') return 0;
  std::size_t j = i + 1;
  if (j < s.size() && s[j] == '#') {
    ++j;
    const bool hex = j < s.size() && (s[j] == 'x' || s[j] == 'X');
    if (hex) ++j;
    const std::size_t digits = j;
    while (j < s.size() && (hex ? isHexDigit(s[j]) : isDigit(s[j]))) ++j;
    if (j == digits) return 0;
  } else {
    if (j >= s.size() || !isAsciiLetter(s[j])) return 0;
    while (j < s.size() && (isAsciiLetter(s[j]) || isDigit(s[j]))) ++j;
  }
  return j < s.size() && s[j] == ';' ? j + 1 - i : 0;
}

// Collects runs, merging neighbours of the same kind.
class RunList {
 public:
  explicit RunList(std::u16string_view line) : line_(line) {}
  void add(std::size_t start, std::size_t length, RunKind kind) {
    if (length == 0) return;
    if (!runs_.empty() && runs_.back().kind == kind && runs_.back().start + runs_.back().length == start) {
      runs_.back().length += length;
      return;
    }
    runs_.push_back(Run{start, length, kind, Dir::Neutral});
  }
  std::vector<Run> take() {
    for (Run& r : runs_) r.dir = firstStrong(line_.substr(r.start, r.length));
    return std::move(runs_);
  }

 private:
  std::u16string_view line_;
  std::vector<Run> runs_;
};

// One scan of a line; `runs` may be null (state only).
Scan scan(std::u16string_view s, Scan state, RunList* runs) {
  const std::size_t n = s.size();
  std::size_t i = 0;
  std::size_t textStart = 0;  // start of the pending text run
  auto flushText = [&](std::size_t end) {
    if (runs) runs->add(textStart, end - textStart, RunKind::Text);
  };
  auto markup = [&](std::size_t at, std::size_t length) {
    if (runs) runs->add(at, length, RunKind::Markup);
    i = at + length;
    textStart = i;
  };
  // Ends the pending text run with a markup stretch at i.
  auto markupAfterText = [&](std::size_t length) {
    flushText(i);
    markup(i, length);
  };
  // A character of text, or a character reference (markup) in it.
  auto textOrReference = [&] {
    if (const std::size_t e = entityAt(s, i)) markupAfterText(e);
    else ++i;
  };
  while (i < n) {
    const char16_t c = s[i];
    switch (state) {
      case Scan::Text: {
        if (c == '<' && s.substr(i, 4) == u"<!--") {
          markupAfterText(4);
          state = Scan::Comment;
        } else if (c == '<' && i + 1 < n && (isAsciiLetter(s[i + 1]) || s[i + 1] == '/' || s[i + 1] == '!' || s[i + 1] == '?')) {
          markupAfterText(1);
          state = Scan::Tag;
        } else {
          textOrReference();
        }
        break;
      }
      case Scan::Comment:
        if (c == '-' && s.substr(i, 3) == u"-->") {
          markupAfterText(3);
          state = Scan::Text;
        } else {
          ++i;
        }
        break;
      case Scan::Tag:
        if (c == '>') {
          markup(i, 1);
          state = Scan::Text;
        } else if (c == '"' || c == '\'') {
          markup(i, 1);
          state = c == '"' ? Scan::DoubleQuoted : Scan::SingleQuoted;
        } else if (c == '=') {
          markup(i, 1);
          while (i < n && isSpace(s[i])) markup(i, 1);
          // An unquoted value is text up to a space or the tag's end.
          if (i < n && s[i] != '"' && s[i] != '\'' && s[i] != '>') {
            std::size_t j = i;
            while (j < n && !isSpace(s[j]) && s[j] != '>') ++j;
            textStart = i;
            i = j;
            flushText(j);
            textStart = j;
          }
        } else {
          markup(i, 1);
        }
        break;
      case Scan::DoubleQuoted:
      case Scan::SingleQuoted: {
        const char16_t quote = state == Scan::DoubleQuoted ? '"' : '\'';
        if (c == quote) {
          markupAfterText(1);
          state = Scan::Tag;
        } else {
          textOrReference();
        }
        break;
      }
    }
  }
  if (state != Scan::Tag) flushText(n);
  return state;
}

bool isReorderRunChar(char16_t u) {
  if (u >= 0x05D0 && u <= 0x05EA) return true;
  return u == ' ' || u == '!' || u == '"' || u == ',' || u == '.' || u == ':' || u == '?';
}

// Builds a display text and its position map.
class DisplayBuilder {
 public:
  explicit DisplayBuilder(std::u16string_view line) : line_(line) {
    out_.toDisplay.assign(line.size() + 1, 0);
    out_.rtl.assign(line.size(), 0);
    out_.text.reserve(line.size() + 8);
  }
  void control(char16_t u) { out_.text += u; }
  void chars(std::size_t start, std::size_t length, bool rtl = false) {
    for (std::size_t i = start; i < start + length; ++i) {
      const char16_t u = line_[i];
      out_.rtl[i] = rtl ? 1 : 0;
      out_.toDisplay[i] = static_cast<std::int32_t>(out_.text.size());
      if (const char16_t symbol = markSymbol(u)) {
        // The strong marks keep their effect on the text around them.
        if (u == LRM || u == RLM || u == ALM) out_.text += u;
        out_.marks.push_back(static_cast<std::int32_t>(out_.text.size()));
        out_.text += symbol;
      } else {
        out_.text += u;
      }
    }
    out_.toDisplay[start + length] = static_cast<std::int32_t>(out_.text.size());
  }
  Display take() { return std::move(out_); }

 private:
  std::u16string_view line_;
  Display out_;
};

}  // namespace

Dir strongDir(char16_t u) {
  if (u == LRM) return Dir::Ltr;
  if (u == RLM || u == ALM) return Dir::Rtl;
  if (u < 0x80) return isAsciiLetter(u) ? Dir::Ltr : Dir::Neutral;
  if (u < 0x0100) return u == 0xAA || u == 0xB5 || u == 0xBA || (u >= 0xC0 && u != 0xD7 && u != 0xF7) ? Dir::Ltr : Dir::Neutral;
  if (u >= 0x0590 && u <= 0x08FF) {
    // Hebrew points and Arabic marks and digits take the direction of their letters.
    if (u <= 0x05C7 && u != 0x05BE && u != 0x05C0 && u != 0x05C3 && u != 0x05C6) return Dir::Neutral;
    if ((u >= 0x0610 && u <= 0x061A) || (u >= 0x064B && u <= 0x0669) || u == 0x0670 || (u >= 0x06D6 && u <= 0x06ED) ||
        (u >= 0x06F0 && u <= 0x06F9))
      return Dir::Neutral;
    return Dir::Rtl;
  }
  if ((u >= 0xFB1D && u <= 0xFDFF) || (u >= 0xFE70 && u <= 0xFEFE)) return u == 0xFB1E ? Dir::Neutral : Dir::Rtl;
  if (u >= 0x0300 && u <= 0x036F) return Dir::Neutral;  // combining marks
  if (u >= 0x2000 && u <= 0x2BFF) return Dir::Neutral;  // punctuation, symbols, arrows
  if ((u >= 0x3000 && u <= 0x303F) || (u >= 0xD800 && u <= 0xDFFF) || (u >= 0xE000 && u <= 0xF8FF) ||
      (u >= 0xFE00 && u <= 0xFE6F) || (u >= 0xFF00 && u <= 0xFF20) || u >= 0xFFF0)
    return Dir::Neutral;
  return Dir::Ltr;
}

Dir firstStrong(std::u16string_view text) {
  for (const char16_t u : text) {
    if (const Dir d = strongDir(u); d != Dir::Neutral) return d;
  }
  return Dir::Neutral;
}

SplitLine splitLine(std::u16string_view line, Scan start) {
  RunList runs(line);
  SplitLine out;
  out.end = scan(line, start, &runs);
  out.runs = runs.take();
  return out;
}

Scan scanLine(std::u16string_view line, Scan start) { return scan(line, start, nullptr); }

Display displayLine(std::u16string_view line, Scan start, Order order) {
  DisplayBuilder b(line);
  switch (order) {
    case Order::Stored:
      b.control(LRO);
      b.chars(0, line.size());
      b.control(PDF);
      break;
    case Order::Logical:
      for (const Run& r : splitLine(line, start).runs) {
        const bool text = r.kind == RunKind::Text;
        b.control(!text ? LRO : r.dir == Dir::Rtl ? RLI : LRI);
        b.chars(r.start, r.length, text && r.dir == Dir::Rtl);
        b.control(text ? PDI : PDF);
      }
      break;
    case Order::Reordered: {
      // Everything forced right to left, the other segments forced back left
      // to right inside: the segments come out in reverse order, run
      // characters reversed, other characters in their order.
      b.control(RLO);
      std::size_t i = 0;
      while (i < line.size()) {
        const bool run = isReorderRunChar(line[i]);
        std::size_t j = i;
        while (j < line.size() && isReorderRunChar(line[j]) == run) ++j;
        if (!run) b.control(LRO);
        b.chars(i, j - i, run);
        if (!run) b.control(PDF);
        i = j;
      }
      b.control(PDF);
      break;
    }
  }
  return b.take();
}

char16_t markSymbol(char16_t u) {
  switch (u) {
    case LRM: return 0x2192;  // arrow right
    case RLM:
    case ALM: return 0x2190;  // arrow left
    case ZWJ: return 0x2040;  // tie
    case ZWNJ: return 0x00A6;  // broken bar
    case LRE:
    case LRO:
    case LRI: return 0x25B7;  // triangle pointing right
    case RLE:
    case RLO:
    case RLI: return 0x25C1;  // triangle pointing left
    case FSI: return 0x25C7;  // diamond
    case PDF:
    case PDI: return 0x25AB;  // small square
    default: return 0;
  }
}

}  // namespace qm::bidi
