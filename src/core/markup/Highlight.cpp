#include "core/markup/Highlight.h"

#include <array>

namespace qm::highlight {
namespace {

// What a character means to the scanner.
enum Cls : std::uint8_t { Plain, Escape, Cr, Open, Close, Hebrew, Latin };

constexpr std::array<Cls, 256> makeByteClasses() {
  std::array<Cls, 256> t{};
  for (auto& c : t) c = Plain;
  t['\\'] = Escape;
  t['{'] = Escape;
  t['}'] = Escape;
  t['\r'] = Cr;
  t['<'] = Open;
  t['>'] = Close;
  for (int c = 'A'; c <= 'Z'; ++c) t[static_cast<std::size_t>(c)] = Latin;
  for (int c = 'a'; c <= 'z'; ++c) t[static_cast<std::size_t>(c)] = Latin;
  for (int c = 0xE0; c <= 0xFA; ++c) t[static_cast<std::size_t>(c)] = Hebrew;
  return t;
}
constexpr std::array<Cls, 256> kByteClass = makeByteClasses();

// Whether a class is copied without any action, given the Hebrew-run flag:
// Latin letters outside a Hebrew run and Hebrew letters inside one. Escapes
// need an action only when RTF is written.
constexpr bool quiet(Cls c, bool hebrewRun, bool escapes) {
  return c == Plain || (c == Escape && !escapes) || (c == Latin && !hebrewRun) || (c == Hebrew && hebrewRun);
}

// quiet() per byte, for [escapes][hebrewRun]: one load per byte in the inner loop.
using QuietTable = std::array<std::array<bool, 256>, 2>;
constexpr std::array<QuietTable, 2> makeQuietTables() {
  std::array<QuietTable, 2> t{};
  for (std::size_t e = 0; e < 2; ++e) {
    for (std::size_t h = 0; h < 2; ++h) {
      for (std::size_t b = 0; b < 256; ++b) t[e][h][b] = quiet(kByteClass[b], h != 0, e != 0);
    }
  }
  return t;
}
constexpr std::array<QuietTable, 2> kQuiet = makeQuietTables();

inline Cls classOf(char c) { return kByteClass[static_cast<unsigned char>(c)]; }
inline Cls classOf(char16_t c) {
  if (c < 0x80) return kByteClass[c];
  return c >= 0x05D0 && c <= 0x05EA ? Hebrew : Plain;
}

inline bool isQuiet(const std::array<bool, 256>& table, char c) { return table[static_cast<unsigned char>(c)]; }
inline bool isQuiet(const std::array<bool, 256>& table, char16_t c) {
  if (c < 0x80) return table[c];
  const bool hebrew = c >= 0x05D0 && c <= 0x05EA;
  return !hebrew || table[0xE0];  // a Hebrew letter is quiet exactly when byte 0xE0 is
}

// The state machine. The sink hears: copy(i, j) for text copied as it is,
// escape(i) for a "\", "{" or "}", prefix(i, mode, rtl) for a colour/font switch
// that applies from offset i on, lineBreak(i, n) for a CR (n = 1) or CR LF (n = 2).
template <class Char, class Sink>
ScanState run(std::basic_string_view<Char> s, std::size_t from, std::size_t to, ScanState st, Sink& sink) {
  const std::size_t n = s.size();
  if (to > n) to = n;
  std::size_t i = from;
  while (i < to) {
    std::size_t j = i;
    const auto& table = kQuiet[Sink::kEscapes ? 1 : 0][st.hebrewRun ? 1 : 0];
    while (j < to && isQuiet(table, s[j])) ++j;
    if (j > i) sink.copy(i, j);
    if (j >= to) break;
    const Char c = s[j];
    switch (classOf(c)) {
      case Escape:
        sink.escape(j);
        i = j + 1;
        break;
      case Cr:
        if (st.hebrewRun) {
          st.hebrewRun = false;
          st.rtl = false;
          sink.prefix(j, st.mode, false);
        }
        if (j + 1 < to && s[j + 1] == Char('\n')) {
          sink.lineBreak(j, 2);
          i = j + 2;
        } else {
          sink.lineBreak(j, 1);
          i = j + 1;
        }
        break;
      case Open:
        if (st.mode == Mode::Text) {
          const bool remark = j + 3 < n && s[j + 1] == Char('!') && s[j + 2] == Char('-') && s[j + 3] == Char('-');
          st.mode = remark ? Mode::Remark : Mode::Tag;
          st.rtl = false;
          sink.prefix(j, st.mode, false);
        }
        sink.copy(j, j + 1);
        i = j + 1;
        break;
      case Close:
        sink.copy(j, j + 1);
        if (st.mode == Mode::Tag ||
            (st.mode == Mode::Remark && j >= 2 && s[j - 1] == Char('-') && s[j - 2] == Char('-'))) {
          st.mode = Mode::Text;
          st.rtl = false;
          sink.prefix(j + 1, Mode::Text, false);
        }
        i = j + 1;
        break;
      case Hebrew:  // first letter of a Hebrew run
        st.hebrewRun = true;
        st.rtl = true;
        sink.prefix(j, st.mode, true);
        i = j;  // the letter is copied with the run
        break;
      case Latin:  // a Latin letter ends the Hebrew run
        st.hebrewRun = false;
        st.rtl = false;
        sink.prefix(j, st.mode, false);
        i = j;
        break;
      case Plain:
        i = j + 1;  // not reached: plain characters are quiet
        break;
    }
  }
  return st;
}

// Produces no output: only the end state matters.
struct NullSink {
  static constexpr bool kEscapes = false;
  void copy(std::size_t, std::size_t) {}
  void escape(std::size_t) {}
  void prefix(std::size_t, Mode, bool) {}
  void lineBreak(std::size_t, std::size_t) {}
};

// Turns the switches into maximal runs of one style.
struct RunSink {
  static constexpr bool kEscapes = false;
  std::vector<StyledRun>& out;
  const std::size_t firstOwn;  // runs before this index belong to the caller
  std::size_t runStart;
  std::uint8_t color;
  bool hebrew;

