#include <gtest/gtest.h>

#include "core/markup/WizardMarkup.h"

using namespace qm;
using namespace qm::wizard;

namespace {
const std::string LINK = "\xE4\xF7\xE9\xF9\xE5\xF8 \xF9\xEC\xE9";  // "הקישור שלי"
const std::string LINK_VISUAL = "\xE9\xEC\xF9 \xF8\xE5\xF9\xE9\xF7\xE4";
}  // namespace

TEST(LinkMarkup, ElementsForFieldCombinations) {
  auto fields = [] {
    LinkFields f;
    f.href = "http://";
    f.text = LINK;
    f.image = "Picture.pic";
    return f;
  };
  auto effects = [](bool shown, bool bold, bool back, bool colour) {
    LinkEffects e{shown, bold, back, colour, "FF0000", "00FF00", "0000FF", "000000"};
    return e;
  };
  struct Case {
    const char* name;
    LinkFields f;
    HebrewStandard standard;
    std::string element;
  };
  std::vector<Case> cases;
  cases.push_back({"defaults, logical", fields(), HebrewStandard::WinLogical, "<A HREF=\"http://\">" + LINK + "</A>"});
  cases.push_back({"defaults, visual", fields(), HebrewStandard::IsoVisual, "<A HREF=\"http://\">" + LINK_VISUAL + "</A>"});
  {
    LinkFields f = fields();
    f.imageContent = true;
    f.useTarget = true;
    f.target = "main";
    cases.push_back({"image with target", f, HebrewStandard::IsoVisual,
                     "<A HREF=\"http://\" TARGET=\"main\"><IMG SRC=\"Picture.pic\"></A>"});
  }
  {
    LinkFields f = fields();
    f.effects = effects(true, true, true, true);
    f.useOver = true;
    f.over = "go()";
    f.useOut = true;
    f.out = "";
    f.text = "x";
    cases.push_back({"all effects, user text, empty out text", f, HebrewStandard::WinLogical,
                     "<A HREF=\"http://\" OnMouseOver=\"style.fontWeight='bold'; style.background='FF0000'; "
                     "style.color='0000FF';go()\" OnMouseOut=\"style.fontWeight='normal'; style.background='00FF00'; "
                     "style.color='000000';\">x</A>"});
  }
  {
    LinkFields f = fields();
    f.effects = effects(false, true, true, true);  // ticks left from an earlier use
    f.useOver = true;                              // ticked, nothing typed
    f.text = "x";
    cases.push_back({"hidden panel, empty handler box", f, HebrewStandard::WinLogical, "<A HREF=\"http://\">x</A>"});
  }
  {
    LinkFields f = fields();
    f.effects = effects(true, false, true, false);
    f.effects.overBack.clear();  // colour dialog cancelled
    f.href.clear();
    f.text = "x";
    cases.push_back({"cancelled colour, empty address", f, HebrewStandard::WinLogical,
                     "<A HREF=\"\" OnMouseOver=\" style.background=''\" OnMouseOut=\" style.background='00FF00'\">x</A>"});
  }
  {
    LinkFields f = fields();
    f.effects = effects(true, true, false, false);
    f.href = "a\"b<";  // nothing is escaped
    f.text = "x";
    cases.push_back({"bold alone", f, HebrewStandard::WinLogical,
                     "<A HREF=\"a\"b<\" OnMouseOver=\"style.fontWeight='bold'\" "
                     "OnMouseOut=\"style.fontWeight='normal'\">x</A>"});
  }
  for (const Case& c : cases) EXPECT_EQ(linkElement(c.f, c.standard), c.element) << c.name;
}

TEST(ImageMarkup, ElementsForFieldCombinations) {
  struct Case {
    ImageFields f;
    std::string element;
  };
  const Case cases[] = {
      {{"Picture.pic", false, "x", false, "LEFT"}, "<IMG SRC=\"Picture.pic\">"},
      {{"x.gif", false, "", true, "MIDDLE"}, "<IMG SRC=\"x.gif\" ALIGN=\"MIDDLE\" >"},
      {{"a.gif", true, "\xFA\xEE\xE5\xF0\xE4", true, "LEFT"}, "<IMG SRC=\"a.gif\" ALT=\"\xFA\xEE\xE5\xF0\xE4\" ALIGN=\"LEFT\" >"},
      {{"C:\\p\\a.gif", true, "", true, ""}, "<IMG SRC=\"C:\\p\\a.gif\" ALT=\"\" ALIGN=\"\" >"},
  };
  for (const Case& c : cases) EXPECT_EQ(imageElement(c.f), c.element);
}

TEST(DroppedFiles, NamesCallForTheirWizards) {
  struct Case {
    std::string name;
    bool link, image;
  };
  const Case cases[] = {
      {"/s/a.html", true, false},   {"/s/b.Shtml", true, false}, {"/s/i.php3", true, false},
      {"/s/logo.gif", false, true}, {"/s/p.jpeg", false, true},  {"/s/a.txt", false, false},
      {"/x.htm.d/p.bmp", true, true},  // anywhere in the name, folders included
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isLinkDrop(c.name), c.link) << c.name;
    EXPECT_EQ(isImageDrop(c.name), c.image) << c.name;
  }
}

TEST(RemovePathNames, FoldersGoFromEverySrcValue) {
  struct Case {
    const char* name;
    std::string in, out;
  };
  const Case cases[] = {
      {"lower-case src", "<img src=\"C:\\pics\\a.gif\">", "<img src=\"a.gif\">"},
      {"spaces around =", "<IMG SRC = \"img\\b.gif\">", "<IMG SRC = \"b.gif\">"},
      {"no backslash", "<IMG SRC=\"img/c.gif\"><IMG SRC=\"http://h/d.gif\">", "<IMG SRC=\"img/c.gif\"><IMG SRC=\"http://h/d.gif\">"},
      {"unquoted runs to the next quote", "<IMG SRC=p\\a.gif ALT=\"x\\y\">", "<IMG SRC=a.gif ALT=\"x\\y\">"},
      {"break after SRC=", "<IMG SRC=\r\n\"d\\e.gif\" a\\b", "<IMG SRC=\r\n\"e.gif\" a\\b"},
      {"several, text between kept", "a\\b<X SRC=\"1\\2\"> c\\d <Y src=\"3\\4\">", "a\\b<X SRC=\"2\"> c\\d <Y src=\"4\">"},
      {"no closing quote", "<IMG SRC=\"a\\b.gif>\r\nx\\y", "<IMG SRC=\"a\\b.gif>\r\nx\\y"},
      {"SRC at the very end", "x SRC= ", "x SRC= "},
  };
  for (const Case& c : cases) EXPECT_EQ(RemovePathNames(c.in), c.out) << c.name;
}
