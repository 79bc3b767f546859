// The script library file, variable filling and the placing of a script's texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/scripts/ScriptDb.h"
#include "core/scripts/ScriptEdit.h"
#include "core/scripts/ScriptFill.h"
#include "core/text/Lines.h"

using namespace qm;
using namespace qm::scripts;

namespace {

using Lines = std::vector<std::string>;

std::string file(const Lines& body) {
  return lines::joinTerminated(Lines{"#Quillmark V1.5 Javascript Database (x)", "#n", "!VERSION", "100"}) +
         lines::joinTerminated(body);
}

Lines names(const ScriptList& list) {
  Lines out;
  for (const ScriptRec& r : list) out.push_back(r.SName);
  return out;
}

const std::string SHALOM = "\xF9\xEC\xE5\xED", MOLASH = "\xED\xE5\xEC\xF9";

}  // namespace

TEST(ScriptDb, WritesTheDescribedLinesAndReadsThemBack) {
  ScriptRec a{"a", "", "x\r\ny", "", "", "", "", ""};
  ScriptRec b{"$SDESCRIPTION", "d1\r\n", "", "<h>", "<b>\r\n\r\nz", "init()", "bye()", "V\r\nd\r\n1\r\nI\r\n"};
  ScriptRec c{"!DBEND", "", "", "", "", "", "", ""};
  ScriptList list;
  for (const ScriptRec* r : {&c, &b, &a}) insertScript(list, *r);
  const std::string bytes = SaveDB(list);
  const std::string aBlock = lines::joinTerminated({"!SCRIPT", "$SNAME", "a", "$STEXTATCRSR", "2", "x", "y", "!SCRIPT-END"});
  EXPECT_EQ(bytes.find(lines::joinTerminated({"!VERSION", "100", "!NAMELIST", "3", "!DBEND", "$SDESCRIPTION", "a", "!SCRIPT"})),
            bytes.find("!VERSION"));
  EXPECT_NE(bytes.find(aBlock), std::string::npos);

  const LoadResult back = LoadDB(bytes);
  EXPECT_EQ(back.stop, LoadStop::Complete) << back.reason;
  EXPECT_EQ(back.listed, (Lines{"!DBEND", "$SDESCRIPTION", "a"}));
  // Read records go in front: the order reverses with every load and save.
  b.SDescription = "d1";  // a final break adds no line
  b.ListOfVars = "V\r\nd\r\n1\r\nI";
  EXPECT_EQ(back.scripts, (ScriptList{c, b, a}));
  EXPECT_EQ(names(LoadDB(SaveDB(back.scripts)).scripts), (Lines{"a", "$SDESCRIPTION", "!DBEND"}));
}