  RunSink(std::vector<StyledRun>& o, std::size_t from, ScanState st)
      : out(o), firstOwn(o.size()), runStart(from), color(st.color()), hebrew(st.rtl) {}

  void copy(std::size_t, std::size_t) {}
  void escape(std::size_t) {}
  void lineBreak(std::size_t, std::size_t) {}
  void prefix(std::size_t pos, Mode m, bool rtl) {
    const std::uint8_t c = colorOf(m);
    if (c == color && rtl == hebrew) return;
    if (pos > runStart) {
      out.push_back({runStart, pos - runStart, color, hebrew});
      runStart = pos;
    } else if (out.size() > firstOwn && out.back().color == c && out.back().hebrew == rtl) {
      // Two switches at one offset that come back to the previous style: go on
      // with the previous run.
      runStart = out.back().start;
      out.pop_back();
    }
    color = c;
    hebrew = rtl;
  }
  void finish(std::size_t end) {
    if (end > runStart) out.push_back({runStart, end - runStart, color, hebrew});
  }
};

// Writes the RTF body.
struct RtfSink {
  static constexpr bool kEscapes = true;
  std::string_view src;
  std::string& out;
  std::array<std::string, 3> ltr;  // indexed by mode
  std::array<std::string, 3> rtl;

  RtfSink(std::string_view s, std::string& o, const std::string& size) : src(s), out(o) {
    for (Mode m : {Mode::Text, Mode::Remark, Mode::Tag}) {
      const std::string cf = std::to_string(colorOf(m));
      ltr[static_cast<std::size_t>(m)] = "\\plain\\ltrch\\f0\\fs" + size + "\\cf" + cf + " ";
      rtl[static_cast<std::size_t>(m)] = "\\plain\\rtlch\\lang1037\\f3\\fs" + size + "\\cf" + cf + " ";
    }
  }
  void copy(std::size_t i, std::size_t j) { out.append(src.data() + i, j - i); }
  void escape(std::size_t i) {
    out += '\\';
    out += src[i];
  }
  void prefix(std::size_t, Mode m, bool r) { out += (r ? rtl : ltr)[static_cast<std::size_t>(m)]; }
  void lineBreak(std::size_t i, std::size_t len) {
    out.append(src.data() + i, len);
    out += "\\par ";
  }
};

template <class Char>
ScanState scanRunsImpl(std::basic_string_view<Char> text, std::size_t from, std::size_t to, ScanState state,
                       std::vector<StyledRun>& out) {
  if (to > text.size()) to = text.size();
  if (from >= to) return state;
  RunSink sink(out, from, state);
  const ScanState end = run(text, from, to, state, sink);
  sink.finish(to);
  return end;
}

template <class Char>
ScanState scanLineImpl(std::basic_string_view<Char> line, ScanState st, std::vector<StyledRun>& out) {
  ScanState end = scanRunsImpl(line, 0, line.size(), st, out);
  // The line break ends any Hebrew run and switches back to the left-to-right font.
  end.hebrewRun = false;
  end.rtl = false;
  return end;
}

}  // namespace

ScanState ScanState::fromBlockState(int v) {
  ScanState s;
  if (v < 0) return s;
  const int mode = v & 3;
  s.mode = mode == 1 ? Mode::Remark : mode == 2 ? Mode::Tag : Mode::Text;
  s.hebrewRun = (v & 4) != 0;
  s.rtl = (v & 8) != 0;
  return s;
}

ScanState scanRuns(std::string_view text, std::size_t from, std::size_t to, ScanState state,
                   std::vector<StyledRun>& out) {
  return scanRunsImpl(text, from, to, state, out);
}

ScanState scanRuns(std::u16string_view text, std::size_t from, std::size_t to, ScanState state,
                   std::vector<StyledRun>& out) {
  return scanRunsImpl(text, from, to, state, out);
}

std::vector<StyledRun> scanRuns(std::string_view text) {
  std::vector<StyledRun> out;
  out.reserve(text.size() / 8 + 1);
  scanRunsImpl(text, 0, text.size(), ScanState{}, out);
  return out;
}

ScanState advance(std::string_view text, std::size_t from, std::size_t to, ScanState state) {
  NullSink sink;
  return run(text, from, to, state, sink);
}

ScanState advance(std::u16string_view text, std::size_t from, std::size_t to, ScanState state) {
  NullSink sink;
  return run(text, from, to, state, sink);
}

ScanState scanLine(std::string_view line, ScanState atLineStart, std::vector<StyledRun>& out) {
  return scanLineImpl(line, atLineStart, out);
}

ScanState scanLine(std::u16string_view line, ScanState atLineStart, std::vector<StyledRun>& out) {
  return scanLineImpl(line, atLineStart, out);
}

std::optional<std::size_t> fwdColoringLength(std::string_view text, std::size_t start, std::string_view terminator) {
  const std::size_t n = text.size(), len = terminator.size();
  if (start > n || len > n - start) return std::nullopt;
  const std::size_t at = text.find(terminator, start);
  if (at != std::string_view::npos && at + len < n) return at + len - start;
  return start < n ? n - start - 1 : 0;
}

namespace {
// A font name as the font table holds it: "\", "{" and "}" escaped like text,
// and ";" (which would end the font entry) written as the escape "\'3b".
void appendFontName(std::string& out, std::string_view name) {
  for (const char c : name) {
    if (c == '\\' || c == '{' || c == '}') out += '\\';
    if (c == ';') out += "\\'3b";
    else out += c;
  }
}
}  // namespace

std::string buildRtf(std::string_view text, const RtfSettings& st) {
  std::string out;
  // A page of Hebrew text and markup grows about fivefold (a colour/font switch
  // every few characters). Memory reserved but never written costs nothing, so
  // reserve enough to write the usual page without growing.
  out.reserve(6 * text.size() + st.colorTable.size() + st.englishFont.size() + st.hebrewFont.size() + 512);
  out += "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil ";
  appendFontName(out, st.englishFont);
  out += ";}{\\f1\\froman\\fcharset2{\\*\\fname Symbol;}MT Symbol;}{\\f2\\fswiss\\fcharset1 MS Sans Serif;}"
         "{\\f3\\fbidi\\fswiss\\fcharset177 ";
  appendFontName(out, st.hebrewFont);
  out += ";}{\\f4\\fswiss\\fcharset1 MS Sans Serif;}}\r\n";
  out += st.colorTable;
  out += "\r\n\\deflang1033\\pard\\ltrpar\\ql\\plain\\ltrch\\f0\\fs";
  out += st.fontSize;
  out += "\\cf3 ";
  RtfSink sink(text, out, st.fontSize);
  run(text, 0, text.size(), ScanState{}, sink);
  out += "\r\n\\par }";
  return out;
}

}  // namespace qm::highlight
