#include "core/markup/Entities.h"

namespace qm {

const std::array<EntityEntry, 27> EntityTable = {{
    {"&agrave;", 0xE0}, {"&aacute;", 0xE1}, {"&acirc;", 0xE2},  {"&atilde;", 0xE3}, {"&auml;", 0xE4},
    {"&aring;", 0xE5},  {"&aelig;", 0xE6},  {"&ccedil;", 0xE7}, {"&egrave;", 0xE8}, {"&eacute;", 0xE9},
    {"&euml;", 0xEB},   {"&ecirc;", 0xEA},  {"&igrave;", 0xEC}, {"&iacute;", 0xED}, {"&icirc;", 0xEE},
    {"&iuml;", 0xEF},   {"&eth;", 0xF0},    {"&ntilde;", 0xF1}, {"&ograve;", 0xF2}, {"&oacute;", 0xF3},
    {"&ocirc;", 0xF4},  {"&otilde;", 0xF5}, {"&ouml;", 0xF6},   {"&divide;", 0xF7}, {"&oslash;", 0xF8},
    {"&ugrave;", 0xF9}, {"&uacute;", 0xFA},
}};

std::string convertEntityHebrew(std::string_view text, bool utf8) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t next = utf8 ? text.find('&', i) : text.find_first_of("&\xBA", i);
    if (next == std::string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    out.append(text.substr(i, next - i));
    i = next;
    if (text[i] == '\xBA') {
      out += '\xF7';
      ++i;
      continue;
    }
    const std::string_view rest = text.substr(i);
    bool matched = false;
    for (const auto& e : EntityTable) {
      if (rest.substr(0, e.name.size()) == e.name) {
        if (utf8) {
          // Alef..tav are U+05D0..U+05EA: D7 90..D7 AA.
          out += '\xD7';
          out += static_cast<char>(0x90 + (e.byte - 0xE0));
        } else {
          out += static_cast<char>(e.byte);
        }
        i += e.name.size();
        matched = true;
        break;
      }
    }
    if (!matched) {
      out += '&';
      ++i;
    }
  }
  return out;
}

}  // namespace qm
