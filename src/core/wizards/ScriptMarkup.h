#pragma once

// The four scripts of the JavaScript wizard and the BODY onload edit that
// starts the status-bar scroller, as pure functions of the wizard's fields.
// Each script is a list of lines (code-page 1255 bytes, without line breaks).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/hebrew/VisualHebrew.h"

namespace qm::wizards {

// An image that changes under the mouse, inside a link. `n` numbers the
// function and the image (change<n>, theimg<n>) so that several such links
// live on one page. The two paths are as the page should name them (already
// shortened); they are escaped for the script strings here. The optional
// text follows the image inside the link, converted for the page (xferheb,
// mirrored, the whole line under the visual standard).
std::vector<std::string> dynamicLinkScript(int n, std::string_view link, std::string_view overImage,
                                           std::string_view outImage, std::string_view text,
                                           HebrewStandard standard);

// The status-bar scroller: an empty line, then the 45 script lines with their
// indentation; `delay` in milliseconds between steps.
std::vector<std::string> statusScrollerScript(std::string_view message, int delay);

// Where the scroller goes in a page with caret `caret`: right after "</title>",
// else before "<head>", else at the caret (tags found without regard to case).
std::int64_t scrollerPosition(std::string_view page, std::int64_t caret);

// A slide show of the images (paths as the page should name them, escaped
// here), browsed with two buttons.
std::vector<std::string> slideShowScript(const std::vector<std::string>& images);

// A page that moves on to `url` after `seconds` seconds.
std::vector<std::string> redirectScript(std::string_view url, int seconds);

// Adding a call to the BODY tag's onload handler.
struct OnloadEdit {
  bool bodyFound = false;   // false: no "<BODY" in the page, nothing to do
  std::int64_t position = -1;  // where `text` goes; -1: the handler cannot take the call
  std::string text;
};
// With an onload attribute inside the BODY tag itself, the call goes first in
// its quoted value ("call; " after the opening quote); without one, the
// attribute " onload=\"call\" " goes right after "<BODY". An "onload" further
// on in the page (a script's window.onload) is never touched.
OnloadEdit addOnload(std::string_view page, std::string_view call);

}  // namespace qm::wizards
