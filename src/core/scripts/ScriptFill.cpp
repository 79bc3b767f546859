#include "core/scripts/ScriptFill.h"

#include <cstdint>
#include <unordered_map>

#include "core/text/Search.h"

namespace qm::scripts {

namespace {

std::string capitals(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

constexpr std::size_t npos = std::string::npos;

std::size_t find(std::string_view text, std::string_view pattern, std::size_t from = 0) {
  const std::int64_t at = searchTS2(text.substr(from), pattern, false, 0);
  return at < 0 ? npos : from + static_cast<std::size_t>(at);
}

}  // namespace

int findVar(const std::vector<ScriptVar>& vars, std::string_view name) {
  const std::string wanted = capitals(name);
  for (std::size_t i = 0; i < vars.size(); ++i) {
    if (capitals(vars[i].name) == wanted) return static_cast<int>(i);
  }
  return -1;
}

namespace {

// The variables by name in capitals, the first of a name winning: a script
// with many variables and many references is filled in time linear in both
// (looking each reference up in the list took their product).
class VarIndex {
 public:
  explicit VarIndex(const std::vector<ScriptVar>& vars) : vars_(vars) {
    byName_.reserve(vars.size());
    for (std::size_t i = 0; i < vars.size(); ++i) byName_.emplace(capitals(vars[i].name), i);
  }
  const ScriptVar* find(std::string_view name) const {
    key_.assign(name);
    for (char& c : key_)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    const auto it = byName_.find(key_);
    return it == byName_.end() ? nullptr : &vars_[it->second];
  }

 private:
  const std::vector<ScriptVar>& vars_;
  std::unordered_map<std::string, std::size_t> byName_;
  mutable std::string key_;
};

std::string fill(std::string_view s, const VarIndex& vars, HebrewStandard standard) {
  std::string out;
  out.reserve(s.size());
  const std::size_t len = s.size();
  std::size_t i = 0;
  while (len > 5 && i < len - 5) {
    if (s[i] == '$' && s[i + 1] == '$') {
      const std::size_t nameStart = i + 2;
      std::size_t end = nameStart;
      while (end < len && s[end] != '$' && end - nameStart < kMaxReferenceName) ++end;
      // A name that runs into the end of the text without a closing "$" is no reference.
      const bool closed = end < len || end - nameStart == kMaxReferenceName;
      const ScriptVar* v = closed ? vars.find(s.substr(nameStart, end - nameStart)) : nullptr;
      if (v != nullptr) {
        out += capitals(v->type) == "SH" ? xferheb(v->value, true, true, standard) : v->value;
        i = end + 1;
        if (i < len) out += s[i++];
        continue;
      }
    }
    out += s[i++];
  }
  if (i < len) out.append(s.substr(i));
  return out;
}

}  // namespace

std::string FillScriptVars(std::string_view s, const std::vector<ScriptVar>& vars, HebrewStandard standard) {
  return fill(s, VarIndex(vars), standard);
}

PageEdit AddBodyEvent(std::string_view page, std::size_t b, std::size_t e, std::string_view name,
                      std::string_view code) {
  const std::string_view tag = page.substr(b, e - b);
  const std::int64_t at = searchTS2(tag, name, false, 0);
  if (at >= 0) {
    std::size_t j = b + static_cast<std::size_t>(at) + name.size();
    while (j < e && page[j] != '=') ++j;
    if (j < e) {
      ++j;
      while (j < page.size() && (page[j] == '\n' || page[j] == '\r' || page[j] == ' ')) ++j;
      while (j < page.size() && (page[j] == '"' || page[j] == '\'')) ++j;
      return {j, std::string(code) + ";"};
    }
  }
  return {b + 5, " " + std::string(name) + "=\"" + std::string(code) + "\" "};
}

FilledScript fillScript(const ScriptRec& rec, const std::vector<ScriptVar>& vars, HebrewStandard standard) {
  const VarIndex index(vars);
  const auto f = [&](const std::string& s) { return fill(s, index, standard); };
  return {f(rec.STextAtCrsr), f(rec.STextAtHead), f(rec.STextAtBody), f(rec.AddOnLoad), f(rec.AddUnLoad)};
}

std::vector<PageEdit> mergeEdits(std::string_view page, std::size_t caret, const FilledScript& script) {
  std::string text(page);
  std::vector<PageEdit> edits;
  const auto insert = [&](PageEdit edit) {
    if (edit.text.empty()) return;
    text.insert(edit.pos, edit.text);
    if (edit.pos <= caret) caret += edit.text.size();
    edits.push_back(std::move(edit));
  };
  // Right after the ">" that closes the first tag starting with `open`, else at the caret.
  const auto afterTag = [&](std::string_view open) {
    const std::size_t at = find(text, open);
    const std::size_t close = at == npos ? npos : text.find('>', at);
    return close == npos ? caret : close + 1;
  };

  insert({caret, script.caret});
  const std::size_t b = find(text, "<BODY");
  if (b != npos && text.find('>', b) != npos) {
    if (!script.onLoad.empty()) insert(AddBodyEvent(text, b, text.find('>', b), "OnLoad", script.onLoad));
    if (!script.onUnLoad.empty()) insert(AddBodyEvent(text, b, text.find('>', b), "OnUnLoad", script.onUnLoad));
  }
  if (!script.head.empty()) insert({afterTag("<HEAD"), script.head});
  if (!script.body.empty()) insert({afterTag("<BODY"), script.body});
  return edits;
}

}  // namespace qm::scripts
