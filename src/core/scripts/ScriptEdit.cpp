#include "core/scripts/ScriptEdit.h"

#include <algorithm>
#include <utility>

namespace qm::scripts {

NameCheck checkScriptName(const ScriptList& library, std::string_view name, const ScriptRec* own) {
  if (name.empty()) return NameCheck::Empty;
  const bool taken =
      std::any_of(library.begin(), library.end(), [&](const ScriptRec& r) { return &r != own && r.SName == name; });
  return taken ? NameCheck::Taken : NameCheck::Ok;
}

NameCheck storeScript(ScriptList& library, ScriptRec* own, const ScriptFields& fields) {
  const NameCheck check = checkScriptName(library, fields.name, own);
  if (check != NameCheck::Ok) return check;
  ScriptRec rec{fields.name,   fields.description, fields.caret, fields.head, fields.body,
                fields.onLoad, fields.onUnLoad,    formatVars(fields.vars)};
  if (own != nullptr)
    *own = std::move(rec);
  else
    insertScript(library, std::move(rec));
  return check;
}

}  // namespace qm::scripts
