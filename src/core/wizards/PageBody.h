#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// "<BODY " + each chosen attribute as NAME="value" + " " ... + ">".
std::string bodyTag(const BodyChoices& c);

// The text between "<TITLE>" and "</TITLE>" (letters without regard to case),
// when both are there with the first before the second.
std::optional<Span> findTitle(std::string_view page);

// The BODY start tag: from "<BODY" through the next ">".
std::optional<Span> findBodyTag(std::string_view page);

// What an existing BODY tag says; an empty value: the attribute is absent.
struct BodyAttributes {
  std::string onLoad, onUnLoad, background, bgProperties;
  std::string text, link, vlink, alink, bgColor;  // colours without "#"
};
BodyAttributes readBodyTag(std::string_view page, Span tag);

// Where a caret at `caret` goes when the `oldLength` characters at `start`
// are replaced by `newLength` ones: before the stretch it stays, after it it
// moves by the difference, inside it it goes to the end of the new text.
std::int64_t caretAfterReplace(std::int64_t caret, std::int64_t start, std::int64_t oldLength, std::int64_t newLength);

}  // namespace qm::wizards
