#pragma once

#include <string>
#include <string_view>

#include "core/hebrew/VisualHebrew.h"

// The markup of the hyperlink and image wizards as functions of their field
// values (code-page 1255 bytes). Nothing is escaped: what the user typed goes
// into the markup as it is.
namespace qm::wizard {

// The hyperlink wizard's style effects. Colours are "RRGGBB" or empty (a
// cancelled colour dialog); each row counts only when ticked.
struct LinkEffects {
  bool shown = false;  // the effects panel is open; hidden, none of it counts
  bool bold = false;
  bool background = false;
  bool textColour = false;
  std::string overBack, outBack, overText, outText;
};

struct LinkFields {
  std::string href;
  bool useTarget = false;
  std::string target;
  bool useOver = false;  // the user's mouse-over handler
  std::string over;
  bool useOut = false;
  std::string out;
  LinkEffects effects;
  bool imageContent = false;  // else text content
  std::string text;           // link text as typed (reading order)
  std::string image;          // image file, already through TruncPath
};

struct Handlers {
  std::string over, out;
};

// The OnMouseOver / OnMouseOut handlers: the effects (joined by "; ") first,
// then the user's own text after a ";".
Handlers linkHandlers(const LinkFields& f);

// "<A HREF=\"...\"" + TARGET, OnMouseOver, OnMouseOut (each when present) + ">".
std::string linkOpenTag(const LinkFields& f);

// The whole element: the opening tag, then the link text (through xferheb
// with both flags, so visual under the ISO standard) or an IMG of the image,
// then "</A>". No line break.
std::string linkElement(const LinkFields& f, HebrewStandard standard);

struct ImageFields {
  std::string src;  // already through TruncPath
  bool useAlt = false;
  std::string alt;  // as typed, no conversion
  bool useAlign = false;
  std::string align;  // may be empty when ticked by hand
};

// "<IMG SRC=\"...\"" + " ALT=\"...\"" + " ALIGN=\"...\" " + ">".
std::string imageElement(const ImageFields& f);

// The kind of wizard a dropped file's full name calls for: the endings are
// looked for anywhere in the name, in capitals. A name may call for both.
bool isLinkDrop(std::string_view name);   // ".HTM", ".SHTML", ".PHP"
bool isImageDrop(std::string_view name);  // ".JPG", ".JPEG", ".GIF", ".BMP"

// Every SRC attribute value of the page with its folders removed (TruncPath
// without path names). "SRC" is found in any case; the value starts after the
// line breaks, spaces, "=" and the one double quote that follow it and runs up
// to the next double quote (so an unquoted value takes everything up to the
// next quote in the text; an empty quoted value stays empty). Bytes outside
// those values are unchanged. A SRC with no double quote after it ends the
// work there: the rest stays as it is.
std::string RemovePathNames(std::string_view page);

}  // namespace qm::wizard
