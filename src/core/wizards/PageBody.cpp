#include "core/wizards/PageBody.h"

#include "core/wizards/TagAttr.h"

namespace qm::wizards {

namespace {

void attr(std::string& out, const char* name, const std::string& value) {
  out += name;
  out += "=\"";
  out += value;
  out += "\" ";
}

}  // namespace

std::string bodyTag(const BodyChoices& c) {
  std::string b = "<BODY ";
  if (c.text) attr(b, "TEXT", "#" + c.textColor);
  if (c.link) attr(b, "LINK", "#" + c.linkColor);
  if (c.vlink) attr(b, "VLINK", "#" + c.vlinkColor);
  if (c.alink) attr(b, "ALINK", "#" + c.alinkColor);
  if (c.background && c.backgroundIsColor) attr(b, "BGCOLOR", "#" + c.bgColor);
  if (c.background && !c.backgroundIsColor) {
    attr(b, "BACKGROUND", c.bgImage);
    if (c.fixedBackground) b += "BGPROPERTIES=\"FIXED\" ";
  }
  if (c.onLoad) attr(b, "onLoad", c.onLoadText);
  if (c.onUnLoad) attr(b, "onUnLoad", c.onUnLoadText);
  return b + ">";
}

std::optional<Span> findTitle(std::string_view page) {
  const std::int64_t t1 = findNoCase(page, "<TITLE>", 0);
  const std::int64_t t2 = findNoCase(page, "</TITLE>", 0);
  if (t1 < 0 || t2 < 0 || t1 >= t2 || t1 + 7 > t2) return std::nullopt;
  return Span{t1 + 7, t2 - (t1 + 7)};
}

std::optional<Span> findBodyTag(std::string_view page) {
  const std::int64_t b1 = findNoCase(page, "<BODY", 0);
  if (b1 < 0) return std::nullopt;
  const std::size_t b2 = page.find('>', static_cast<std::size_t>(b1 + 1));
  if (b2 == std::string_view::npos) return std::nullopt;
  return Span{b1, static_cast<std::int64_t>(b2) - b1 + 1};
}

BodyAttributes readBodyTag(std::string_view page, Span tag) {
  const std::int64_t m = tag.start;
  const std::int64_t e = tag.start + tag.length - 1;
  BodyAttributes a;
  a.onLoad = ReadTagAttr(page, m, e, "OnLoad");
  a.onUnLoad = ReadTagAttr(page, m, e, "OnUnLoad");
  a.background = ReadTagAttr(page, m, e, "BACKGROUND");
  a.bgProperties = ReadTagAttr(page, m, e, "BGPROPERTIES");
  a.text = ReadColorAttr(page, m, e, " TEXT");
  a.link = ReadColorAttr(page, m, e, " LINK");
  a.vlink = ReadColorAttr(page, m, e, " VLINK");
  a.alink = ReadColorAttr(page, m, e, " ALINK");
  a.bgColor = ReadColorAttr(page, m, e, "BGCOLOR");
  return a;
}

std::int64_t caretAfterReplace(std::int64_t caret, std::int64_t start, std::int64_t oldLength, std::int64_t newLength) {
  if (caret <= start) return caret;
  if (caret < start + oldLength) return start + newLength;
  return caret - oldLength + newLength;
}

}  // namespace qm::wizards
