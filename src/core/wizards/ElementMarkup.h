#pragma once

// The markup of the element wizards (mail link, font, form controls, the FORM
// element, multimedia, special characters) as pure functions of the values the
// user chose. Texts are code-page 1255 bytes; nothing is escaped or validated,
// the user writes markup and gets exactly what was typed.
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/hebrew/VisualHebrew.h"

namespace qm::wizards {

// <A HREF="Mailto:address?subject=subject">text</A>. The link text is made
// visible page text (xferheb, Hebrew only and mirrored, under the visual
// standard); the subject goes in as typed, and an empty one writes no
// "?subject=" part.
std::string mailLink(std::string_view address, std::string_view subject, std::string_view text,
                     HebrewStandard standard);

// The FONT start tag. An attribute is written only when its box is ticked
// (with an empty value when nothing was chosen). A colour box ticked with no
// colour (the colour dialog was cancelled before any colour was chosen) writes
// no COLOR attribute rather than the meaningless COLOR="#". A second face is
// written only after a first one.
struct FontChoice {
  bool useSize = false;
  std::string size;  // "+7" ... "-7", "1" ... "7"
  bool useColor = false;
  std::string color;  // RRGGBB
  bool useFace = false;
  std::string face;
  bool useSecondFace = false;
  std::string secondFace;
};
std::string fontStartTag(const FontChoice& choice);
inline constexpr std::string_view kFontEndTag = "</FONT>";

// The point size the font wizard previews a SIZE value in: |value + 12|, so
// "+7" and "7" give 19, "+0" 12, "-7" 5. 0 when the text is no number.
int fontPreviewPoints(std::string_view size);

// <INPUT TYPE="Text" NAME=".." VALUE=".." SIZE=".." MAXLENGTH=".."> (PASSWORD
// instead of Text for a password field).
std::string textLineInput(bool password, std::string_view name, std::string_view value, int size, int maxLength);

// A TEXTAREA start tag, the initial lines, the end tag, one line each.
std::vector<std::string> textArea(std::string_view name, int rows, int cols, bool readOnly, bool disabled,
                                  const std::vector<std::string>& lines);

// A SELECT with one "  <OPTION>" line per option, the option at
// `defaultIndex` (-1: none) SELECTED; no lines at all without options.
std::vector<std::string> selectList(std::string_view name, const std::vector<std::string>& options,
                                    int defaultIndex);

// <INPUT TYPE="CHECKBOX" NAME=".."> (RADIO for a radio button), " CHECKED" when ticked.
std::string checkInput(bool radio, std::string_view name, bool checked);

// <INPUT TYPE="type" VALUE="value"> for a push button.
std::string buttonInput(std::string_view type, std::string_view value);

// The FORM start and end tags.
std::pair<std::string, std::string> formTags(std::string_view method, std::string_view action,
                                             std::string_view enctype);

// <EMBED SRC=".."> with WIDTH and HEIGHT when `useSize`, and ALIGN when
// `align` is not empty (taken as it stands, "ABSBOTTOM " with its space).
std::string embedTag(std::string_view src, bool useSize, std::string_view width, std::string_view height,
                     std::string_view align);

// The special characters palette, left to right: caption (UTF-8) and the
// character reference it inserts.
struct SpecialCharacter {
  const char* caption;
  const char* reference;
};
extern const std::array<SpecialCharacter, 12> kSpecialCharacters;

}  // namespace qm::wizards
