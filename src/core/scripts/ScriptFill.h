#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/hebrew/VisualHebrew.h"
#include "core/scripts/ScriptDb.h"

// Filling a script's variables and placing its texts into a page (code-page
// 1255 bytes, CR LF breaks; positions are byte offsets, a break counting two).
namespace qm::scripts {

// The longest variable name a reference "$$" + name + "$" can carry.
inline constexpr std::size_t kMaxReferenceName = 23;

// The index of the first variable named `name` (compared in capitals), or -1.
int findVar(const std::vector<ScriptVar>& vars, std::string_view name);

// S with each reference "$$" + name + "$" replaced by that variable's value
// (names compared in capitals, the first variable of the name counts; a value
// of type "SH" goes through xferheb with both flags under `standard`).
// References are looked for only from the start up to the sixth character
// from the end; the character right after a replaced reference is copied
// without being examined. A name runs to the next "$" or 23 characters, the
// character after which then ends the reference. A reference whose name is
// no variable's stays as written.
std::string FillScriptVars(std::string_view s, const std::vector<ScriptVar>& vars, HebrewStandard standard);

// One insertion into the page.
struct PageEdit {
  std::size_t pos = 0;
  std::string text;

  bool operator==(const PageEdit&) const = default;
};

// Adds `code` to the event attribute `name` ("OnLoad", "OnUnLoad") of the BODY
// tag that starts at b ("<BODY") and ends at e (its ">"): in front of the
// attribute's old value, followed by ";", when the tag has the attribute (the
// name found without regard to case, inside the tag only); otherwise a new
// attribute right after "<BODY": " " + name + "=\"" + code + "\" ".
PageEdit AddBodyEvent(std::string_view page, std::size_t b, std::size_t e, std::string_view name,
                      std::string_view code);

// The texts a script puts into a page, its variables filled.
struct FilledScript {
  std::string caret, head, body, onLoad, onUnLoad;
};
FilledScript fillScript(const ScriptRec& rec, const std::vector<ScriptVar>& vars, HebrewStandard standard);

// The insertions that put a filled script into `page` with the caret at
// `caret`, in order, each at a position of the page as the ones before it
// left it: the caret text at the caret; the load and unload code into the
// BODY tag (only when the page has one); the head text right after the HEAD
// tag and the body text right after the BODY tag, each at the caret (moved
// along by the insertions before it) when the page has no such tag.
std::vector<PageEdit> mergeEdits(std::string_view page, std::size_t caret, const FilledScript& script);

}  // namespace qm::scripts
