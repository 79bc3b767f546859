#include "core/wizards/MetaTags.h"

#include <algorithm>

#include "core/wizards/TagAttr.h"

namespace qm::wizards {

namespace {

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

bool isSeparator(char c) { return c == '\r' || c == '\n' || c == ' ' || c == ';' || c == '=' || c == '>'; }

const char* const kKindNames[kMetaKinds] = {"AUTHOR", "DESCRIPTION", "KEYWORDS", "REFRESH", "CONTENT-TYPE", "COPYRIGHT"};

}  // namespace

std::vector<MetaTag> scanMeta(std::string_view page) {
  std::vector<MetaTag> tags;
  std::int64_t from = 0;
  for (;;) {
    const std::int64_t m = findNoCase(page, "<META", from);
    if (m < 0) break;
    const auto after = static_cast<std::size_t>(m + 5);
    const char next = after < page.size() ? page[after] : '>';
    if (!(next == ' ' || next == '\t' || next == '\r' || next == '\n' || next == '/' || next == '>')) {
      from = m + 1;  // "<METADATA>" is another tag
      continue;
    }
    const std::int64_t end = tagEnd(page, m);
    if (end < 0) break;
    std::string kind = upper(ReadTagAttr(page, m, end, "http-equiv"));
    if (kind.empty()) kind = upper(ReadTagAttr(page, m, end, "name"));
    tags.push_back({m, end, std::move(kind)});
    from = end + 1;
  }
  return tags;
}

int metaKindIndex(std::string_view kind) {
  for (std::size_t i = 0; i < kMetaKinds; ++i)
    if (kind == kKindNames[i]) return static_cast<int>(i);
  return -1;
}

RefreshParts splitRefresh(std::string_view value) {
  RefreshParts r;
  std::size_t i = 0;
  while (i < value.size() && value[i] >= '0' && value[i] <= '9') r.seconds += value[i++];
  while (i < value.size() && isSeparator(value[i])) ++i;
  // The keyword counts only with its "=", so an address such as "url.htm" or
  // "rates.htm" keeps its first letters.
  if (upper(std::string(value.substr(i, 3))) == "URL") {
    std::size_t j = i + 3;
    while (j < value.size() && value[j] == ' ') ++j;
    if (j < value.size() && value[j] == '=') {
      i = j + 1;
      while (i < value.size() && isSeparator(value[i])) ++i;
    }
  }
  while (i < value.size()) {
    const char c = value[i];
    if (c == '\r' || c == '\n' || c == ' ' || c == '"' || c == '>') break;
    r.address += c;
    ++i;
  }
  return r;
}

std::vector<std::string> metaLines(const MetaChoices& c) {
  std::vector<std::string> lines{""};
  auto named = [&](MetaKind k, const char* name) {
    const auto i = static_cast<std::size_t>(k);
    if (c.ticked[i]) lines.push_back(std::string("<META NAME=\"") + name + "\" CONTENT=\"" + c.values[i] + "\">");
  };
  named(MetaKind::Author, "Author");
  named(MetaKind::Description, "description");
  named(MetaKind::Keywords, "keywords");
  if (c.ticked[static_cast<std::size_t>(MetaKind::Refresh)])
    lines.push_back("<META HTTP-EQUIV=\"Refresh\" CONTENT=\"" + c.seconds + ";" +
                    c.values[static_cast<std::size_t>(MetaKind::Refresh)] + "\">");
  if (c.ticked[static_cast<std::size_t>(MetaKind::ContentType)])
    lines.push_back("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"" +
                    c.values[static_cast<std::size_t>(MetaKind::ContentType)] + "\">");
  named(MetaKind::Copyright, "copyright");
  return lines;
}

MetaChoices readMetaChoices(std::string_view page) {
  MetaChoices c;
  for (const MetaTag& tag : scanMeta(page)) {
    const int kind = metaKindIndex(tag.kind);
    if (kind < 0) continue;
    const auto k = static_cast<std::size_t>(kind);
    std::string value = ReadTagAttr(page, tag.start, tag.end, "content");
    if (static_cast<MetaKind>(kind) == MetaKind::Refresh) {
      RefreshParts parts = splitRefresh(value);
      c.seconds = std::move(parts.seconds);
      value = std::move(parts.address);
    }
    c.values[k] = std::move(value);
    c.ticked[k] = true;
  }
  return c;
}

MetaEditPlan planMetaEdit(std::string_view page, const std::array<bool, kMetaKinds>& ticked) {
  MetaEditPlan plan;
  for (MetaTag& t : scanMeta(page)) {
    const int k = metaKindIndex(t.kind);
    if (k >= 0 && ticked[static_cast<std::size_t>(k)]) plan.removals.push_back(std::move(t));
  }
  // "<HEAD>" is looked for in what is left: the text between the removed tags.
  std::string left;
  left.reserve(page.size());
  std::size_t pos = 0;
  for (const MetaTag& t : plan.removals) {
    left.append(page.substr(pos, static_cast<std::size_t>(t.start) - pos));
    pos = static_cast<std::size_t>(t.end) + 1;
  }
  left.append(page.substr(pos));
  const std::int64_t head = findNoCase(left, "<HEAD>", 0);
  plan.insertAt = head < 0 ? 0 : head + 6;
  std::reverse(plan.removals.begin(), plan.removals.end());
  return plan;
}

}  // namespace qm::wizards
