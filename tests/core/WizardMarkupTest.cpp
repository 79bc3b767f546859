#include <gtest/gtest.h>

#include "core/markup/WizardMarkup.h"

using namespace qm;
using namespace qm::wizard;

TEST(LinkMarkup, ElementsForFieldCombinations) {
  const LinkEffects all{true, true, true, true, "FF0000", "00FF00", "0000FF", "000000"};
  LinkEffects hidden = all;  // ticks and colours left from an earlier use
  hidden.shown = false;
  const LinkEffects bold{true, true};
  // Link text in visual order: the visual page's journey.
  constexpr auto L = HebrewStandard::WinLogical;
  struct Case { const char* name; LinkFields f; HebrewStandard standard; std::string element; };
  const Case cases[] = {
      {"all effects, user text, empty out text",
       {.href = "h", .useOver = true, .over = "go()", .useOut = true, .effects = all, .text = "x"}, L,
       "<A HREF=\"h\" OnMouseOver=\"style.fontWeight='bold'; style.background='FF0000'; style.color='0000FF';go()\" "
       "OnMouseOut=\"style.fontWeight='normal'; style.background='00FF00'; style.color='000000';\">x</A>"},
      {"hidden panel, empty handler box", {.href = "h", .useOver = true, .effects = hidden, .text = "x"}, L,
       "<A HREF=\"h\">x</A>"},
      {"bold alone, nothing escaped", {.href = "a\"b<", .effects = bold, .text = "x"}, L,
       "<A HREF=\"a\"b<\" OnMouseOver=\"style.fontWeight='bold'\" OnMouseOut=\"style.fontWeight='normal'\">x</A>"},
  };
  for (const Case& c : cases) EXPECT_EQ(linkElement(c.f, c.standard), c.element) << c.name;
}

TEST(ImageMarkup, ElementsForFieldCombinations) {
  struct Case { ImageFields f; std::string element; };
  const Case cases[] = {
      {{"x.gif", false, "", true, "MIDDLE"}, "<IMG SRC=\"x.gif\" ALIGN=\"MIDDLE\" >"},
      {{"a.gif", true, "\xFA\xEE\xE5\xF0\xE4", true, "LEFT"}, "<IMG SRC=\"a.gif\" ALT=\"\xFA\xEE\xE5\xF0\xE4\" ALIGN=\"LEFT\" >"},
      {{"C:\\p\\a.gif", true, "", true, ""}, "<IMG SRC=\"C:\\p\\a.gif\" ALT=\"\" ALIGN=\"\" >"},
  };
  for (const Case& c : cases) EXPECT_EQ(imageElement(c.f), c.element);
}

TEST(DroppedFiles, NamesCallForTheirWizards) {
  struct Case { std::string name; bool link, image; };
  const Case cases[] = {
      {"/s/b.Shtml", true, false}, {"/s/i.php3", true, false}, {"/s/p.jpeg", false, true}, {"/s/a.txt", false, false},
      {"/x.htm.d/p.bmp", true, true},  // anywhere in the name, folders included
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isLinkDrop(c.name), c.link) << c.name;
    EXPECT_EQ(isImageDrop(c.name), c.image) << c.name;
  }
}

TEST(RemovePathNames, FoldersGoFromEverySrcValue) {
  struct Case { const char* name; std::string in, out; };
  const Case cases[] = {
      {"no backslash", "<IMG SRC=\"img/c.gif\"><IMG SRC=\"http://h/d.gif\">", "<IMG SRC=\"img/c.gif\"><IMG SRC=\"http://h/d.gif\">"},
      {"unquoted runs to the next quote", "<IMG SRC=p\\a.gif ALT=\"x\\y\">", "<IMG SRC=a.gif ALT=\"x\\y\">"},
      {"break after SRC=", "<IMG SRC=\r\n\"d\\e.gif\" a\\b", "<IMG SRC=\r\n\"e.gif\" a\\b"},
      {"several, text between kept", "a\\b<X SRC=\"1\\2\"> c\\d <Y src=\"3\\4\">", "a\\b<X SRC=\"2\"> c\\d <Y src=\"4\">"},
      {"empty value stays empty", "<IMG SRC=\"\">C:\\x\\y <A HREF=\"z\">", "<IMG SRC=\"\">C:\\x\\y <A HREF=\"z\">"},
      {"no closing quote", "<IMG SRC=\"a\\b.gif>\r\nx\\y", "<IMG SRC=\"a\\b.gif>\r\nx\\y"},
      {"SRC at the very end", "x SRC= ", "x SRC= "},
  };
  for (const Case& c : cases) EXPECT_EQ(RemovePathNames(c.in), c.out) << c.name;
}
