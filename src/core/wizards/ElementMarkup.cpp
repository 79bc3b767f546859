#include "core/wizards/ElementMarkup.h"

#include <charconv>
#include <cstdlib>

namespace qm::wizards {

namespace {

std::string str(std::string_view s) { return std::string(s); }

}  // namespace

std::string mailLink(std::string_view address, std::string_view subject, std::string_view text,
                     HebrewStandard standard) {
  std::string s = "<A HREF=\"Mailto:" + str(address);
  if (!subject.empty()) s += "?subject=" + str(subject);
  return s + "\">" + xferheb(text, true, true, standard) + "</A>";
}

std::string fontStartTag(const FontChoice& c) {
  std::string s = "<FONT ";
  if (c.useSize) s += "SIZE=\"" + c.size + "\" ";
  if (c.useColor && !c.color.empty()) s += "COLOR=\"#" + c.color + "\" ";
  if (c.useFace) {
    s += "FACE=\"" + c.face;
    if (c.useSecondFace) s += "," + c.secondFace;
    s += "\"";
  }
  return s + ">";
}

int fontPreviewPoints(std::string_view size) {
  if (!size.empty() && size.front() == '+') size.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(size.data(), size.data() + size.size(), value);
  if (ec != std::errc() || end != size.data() + size.size() || size.empty()) return 0;
  return std::abs(value + 12);
}

std::string textLineInput(bool password, std::string_view name, std::string_view value, int size, int maxLength) {
  return std::string("<INPUT TYPE=\"") + (password ? "PASSWORD\"" : "Text\"") + " NAME=\"" + str(name) +
         "\" VALUE=\"" + str(value) + "\" SIZE=\"" + std::to_string(size) + "\" MAXLENGTH=\"" +
         std::to_string(maxLength) + "\">";
}

std::vector<std::string> textArea(std::string_view name, int rows, int cols, bool readOnly, bool disabled,
                                  const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  out.push_back("<TEXTAREA NAME=\"" + str(name) + "\" ROWS=\"" + std::to_string(rows) + "\" COLS=\"" +
                std::to_string(cols) + "\" " + (readOnly ? "readonly " : "") + (disabled ? "disabled" : "") + ">");
  out.insert(out.end(), lines.begin(), lines.end());
  out.emplace_back("</TEXTAREA>");
  return out;
}

std::vector<std::string> selectList(std::string_view name, const std::vector<std::string>& options,
                                    int defaultIndex) {
  std::vector<std::string> out;
  if (options.empty()) return out;
  out.push_back("<SELECT NAME=\"" + str(name) + "\">");
  for (std::size_t i = 0; i < options.size(); ++i)
    out.push_back(std::string("  <OPTION") + (static_cast<int>(i) == defaultIndex ? " SELECTED" : "") + ">" +
                  options[i]);
  out.emplace_back("</SELECT>");
  return out;
}

std::string checkInput(bool radio, std::string_view name, bool checked) {
  return std::string("<INPUT TYPE=\"") + (radio ? "RADIO\"" : "CHECKBOX\"") + " NAME=\"" + str(name) + "\"" +
         (checked ? " CHECKED" : "") + ">";
}

std::string buttonInput(std::string_view type, std::string_view value) {
  return "<INPUT TYPE=\"" + str(type) + "\" VALUE=\"" + str(value) + "\">";
}

std::pair<std::string, std::string> formTags(std::string_view method, std::string_view action,
                                             std::string_view enctype) {
  return {"<FORM METHOD=\"" + str(method) + "\" ACTION=\"" + str(action) + "\" ENCTYPE=\"" + str(enctype) + "\">",
          "</FORM>"};
}

std::string embedTag(std::string_view src, bool useSize, std::string_view width, std::string_view height,
                     std::string_view align) {
  std::string s = "<EMBED SRC=\"" + str(src) + "\"";
  if (useSize) s += " WIDTH=\"" + str(width) + "\" HEIGHT=\"" + str(height) + "\"";
  if (!align.empty()) s += " ALIGN=\"" + str(align) + "\"";
  return s + ">";
}

const std::array<SpecialCharacter, 12> kSpecialCharacters = {{
    {"\u00A9", "&copy;"},
    {"\u00AE", "&reg;"},
    {"\u00BC", "&#188;"},
    {"\u00BD", "&#189;"},
    {"\u00BE", "&#190;"},
    {"\"", "&quot;"},
    {"\u00B6", "&#182;"},
    {"\u00B1", "&#177;"},
    {"<", "&lt;"},
    {">", "&gt;"},
    {"\u2022", "&#183;"},
    {"&&", "&amp;"},
}};

}  // namespace qm::wizards
