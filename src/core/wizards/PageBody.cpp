#include "core/wizards/PageBody.h"

#include <algorithm>
#include <iterator>
#include <utility>

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

std::string bodyTag(const BodyChoices& c, const std::vector<std::string>& kept) {
  std::string b = "<BODY ";
  for (const std::string& k : kept) b += k + " ";
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
  for (std::int64_t from = 0;;) {
    const std::int64_t b1 = findNoCase(page, "<BODY", from);
    if (b1 < 0) return std::nullopt;
    const auto after = static_cast<std::size_t>(b1 + 5);
    const char next = after < page.size() ? page[after] : '\0';
    if (next == ' ' || next == '\t' || next == '\r' || next == '\n' || next == '/' || next == '>' || next == '\0') {
      const std::int64_t b2 = tagEnd(page, b1);
      if (b2 < 0) return std::nullopt;
      return Span{b1, b2 - b1 + 1};
    }
    from = b1 + 1;  // "<BODYGUARD>" is another tag
  }
}

BodyAttributes readBodyTag(std::string_view page, Span tag) {
  BodyAttributes a;
  struct Field {
    const char* name;
    std::string* value;
    bool colour;
  };
  const Field fields[] = {{"OnLoad", &a.onLoad, false},       {"OnUnLoad", &a.onUnLoad, false},
                          {"BACKGROUND", &a.background, false}, {"BGPROPERTIES", &a.bgProperties, false},
                          {"TEXT", &a.text, true},             {"LINK", &a.link, true},
                          {"VLINK", &a.vlink, true},           {"ALINK", &a.alink, true},
                          {"BGCOLOR", &a.bgColor, true}};
  std::vector<bool> seen(std::size(fields), false);
  for (TagAttribute& attr : tagAttributes(page, tag.start, tag.start + tag.length - 1)) {
    bool edited = false;
    for (std::size_t f = 0; f < std::size(fields) && !edited; ++f) {
      if (!sameName(attr.name, fields[f].name)) continue;
      edited = true;
      if (seen[f]) continue;  // the first of a repeated attribute counts
      seen[f] = true;
      *fields[f].value = std::move(attr.value);
      if (fields[f].colour && fields[f].value->size() > 1 && (*fields[f].value)[0] == '#') fields[f].value->erase(0, 1);
    }
    if (!edited) a.others.push_back(std::string(page.substr(attr.start, attr.end - attr.start)));
  }
  return a;
}

void applyBodyTag(BodyChoices& c, const BodyAttributes& a) {
  c.onLoad = !a.onLoad.empty();
  c.onLoadText = a.onLoad;
  c.onUnLoad = !a.onUnLoad.empty();
  c.onUnLoadText = a.onUnLoad;
  c.background = false;
  c.bgImage = a.background;
  if (!a.background.empty()) {
    c.background = true;
    c.backgroundIsColor = false;
  }
  std::string props = a.bgProperties;
  for (char& ch : props)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  c.fixedBackground = props == "FIXED";
  const std::pair<const std::string*, std::pair<bool*, std::string*>> colours[] = {
      {&a.text, {&c.text, &c.textColor}},
      {&a.link, {&c.link, &c.linkColor}},
      {&a.vlink, {&c.vlink, &c.vlinkColor}},
      {&a.alink, {&c.alink, &c.alinkColor}}};
  for (const auto& [value, row] : colours) {
    *row.first = !value->empty();
    if (!value->empty()) *row.second = *value;
  }
  if (!a.bgColor.empty()) {
    c.bgColor = a.bgColor;
    c.background = true;
    c.backgroundIsColor = true;
  }
}

BodyEditPlan planBodyEdit(std::string_view page, std::int64_t caret, std::int64_t selLength, const BodyChoices& c,
                          const std::optional<std::string>& title) {
  BodyEditPlan plan;
  std::string text(page);
  auto apply = [&](PageChange change) {
    text.replace(static_cast<std::size_t>(change.start), static_cast<std::size_t>(change.length), change.text);
    plan.changes.push_back(std::move(change));
  };
  if (const auto old = findBodyTag(page)) {
    const std::string tag = bodyTag(c, readBodyTag(page, *old).others);
    caret = caretAfterReplace(caret, old->start, old->length, static_cast<std::int64_t>(tag.size()));
    apply({old->start, old->length, tag});
  } else {
    // No BODY tag: the new one goes in at the caret; the selected text stays.
    const std::string tag = bodyTag(c);
    const std::int64_t at = std::clamp<std::int64_t>(caret, 0, static_cast<std::int64_t>(page.size()));
    caret += static_cast<std::int64_t>(tag.size()) + 2;
    apply({at, 0, tag});
  }
  if (title) {
    if (const auto span = findTitle(text)) {
      caret = caretAfterReplace(caret, span->start, span->length, static_cast<std::int64_t>(title->size()));
      apply({span->start, span->length, *title});
    }
  }
  const auto size = static_cast<std::int64_t>(text.size());
  plan.selStart = std::clamp<std::int64_t>(caret, 0, size);
  plan.selLength = std::clamp<std::int64_t>(selLength, 0, size - plan.selStart);
  return plan;
}

std::int64_t caretAfterReplace(std::int64_t caret, std::int64_t start, std::int64_t oldLength, std::int64_t newLength) {
  if (caret <= start) return caret;
  if (caret < start + oldLength) return start + newLength;
  return caret - oldLength + newLength;
}

}  // namespace qm::wizards
