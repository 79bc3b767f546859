#include "core/markup/RtfReader.h"

#include <cstdlib>

namespace qm::rtf {
namespace {

enum class Dest { Body, FontTable, ColorTable, Skip };

struct CharProps {
  int color = 0;
  int font = 0;
  int halfPoints = 24;
  bool rtl = false;
};

struct GroupState {
  Dest dest = Dest::Body;
  CharProps props;
  int fontNumber = -1;  // inside a font table entry
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Reader {
 public:
  explicit Reader(std::string_view s) : s_(s) {}

  Document run() {
    if (s_.substr(0, 5) != "{\\rtf") throw Error("not an RTF document");
    std::vector<GroupState> stack;
    GroupState cur;
    bool started = false;
    while (i_ < s_.size()) {
      const char c = s_[i_];
      if (started && stack.empty()) {
        if (c != '\r' && c != '\n' && c != '\0') throw Error("text after the document's closing brace");
        ++i_;
        continue;
      }
      if (c == '{') {
        started = true;
        stack.push_back(cur);
        ++i_;
        if (cur.dest == Dest::FontTable) cur.fontNumber = -1;
      } else if (c == '}') {
        if (stack.empty()) throw Error("unbalanced closing brace");
        endFontEntry(cur);
        cur = stack.back();
        stack.pop_back();
        ++i_;
      } else if (c == '\\') {
        controlWord(cur);
      } else if (c == '\r' || c == '\n') {
        ++i_;
      } else {
        text(cur, c);
        ++i_;
      }
    }
    if (!stack.empty()) throw Error("unbalanced opening brace");
    if (!colorEntryEmpty_) doc_.colors.push_back(pendingColor_);
    return std::move(doc_);
  }

 private:
  // `escaped`: the character came from an escape, so a ";" is part of a font
  // name rather than the end of its entry.
  void text(GroupState& g, char c, bool escaped = false) {
    switch (g.dest) {
      case Dest::Body:
        append(g.props, std::string_view(&c, 1));
        break;
      case Dest::FontTable:
        if (c == ';' && !escaped) {
          endFontEntry(g);
        } else if (g.fontNumber >= 0) {
          fontName_ += c;
        }
        break;
      case Dest::ColorTable:
        if (c == ';') {
          doc_.colors.push_back(pendingColor_);
          pendingColor_ = 0;
          colorEntryEmpty_ = true;
        }
        break;
      case Dest::Skip:
        break;
    }
  }

  void endFontEntry(GroupState& g) {
    if (g.dest == Dest::FontTable && g.fontNumber >= 0) {
      doc_.fonts[g.fontNumber] = fontName_;
      g.fontNumber = -1;
    }
    fontName_.clear();
  }

  void append(const CharProps& p, std::string_view t) {
    if (!doc_.runs.empty()) {
      Run& last = doc_.runs.back();
      if (last.color == p.color && last.font == p.font && last.halfPoints == p.halfPoints && last.rtl == p.rtl) {
        last.text += t;
        return;
      }
    }
    doc_.runs.push_back(Run{std::string(t), p.color, p.font, p.halfPoints, p.rtl});
  }

  void controlWord(GroupState& g) {
    ++i_;  // the backslash
    if (i_ >= s_.size()) throw Error("backslash at the end of the document");
    const char c = s_[i_];
    if (!isLetter(c)) {
      ++i_;
      if (c == '\\' || c == '{' || c == '}') {
        text(g, c, true);
      } else if (c == '\'') {
        const int hi = i_ < s_.size() ? hexValue(s_[i_]) : -1;
        const int lo = i_ + 1 < s_.size() ? hexValue(s_[i_ + 1]) : -1;
        if (hi < 0 || lo < 0) throw Error("bad \\' escape");
        i_ += 2;
        text(g, static_cast<char>(hi * 16 + lo), true);
      } else if (c == '*') {
        g.dest = Dest::Skip;
      } else if (c == '\r' || c == '\n') {
        word(g, "par", false, 0);
      }
      return;
    }
    const std::size_t start = i_;
    while (i_ < s_.size() && isLetter(s_[i_])) ++i_;
    const std::string_view name = s_.substr(start, i_ - start);
    bool hasParam = false;
    int param = 0;
    const std::size_t pstart = i_;
    if (i_ < s_.size() && (s_[i_] == '-' || isDigit(s_[i_]))) {
      ++i_;
      while (i_ < s_.size() && isDigit(s_[i_])) ++i_;
      const std::string digits(s_.substr(pstart, i_ - pstart));
      if (digits != "-") {
        hasParam = true;
        param = std::atoi(digits.c_str());
      }
    }
    if (i_ < s_.size() && s_[i_] == ' ') ++i_;  // the delimiting space belongs to the word
    word(g, name, hasParam, param);
  }

  void word(GroupState& g, std::string_view name, bool hasParam, int param) {
    if (g.dest == Dest::Skip) return;
    if (name == "fonttbl") {
      g.dest = Dest::FontTable;
      g.fontNumber = -1;
      return;
    }
    if (name == "colortbl") {
      g.dest = Dest::ColorTable;
      pendingColor_ = 0;
      colorEntryEmpty_ = true;
      return;
    }
    if (g.dest == Dest::FontTable) {
      if (name == "f" && hasParam) {
        g.fontNumber = param;
        fontName_.clear();
      }
      return;
    }
    if (g.dest == Dest::ColorTable) {
      const auto v = static_cast<std::uint32_t>(param & 0xFF);
      if (name == "red") pendingColor_ = (pendingColor_ & ~0xFFu) | v;
      if (name == "green") pendingColor_ = (pendingColor_ & ~0xFF00u) | (v << 8);
      if (name == "blue") pendingColor_ = (pendingColor_ & ~0xFF0000u) | (v << 16);
      colorEntryEmpty_ = false;
      return;
    }
    if (name == "deff" && hasParam) {
      defaultFont_ = param;
      g.props.font = param;
    } else if (name == "plain") {
      g.props = CharProps{};
      g.props.font = defaultFont_;
    } else if (name == "f" && hasParam) {
      g.props.font = param;
    } else if (name == "fs" && hasParam) {
      g.props.halfPoints = param;
    } else if (name == "cf" && hasParam) {
      g.props.color = param;
    } else if (name == "rtlch") {
      g.props.rtl = true;
    } else if (name == "ltrch") {
      g.props.rtl = false;
    } else if (name == "par") {
      append(g.props, "\r\n");
    } else if (name == "tab") {
      append(g.props, "\t");
    }
  }

  std::string_view s_;
  std::size_t i_ = 0;
  Document doc_;
  std::string fontName_;
  std::uint32_t pendingColor_ = 0;
  bool colorEntryEmpty_ = true;
  int defaultFont_ = 0;
};

}  // namespace

std::string Document::text() const {
  std::string out;
  for (const auto& r : runs) out += r.text;
  return out;
}

Document read(std::string_view rtf) { return Reader(rtf).run(); }

}  // namespace qm::rtf
