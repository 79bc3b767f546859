#include "core/markup/WizardMarkup.h"

#include <algorithm>
#include <cctype>

#include "core/markup/MarkupText.h"

namespace qm::wizard {

namespace {

void join(std::string& handler, std::string_view piece) {
  if (!handler.empty()) handler += ';';
  handler += piece;
}

bool containsUpper(std::string_view name, std::initializer_list<std::string_view> endings) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) {
    return c < 0x80 ? static_cast<char>(std::toupper(c)) : static_cast<char>(c);
  });
  return std::any_of(endings.begin(), endings.end(),
                     [&](std::string_view e) { return upper.find(e) != std::string::npos; });
}

// The next "SRC" in any case from `from`, or npos. One pass over the page
// (b | 0x20 folds exactly "S"/"s", "R"/"r", "C"/"c" for these three letters).
std::size_t findSrc(std::string_view s, std::size_t from) {
  for (std::size_t i = from; i + 3 <= s.size(); ++i)
    if ((s[i] | 0x20) == 's' && (s[i + 1] | 0x20) == 'r' && (s[i + 2] | 0x20) == 'c') return i;
  return std::string_view::npos;
}

}  // namespace

Handlers linkHandlers(const LinkFields& f) {
  Handlers h;
  const LinkEffects& e = f.effects;
  if (e.shown) {
    if (e.bold) {
      h.over = "style.fontWeight='bold'";
      h.out = "style.fontWeight='normal'";
    }
    if (e.background) {
      join(h.over, " style.background='" + e.overBack + "'");
      join(h.out, " style.background='" + e.outBack + "'");
    }
    if (e.textColour) {
      join(h.over, " style.color='" + e.overText + "'");
      join(h.out, " style.color='" + e.outText + "'");
    }
  }
  if (f.useOver) join(h.over, f.over);
  if (f.useOut) join(h.out, f.out);
  return h;
}

std::string linkOpenTag(const LinkFields& f) {
  const Handlers h = linkHandlers(f);
  std::string tag = "<A HREF=\"" + f.href + "\"";
  if (f.useTarget) tag += " TARGET=\"" + f.target + "\"";
  if (!h.over.empty()) tag += " OnMouseOver=\"" + h.over + "\"";
  if (!h.out.empty()) tag += " OnMouseOut=\"" + h.out + "\"";
  return tag + ">";
}

std::string linkElement(const LinkFields& f, HebrewStandard standard) {
  const std::string content =
      f.imageContent ? "<IMG SRC=\"" + f.image + "\">" : xferheb(f.text, true, true, standard);
  return linkOpenTag(f) + content + "</A>";
}

std::string imageElement(const ImageFields& f) {
  std::string attrs;
  if (f.useAlt) attrs = " ALT=\"" + f.alt + "\"";
  if (f.useAlign) attrs += " ALIGN=\"" + f.align + "\" ";
  return "<IMG SRC=\"" + f.src + "\"" + attrs + ">";
}

bool isLinkDrop(std::string_view name) { return containsUpper(name, {".HTM", ".SHTML", ".PHP"}); }

bool isImageDrop(std::string_view name) { return containsUpper(name, {".JPG", ".JPEG", ".GIF", ".BMP"}); }

std::string RemovePathNames(std::string_view page) {
  std::string out;
  out.reserve(page.size());
  std::size_t copied = 0;  // page[0, copied) is in `out`
  for (std::size_t p = findSrc(page, 0); p != std::string_view::npos;) {
    // Only one quote opens the value: an empty value ("") stays empty
    // instead of running on to some later quote of the page.
    std::size_t v = p + 3;
    bool opened = false;
    for (; v < page.size(); ++v) {
      const char c = page[v];
      if (c == '"' && !opened) opened = true;
      else if (c != '\n' && c != '\r' && c != ' ' && c != '=') break;
    }
    const std::size_t q = page.find('"', v);
    // No closing quote: nothing more can be taken as a value.
    if (q == std::string_view::npos) break;
    out.append(page.substr(copied, v - copied));
    out += TruncPath(page.substr(v, q - v), false);
    copied = q;
    p = findSrc(page, q);
  }
  out.append(page.substr(copied));
  return out;
}

}  // namespace qm::wizard
