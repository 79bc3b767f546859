#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "core/markup/MarkupText.h"
#include "host/PageHost.h"

namespace qm {

// What a wizard, the Hebrew text window and the script library put markup
// through: the insertion kinds into the active page (texts are code-page 1255
// bytes, each call one undo step), paths as markup receives them, the colour
// picker and the wizard's text request.
class InsertTarget : public virtual PageHost {
 public:
  virtual void insrt2(const std::string& s) = 0;    // replace the selection
  virtual void insrt2ln(const std::string& s) = 0;  // the same with a line break
  virtual void insrt2smrt(const std::string& open, const std::string& close) = 0;   // wrap, variant A
  virtual void insrt2smrt2(const std::string& open, const std::string& close) = 0;  // wrap, variant B
  virtual void TInsert(const std::vector<std::string>& lines) = 0;  // every line + CR LF

  // The path as markup should receive it: folders kept only when the user
  // asked for path names.
  virtual std::string TruncPath(std::string_view path, PathOrigin origin = PathOrigin::Typed) const = 0;
  // Set while a wizard waits in a text request: insertions that end with a
  // line break do nothing meanwhile.
  virtual void SetTextRequestActive(bool on) = 0;

  // The colour dialog: "RRGGBB", or empty when cancelled; starts at the last colour.
  virtual std::string PickColor() = 0;
  // The colour PickColor last gave anywhere in the program ("RRGGBB"); empty before the first.
  virtual std::string LastColor() const = 0;
};

// The script library window: an insertion target, and the folder its
// library file lies in (the folder that was current when the program started).
class ScriptHost : public InsertTarget {
 public:
  virtual QString ExecFolder() const = 0;
};

}  // namespace qm
