#include "corpus/Corpus.h"

#include <cstdint>
#include <random>

namespace qmbench {
namespace {

const char* const kLatin[] = {"home", "page", "news", "table", "link", "image", "Quillmark", "web", "site", "2026"};
const char* const kTags[] = {"P", "B", "I", "FONT COLOR=\"#FF0000\"", "A HREF=\"index.htm\"", "TD", "TR", "DIV ALIGN=RIGHT"};

std::string hebrewWord(std::mt19937& rng) {
  std::uniform_int_distribution<int> len(2, 7), letter(0xE0, 0xFA);
  std::string w;
  for (int i = len(rng); i > 0; --i) w += static_cast<char>(letter(rng));
  return w;
}

}  // namespace

std::string hebrewPage(std::size_t bytes) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> pick(0, 99), latin(0, 9), tag(0, 7), words(4, 12);
  std::string page =
      "<HTML>\r\n<HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1255\">\r\n"
      "<TITLE>\xE3\xF3 \xE1\xE9\xFA</TITLE>\r\n</HEAD>\r\n<BODY DIR=RTL>\r\n";
  while (page.size() < bytes) {
    const int kind = pick(rng);
    if (kind < 8) {
      page += "<!-- " + hebrewWord(rng) + " " + kLatin[latin(rng)] + " -->\r\n";
      continue;
    }
    const std::string t = kTags[tag(rng)];
    const std::string close = t.substr(0, t.find(' '));
    page += "<" + t + ">";
    for (int i = words(rng); i > 0; --i) {
      page += pick(rng) < 75 ? hebrewWord(rng) : std::string(kLatin[latin(rng)]);
      page += ' ';
    }
    page += "</" + close + "><BR>\r\n";
  }
  page += "</BODY>\r\n</HTML>\r\n";
  return page;
}

}  // namespace qmbench
