#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/scripts/ScriptDb.h"

// The script editor's side of the library: which name a script may take and
// how the editor's fields become a record.
namespace qm::scripts {

// The editor's fields as bytes (multi-line texts with CR LF breaks).
struct ScriptFields {
  std::string name, description, onLoad, onUnLoad, caret, head, body;
  std::vector<ScriptVar> vars;
};

enum class NameCheck {
  Ok,
  Empty,  // a script needs a name
  Taken,  // another script has it: deleting by name would take both, and the list could show one
};

// Whether `name` may name the script `own` (nullptr: a new one) of `library`.
NameCheck checkScriptName(const ScriptList& library, std::string_view name, const ScriptRec* own);

// Puts the fields into the library: into `own` when the editor changes that
// script, else as a new record in front. Nothing changes unless the name is Ok.
NameCheck storeScript(ScriptList& library, ScriptRec* own, const ScriptFields& fields);

}  // namespace qm::scripts