TEST(ScriptDb, ReadingRulesAndWhereReadingStops) {
  // scripts: names, front first; field: STextAtCrsr of the front record
  struct Case { const char* name; std::string bytes; LoadStop stop; Lines scripts; std::string field = {}; };
  const Lines head = {"!NAMELIST", "2", "a", "b"};
  auto with = [&](Lines body) {
    Lines all = head;
    all.insert(all.end(), body.begin(), body.end());
    return file(all);
  };
  const Case cases[] = {
      {"keys in small letters, # and empty lines between blocks",
       with({"#c", "", "!script", "$sname", "a", "$stextatcrsr", "1", "q", "!script-end", "", "# x", "!SCRIPT",
             "$SNAME", "b", "!SCRIPT-END", "!dbend"}),
       LoadStop::Complete, {"b", "a"}},
      {"LF line ends and lines that match no key",
       "#t\n!NAMELIST\n1\na\n!SCRIPT\nnoise\n$SNAME\na\n$STEXTATCRSR\n2\n!SCRIPT-END\n$SNAME\n!SCRIPT-END\n!DBEND\n",
       LoadStop::Complete, {"a"}, "!SCRIPT-END\r\n$SNAME"},
      {"a truncated block keeps the records before it",
       with({"!SCRIPT", "$SNAME", "a", "!SCRIPT-END", "!SCRIPT", "$SNAME", "b", "$STEXTATCRSR", "3", "x"}),
       LoadStop::Truncated, {"a"}},
      {"a record not closed is dropped", with({"!SCRIPT", "$SNAME", "a", "!SCRIPT-END", "!SCRIPT", "$SNAME", "b"}),
       LoadStop::Truncated, {"a"}},
      {"no !DBEND", with({"!SCRIPT", "$SNAME", "a", "!SCRIPT-END"}), LoadStop::Truncated, {"a"}},
      {"a count that is no number", with({"!SCRIPT", "$SNAME", "a", "!SCRIPT-END", "!SCRIPT", "$STEXTATCRSR", "two"}),
       LoadStop::BadCount, {"a"}},
      {"an empty library as saved", SaveDB({}), LoadStop::Complete, {}},
      {"unknown version", "#t\r\n!VERSION\r\n101\r\n!NAMELIST\r\n0\r\n!DBEND\r\n", LoadStop::BadVersion, {}},
      {"no names list", file({"!SCRIPT", "$SNAME", "a", "!SCRIPT-END", "!DBEND"}), LoadStop::NoNameList, {}},
      {"names count 0 before scripts", file({"!NAMELIST", "0", "!SCRIPT", "$SNAME", "a", "!SCRIPT-END", "!DBEND"}),
       LoadStop::EmptyNameList, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LoadResult r = LoadDB(c.bytes);
    EXPECT_EQ(r.stop, c.stop);
    EXPECT_EQ(names(r.scripts), c.scripts);
    if (!c.field.empty()) {
      EXPECT_EQ(r.scripts.front().STextAtCrsr, c.field);
    }
  }
}

TEST(ScriptVars, ReadFourLinesAtATimeUpToAnEmptyName) {
  EXPECT_EQ(parseVars("A\r\nda\r\n1\r\nI\r\nB\r\ndb"), (std::vector<ScriptVar>{{"A", "da", "1", "I"}, {"B", "db", "", ""}}));
  EXPECT_EQ(parseVars("A\r\nda\r\n1\r\nI\r\n\r\nx\r\ny\r\nz\r\nC"), (std::vector<ScriptVar>{{"A", "da", "1", "I"}}));
}

TEST(ScriptFill, ReplacesReferencesAsTheWindowDoes) {
  const std::string n23(23, 'N'), n25(25, 'L');
  const std::vector<ScriptVar> vars = {{"COLOR", "", "FF0000", "C"}, {"a", "", "1", "I"},  {"b", "", "2", "I"},
                                       {"heb", "", SHALOM + " 12", "sh"}, {n23, "", "23", "S"}, {n25, "", "25", "S"},
                                       {"A", "", "shadowed", "I"}};
  struct Case { std::string in, iso, logical; };
  const Case cases[] = {
      {"$$a$$$b$ end", "1$$b$ end", ""},            // the "$" after a reference is not examined
      {"xy$$a$", "xy$$a$", ""},                     // starts within the last five characters
      {"$$a$x", "$$a$x", ""},
      {"$$a$xy", "1xy", ""},
      {"$$nope$ and", "$$nope$ and", ""},          // unknown name
      {"x $$color", "x $$color", ""},              // no closing "$"
      {"[$$heb$]", "[12 " + MOLASH + "]", "[" + SHALOM + " 12]"},  // a type of "sh" is Hebrew too
      {"$$" + n23 + "XY$ z", "23Y$ z", ""},          // 23 characters end the name; the next one ends the reference
      {"$$" + n25 + "$ and more", "$$" + n25 + "$ and more", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(FillScriptVars(c.in, vars, HebrewStandard::IsoVisual), c.iso);
    EXPECT_EQ(FillScriptVars(c.in, vars, HebrewStandard::WinLogical), c.logical.empty() ? c.iso : c.logical);
  }
}

TEST(ScriptFill, PlacesTheTextsAndTheLoadCode) {
  // page: the caret in front of "|"
  struct Case { const char* name; std::string page; FilledScript script; std::string result; };
  const FilledScript all{"C", "H", "B", "start()", "stop()"};
  const Case cases[] = {
      {"bare tags", "<HTML><HEAD>\r\n</HEAD><BODY>\r\n|</BODY>", all,
       "<HTML><HEAD>H\r\n</HEAD><BODY OnUnLoad=\"stop()\"  OnLoad=\"start()\" >B\r\nC|</BODY>"},
      {"existing handlers", "<head><body bgcolor=1 onload = \"init()\"\r\nONUNLOAD=\r\n'end()'>|", all,
       "<head>H<body bgcolor=1 onload = \"start();init()\"\r\nONUNLOAD=\r\n'stop();end()'>BC|"},
      {"a handler after the tag is not the tag's", "<BODY><IMG onLoad=\"x()\">|", {"", "", "", "s()", ""},
       "<BODY OnLoad=\"s()\" ><IMG onLoad=\"x()\">|"},
      {"no tags: head and body texts at the caret", "ab|cd", all, "abCHB|cd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string page = c.page;
    for (const PageEdit& e : mergeEdits(c.page, c.page.find('|'), c.script)) page.insert(e.pos, e.text);
    EXPECT_EQ(page, c.result);
  }
}

// The editor's fields into a library of "a" and "b": a name is refused when
// empty or another script's; an edit changes its own record in place.
TEST(ScriptEdit, NamesAndRecords) {
  struct Case { const char* name; bool editB; NameCheck check; std::vector<std::string> names; };
  const Case cases[] = {
      {"", false, NameCheck::Empty, {"a", "b"}},
      {"a", false, NameCheck::Taken, {"a", "b"}},
      {"a", true, NameCheck::Taken, {"a", "b"}},
      {"b", true, NameCheck::Ok, {"a", "b"}},  // its own name
      {"c", true, NameCheck::Ok, {"a", "c"}},
      {"c", false, NameCheck::Ok, {"c", "a", "b"}},  // a new script goes in front
  };
  const ScriptFields fields{"", "d", "l()", "u()", "x", "h", "y", {{"V", "v", "1", "I"}}};
  for (const Case& c : cases) {
    ScriptList lib{{"a", "", "", "", "", "", "", ""}, {"b", "", "", "", "", "", "", ""}};
    ScriptFields f = fields;
    f.name = c.name;
    EXPECT_EQ(storeScript(lib, c.editB ? &lib.back() : nullptr, f), c.check) << c.name << c.editB;
    std::vector<std::string> names;
    for (const ScriptRec& r : lib) names.push_back(r.SName);
    EXPECT_EQ(names, c.names) << c.name << c.editB;
  }
  ScriptList lib;
  ScriptFields f = fields;
  f.name = "n";
  storeScript(lib, nullptr, f);
  EXPECT_EQ(lib.front(), (ScriptRec{"n", "d", "x", "h", "y", "l()", "u()", "V\r\nv\r\n1\r\nI\r\n"}));
}
