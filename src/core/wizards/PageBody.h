#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The page body wizard's markup: the BODY start tag built from the wizard's
// choices, and what the page's title and BODY tag hold now.
namespace qm::wizards {

// A stretch of the page: offset and length.
struct Span {
  std::int64_t start = 0;
  std::int64_t length = 0;
};

struct BodyChoices {
  bool text = false, link = false, vlink = false, alink = false;  // the colour rows' ticks
  std::string textColor, linkColor, vlinkColor, alinkColor;        // "RRGGBB" (written after "#")
  bool background = false;  // include a background
  bool backgroundIsColor = true;  // a colour (else an image)
  std::string bgColor;
  std::string bgImage;
  bool fixedBackground = false;  // BGPROPERTIES="FIXED" after an image
  bool onLoad = false, onUnLoad = false;
  std::string onLoadText, onUnLoadText;
};

// "<BODY " + the kept attributes (as the page wrote them, each followed by a
// space) + each chosen attribute as NAME="value" + " " ... + ">".
std::string bodyTag(const BodyChoices& c, const std::vector<std::string>& kept = {});

// The text between "<TITLE>" and "</TITLE>" (letters without regard to case),
// when both are there with the first before the second.
std::optional<Span> findTitle(std::string_view page);

// The BODY start tag: the first "<BODY" followed by a blank, "/" or ">",
// through the ">" that ends it (a ">" in a quoted value does not).
std::optional<Span> findBodyTag(std::string_view page);

// What an existing BODY tag says; an empty value: the attribute is absent.
struct BodyAttributes {
  std::string onLoad, onUnLoad, background, bgProperties;
  std::string text, link, vlink, alink, bgColor;  // colours without "#"
  std::vector<std::string> others;  // the attributes the wizard does not edit, as written
};
BodyAttributes readBodyTag(std::string_view page, Span tag);

// The window's fields after reading a BODY tag into them: the handlers, the
// background image and the fixed background are set from the tag; a colour
// present in the tag ticks its row and replaces its colour, an absent one
// unticks the row and leaves the colour; a background colour, then an image,
// choose the background kind (the kind stays when the tag has neither).
void applyBodyTag(BodyChoices& c, const BodyAttributes& a);

// One change of the page: the `length` characters at `start` become `text`.
struct PageChange {
  std::int64_t start = 0;
  std::int64_t length = 0;
  std::string text;
};

// What "הוסף" does to the page: the changes, each in the text as the ones
// before it left it, and the selection afterwards.
struct BodyEditPlan {
  std::vector<PageChange> changes;
  std::int64_t selStart = 0;
  std::int64_t selLength = 0;
};

// The new BODY tag replaces the old one, keeping the attributes the wizard
// does not edit (or goes in at the caret when there is none: the caret then
// ends two characters past it); `title`, when given, replaces the title text
// if the page has one. The caret follows each change (caretAfterReplace) and
// the selection keeps its length as far as the page allows.
BodyEditPlan planBodyEdit(std::string_view page, std::int64_t caret, std::int64_t selLength, const BodyChoices& c,
                          const std::optional<std::string>& title);

// Where a caret at `caret` goes when the `oldLength` characters at `start`
// are replaced by `newLength` ones: before the stretch it stays, after it it
// moves by the difference, inside it it goes to the end of the new text.
std::int64_t caretAfterReplace(std::int64_t caret, std::int64_t start, std::int64_t oldLength, std::int64_t newLength);

}  // namespace qm::wizards
