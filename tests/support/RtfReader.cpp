#include "support/RtfReader.h"

#include <cstdlib>

namespace qm::rtf {
namespace {

enum class Dest { Body, FontTable, ColorTable, Skip };

struct Group {
  Dest dest = Dest::Body;
  Run props;         // the character properties (its text unused)
  int fontNo = -1;   // inside a font table entry
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
int hexValue(char c) { return isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

class Reader {
 public:
  explicit Reader(std::string_view s) : s_(s) {}

  Document run() {
    std::vector<Group> stack;
    Group g;
    while (i_ < s_.size()) {
      const char c = s_[i_++];
      if (c == '{') {
        stack.push_back(g);
        g.fontNo = -1;
      } else if (c == '}') {
        endFont(g);
        g = stack.back();
        stack.pop_back();
      } else if (c == '\\') {
        control(g);
      } else if (c != '\r' && c != '\n') {
        text(g, c, false);
      }
    }
    return std::move(doc_);
  }

 private:
  // `escaped`: a ";" from an escape is part of a font name, not its end.
  void text(Group& g, char c, bool escaped) {
    if (g.dest == Dest::Body) {
      append(g.props, std::string(1, c));
    } else if (g.dest == Dest::FontTable) {
      if (c == ';' && !escaped) endFont(g);
      else if (g.fontNo >= 0) fontName_ += c;
    } else if (g.dest == Dest::ColorTable && c == ';') {
      doc_.colors.push_back(color_);
      color_ = 0;
    }
  }

  void endFont(Group& g) {
    if (g.dest == Dest::FontTable && g.fontNo >= 0) doc_.fonts[g.fontNo] = fontName_;
    g.fontNo = -1;
    fontName_.clear();
  }

  void append(const Run& p, const std::string& t) {
    Run* last = doc_.runs.empty() ? nullptr : &doc_.runs.back();
    if (last && last->color == p.color && last->font == p.font && last->halfPoints == p.halfPoints &&
        last->rtl == p.rtl)
      last->text += t;
    else
      doc_.runs.push_back(Run{t, p.color, p.font, p.halfPoints, p.rtl});
  }

  void control(Group& g) {
    const char c = s_[i_];
    if (!isLetter(c)) {
      ++i_;
      if (c == '\'') {
        text(g, static_cast<char>(hexValue(s_[i_]) * 16 + hexValue(s_[i_ + 1])), true);
        i_ += 2;
      } else if (c == '*') {
        g.dest = Dest::Skip;
      } else {
        text(g, c, true);
      }
      return;
    }
    const std::size_t start = i_;
    while (i_ < s_.size() && isLetter(s_[i_])) ++i_;
    const std::string_view name = s_.substr(start, i_ - start);
    const std::size_t p = i_;
    while (i_ < s_.size() && (isDigit(s_[i_]) || (i_ == p && s_[i_] == '-'))) ++i_;
    const bool hasParam = i_ > p;
    const int param = hasParam ? std::atoi(std::string(s_.substr(p, i_ - p)).c_str()) : 0;
    if (i_ < s_.size() && s_[i_] == ' ') ++i_;  // the delimiting space belongs to the word
    word(g, name, hasParam, param);
  }

  void word(Group& g, std::string_view name, bool hasParam, int param) {
    Run& p = g.props;
    if (g.dest == Dest::Skip) return;
    if (name == "fonttbl") g.dest = Dest::FontTable;
    if (name == "colortbl") g.dest = Dest::ColorTable;
    if (g.dest == Dest::FontTable) {
      if (name == "f" && hasParam) g.fontNo = param;
      return;
    }
    if (g.dest == Dest::ColorTable) {
      const int shift = name == "red" ? 0 : name == "green" ? 8 : name == "blue" ? 16 : -1;
      if (shift >= 0) color_ = (color_ & ~(0xFFu << shift)) | (static_cast<std::uint32_t>(param & 0xFF) << shift);
      return;
    }
    if (name == "deff" && hasParam) defaultFont_ = p.font = param;
    if (name == "plain") p = Run{{}, 0, defaultFont_, 24, false};
    if (hasParam && name == "f") p.font = param;
    if (hasParam && name == "fs") p.halfPoints = param;
    if (hasParam && name == "cf") p.color = param;
    if (name == "rtlch" || name == "ltrch") p.rtl = name == "rtlch";
    if (name == "par") append(p, "\r\n");
  }

  std::string_view s_;
  std::size_t i_ = 0;
  Document doc_;
  std::string fontName_;
  std::uint32_t color_ = 0;
  int defaultFont_ = 0;
};

}  // namespace

Document read(std::string_view rtf) { return Reader(rtf).run(); }

}  // namespace qm::rtf
