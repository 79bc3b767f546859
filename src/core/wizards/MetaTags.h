#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The META tags wizard's side of the page: finding the META tags, reading a
// refresh value, and the lines it writes after "<HEAD>".
namespace qm::wizards {

// The six kinds of META tag the wizard keeps, in the order it writes them.
enum class MetaKind { Author, Description, Keywords, Refresh, ContentType, Copyright };
constexpr std::size_t kMetaKinds = 6;

struct MetaTag {
  std::int64_t start = 0;  // the "<" of "<META"
  std::int64_t end = 0;    // its ">"
  std::string kind;        // http-equiv, else name, in capitals
};

// Every META tag ("<META" followed by a blank, "/" or ">", letters without
// regard to case, through the ">" that ends it: a ">" inside a quoted value
// does not), in page order; the scan ends at a "<META" with no end.
std::vector<MetaTag> scanMeta(std::string_view page);

// The wizard's kind for a tag kind ("AUTHOR", "REFRESH" ...), or -1.
int metaKindIndex(std::string_view kind);

// A refresh value split into its seconds and its address: the leading digits,
// then a separator of spaces, breaks, ";", "=" and an optional "URL" keyword
// (any case, only when an "=" follows it), then the address up to a space,
// break, double quote or ">". "5;URL=a.htm", "5; url=a.htm", "5;a.htm" give
// 5 and a.htm; "10" gives 10 and no address.
struct RefreshParts {
  std::string seconds;
  std::string address;
};
RefreshParts splitRefresh(std::string_view value);

// The wizard's fields: a tick and a value per kind (Refresh holds the
// seconds in `seconds`, the address in `values`).
struct MetaChoices {
  std::array<bool, kMetaKinds> ticked{};
  std::array<std::string, kMetaKinds> values;
  std::string seconds;
};

// The lines written after "<HEAD>": an empty line, then one META per ticked
// kind in the order of MetaKind.
std::vector<std::string> metaLines(const MetaChoices& c);

// What the page's META tags put into the wizard's fields: each tag of a kind
// the wizard keeps ticks that kind and sets its value from its "content"
// (a refresh value split into seconds and address); later tags of a kind
// overwrite earlier ones.
MetaChoices readMetaChoices(std::string_view page);

// What "אישור" does to the page: the tags of the ticked kinds go, from the
// last backwards (so each offset holds when it is removed), then the new
// lines go in right after the first "<HEAD>" of what is left, or at the
// start when there is none.
struct MetaEditPlan {
  std::vector<MetaTag> removals;  // from the end of the page backwards
  std::int64_t insertAt = 0;      // in the page after the removals
};
MetaEditPlan planMetaEdit(std::string_view page, const std::array<bool, kMetaKinds>& ticked);

}  // namespace qm::wizards
