#include "core/wizards/ScriptMarkup.h"

#include "core/markup/MarkupText.h"
#include "core/text/Cp1255.h"
#include "core/text/Search.h"

namespace qm::wizards {

namespace {

std::string str(std::string_view s) { return std::string(s); }

struct Indented {
  int spaces;
  const char* text;
};

// The scroller as it goes into the page; line 16 and 17 get the delay and the message.
constexpr Indented kScroller[] = {
    {10, "<SCRIPT LANGUAGE=\"JavaScript\">"},
    {10, "<!--"},
    {10, "function statusMessageObject(p,d) {"},
    {12, "this.msg = MESSAGE"},
    {12, "this.out = \" \""},
    {12, "this.moo = 0"},
    {12, "this.pos = 0"},
    {12, "this.delay = DELAY"},
    {12, "this.i     = 0"},
    {12, "this.reset = clearMessage"},
    {10, "}"},
    {10, "function clearMessage() {"},
    {12, "this.pos = -this.msg.length"},
    {10, "}"},
    {10, "var POSITION = 100"},
    {10, "var DELAY    = "},
    {10, "var MESSAGE  = \""},
    {10, "var scroll = new statusMessageObject()"},
    {10, "function scroller() {"},
    {12, "for (scroll.i = 0; scroll.i < scroll.pos; scroll.i++) {"},
    {14, "scroll.out += \" \""},
    {12, "}"},
    {12, "if (scroll.pos >= 0){"},
    {13, "if (scroll.pos<70) scroll.out += scroll.msg"},
    {13, "if (scroll.pos>70){"},
    {13, "scroll.moo++"},
    {13, "scroll.out += scroll.msg.substring(scroll.msg.length,scroll.moo)"},
    {13, "}"},
    {12, "}else {"},
    {13, "scroll.out = scroll.msg.substring(0,scroll.msg.length+scroll.pos)"},
    {12, "for (scroll.i = 0; scroll.i <POSITION; scroll.i++) {"},
    {14, "scroll.out += \" \""},
    {25, "}"},
    {13, "}"},
    {12, "window.status = scroll.out"},
    {12, "scroll.out = \" \""},
    {12, "scroll.pos++"},
    {12, "if (scroll.pos >(scroll.msg.length+75)) {"},
    {13, "scroll.moo =0"},
    {13, "scroll.reset()"},
    {12, "}"},
    {12, "setTimeout ('scroller()',scroll.delay)"},
    {10, "}"},
    {10, "// -->"},
    {10, "</SCRIPT>"},
};

std::string hebrew(std::u16string_view text) { return cp1255::encode(text); }

}  // namespace

std::vector<std::string> dynamicLinkScript(int n, std::string_view link, std::string_view overImage,
                                           std::string_view outImage, std::string_view text,
                                           HebrewStandard standard) {
  const std::string N = std::to_string(n);
  return {
      "<script language=\"JavaScript\">",
      "<!--",
      "function change" + N + "(picture) {",
      "document.theimg" + N + ".src = picture",
      "}",
      "//-->",
      "</script>",
      "<a href=\"" + str(link) + "\"",
      " onMouseOver=\"change" + N + "('" + JavaPath(overImage) + "')\"",
      " onMouseOut=\"change" + N + "('" + JavaPath(outImage) + "')\">",
      "<IMG SRC=\"" + str(outImage) + "\" lowSRC=\"" + str(overImage) + "\" NAME=\"theimg" + N + "\" BORDER=0>" +
          xferheb(text, false, true, standard) + "</a>",
  };
}

std::vector<std::string> statusScrollerScript(std::string_view message, int delay) {
  std::vector<std::string> lines{""};
  for (std::size_t i = 0; i < std::size(kScroller); ++i) {
    std::string line(static_cast<std::size_t>(kScroller[i].spaces), ' ');
    line += kScroller[i].text;
    if (i == 15) line += std::to_string(delay);
    if (i == 16) line += str(message) + "\"";
    lines.push_back(std::move(line));
  }
  return lines;
}

std::int64_t scrollerPosition(std::string_view page, std::int64_t caret) {
  std::int64_t position = caret;
  if (const std::int64_t head = searchTS2(page, "<head>", false, 0); head >= 0) position = head;
  if (const std::int64_t title = searchTS2(page, "</title>", false, 0); title >= 0) position = title + 8;
  return position;
}

std::vector<std::string> slideShowScript(const std::vector<std::string>& images) {
  std::vector<std::string> lines{"<form>",
                                 "<center>",
                                 "<script language=\"Javascript\">",
                                 "<!--",
                                 "var current = 0;",
                                 "function initArray() {",
                                 "this.length = initArray.arguments.length;",
                                 "  for (var i = 0; i < this.length; i++) {",
                                 "  this[i] = initArray.arguments[i];",
                                 "  }",
                                 "}",
                                 "var picz = new initArray("};
  for (std::size_t i = 0; i < images.size(); ++i)
    lines.push_back("\"" + JavaPath(images[i]) + "\"" + (i + 1 < images.size() ? "," : ""));
  const std::vector<std::string> tail{
      ");",
      "  document.write('<img name=\"jscriptimg\" src=\"'+picz[0]+'\">');",
      "function checkIt(val) {",
      "var goodnum = current+val;",
      "if (goodnum < 0) alert(\"" + hebrew(u" אין באפשרותך להמשיך אחורה") + "\");",
      "else if (goodnum > picz.length-1) alert(\"" + hebrew(u"אתה לא יכול להמשיך הלאה") + "\");",
      "else document.jscriptimg.src = picz[goodnum];",
      "current = goodnum;",
      "}",
      "//-->",
      "</script>",
      "<br><input type=\"button\" value=\"" + hebrew(u"הקודם") + "\" onclick=\"checkIt(-1)\"> <input type=\"button\" value=\"" +
          hebrew(u"הבא") + "\" onclick=\"checkIt(1)\">",
      "</center>",
      "</form>",
  };
  lines.insert(lines.end(), tail.begin(), tail.end());
  return lines;
}

std::vector<std::string> redirectScript(std::string_view url, int seconds) {
  return {
      "<script language=\"Javascript\">",
      "<!--",
      "var URL   = \"" + str(url) + "\"",
      "var speed = " + std::to_string(seconds) + "000",
      "function reload() {",
      "location = URL",
      "}",
      "setTimeout(\"reload()\", speed);",
      "//-->",
      "</script>",
  };
}

OnloadEdit addOnload(std::string_view page, std::string_view call) {
  OnloadEdit edit;
  const std::int64_t body = searchTS2(page, "<BODY", false, 0);
  if (body < 0) return edit;
  edit.bodyFound = true;
  // The tag runs to the next ">" (or to the end of an unfinished page).
  std::size_t tagEnd = page.find('>', static_cast<std::size_t>(body));
  if (tagEnd == std::string_view::npos) tagEnd = page.size();
  const std::string_view tag = page.substr(0, tagEnd);
  const std::int64_t onload = searchTS2(tag, "onload", false, body + 1);
  if (onload < 0) {
    edit.position = body + 5;
    edit.text = " onload=\"" + str(call) + "\" ";
    return edit;
  }
  const std::size_t quote = tag.find('"', static_cast<std::size_t>(onload));
  if (quote == std::string_view::npos) return edit;
  edit.position = static_cast<std::int64_t>(quote) + 1;
  edit.text = str(call) + "; ";
  return edit;
}

}  // namespace qm::wizards
