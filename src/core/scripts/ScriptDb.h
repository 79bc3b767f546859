#pragma once

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <vector>

// The script library and its file, JSDB.dat: ready-made JavaScript snippets
// with the places where each goes into a page and the variables the user
// fills in. Text is code-page 1255 bytes; multi-line fields hold their lines
// joined with CR LF, with no break after the last line.
namespace qm::scripts {

// One script of the library.
struct ScriptRec {
  std::string SName;         // one line
  std::string SDescription;  // may span lines
  std::string STextAtCrsr;   // inserted at the caret
  std::string STextAtHead;   // inserted right after the page's HEAD tag
  std::string STextAtBody;   // inserted right after the page's BODY tag
  std::string AddOnLoad;     // code for the BODY tag's OnLoad; one line
  std::string AddUnLoad;     // code for the BODY tag's OnUnLoad; one line
  std::string ListOfVars;    // four lines per variable: name, description, initial value, type code

  bool operator==(const ScriptRec&) const = default;
};

// The library in memory. A record read or added goes in front, and the file
// is written from the front, so the order of the blocks in the file reverses
// with every load and save (the names list is sorted and does not change).
using ScriptList = std::list<ScriptRec>;

inline void insertScript(ScriptList& list, ScriptRec rec) { list.push_front(std::move(rec)); }

// The names of the records in the order the library window lists them:
// letters compared without regard to case, then byte by byte.
std::vector<std::string> sortedNames(const ScriptList& list);

// Why reading stopped.
enum class LoadStop {
  Complete,       // "!DBEND" reached, or a name count of 0 followed by "!DBEND"
  BadVersion,     // "!VERSION" not followed by "100": nothing loaded
  NoNameList,     // no "!NAMELIST" where it belongs: nothing loaded
  EmptyNameList,  // a name count of 0 followed by more than "!DBEND": nothing loaded
  BadCount,       // a count line that is not a decimal number
  Truncated,      // the file ends before a value, a block, "!SCRIPT-END" or "!DBEND"
};

struct LoadResult {
  ScriptList scripts;               // the records completed before reading stopped
  std::vector<std::string> listed;  // the names the file's "!NAMELIST" announces
  LoadStop stop = LoadStop::Complete;
  std::size_t line = 0;  // 0-based line at which reading stopped ("!DBEND" when complete)
  std::string reason;    // readable English text for any stop but Complete

  // Reading stopped before the end: saving over the file would lose what was not read.
  bool stoppedEarly() const { return stop != LoadStop::Complete; }
};

// Reads the file's bytes (any line ends). Keys and markers are recognised in
// any case, values are taken as they stand; "#" lines and empty lines between
// blocks are passed over; multi-line values are read by their line counts.
LoadResult LoadDB(std::string_view fileBytes);

// The file's bytes for the library, CR LF lines: the comment lines, version,
// the sorted names list, every record from the front, "!DBEND". Empty fields
// are left out. A line break inside a single-line field (name, load and
// unload code) is written as a space, so the file always reads back.
std::string SaveDB(const ScriptList& list);

// One variable of a script, as the library window lists it.
struct ScriptVar {
  std::string name;
  std::string description;
  std::string value;  // initial value in the file, current value in the window
  std::string type;   // "I", "S", "SH", "FH", "FP", "C"

  bool operator==(const ScriptVar&) const = default;
};

// The variables of ListOfVars: four lines at a time from the first while at
// least two lines remain, up to the first empty name (missing lines read empty).
std::vector<ScriptVar> parseVars(std::string_view listOfVars);

// ListOfVars for the variables: four lines each, every line followed by CR LF.
std::string formatVars(const std::vector<ScriptVar>& vars);

// A small set of useful scripts for a first start without a library file.
ScriptList starterScripts();

}  // namespace qm::scripts
