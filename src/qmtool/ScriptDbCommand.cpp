// qmtool scriptdb: reads a script library file (JSDB.dat) as the program does.
#include <string>

#include "core/scripts/ScriptDb.h"
#include "core/scripts/ScriptFill.h"
#include "qmtool/Command.h"

namespace {

namespace sc = qm::scripts;

constexpr const char* kUsage = "scriptdb check FILE | list FILE | fill [--logical] FILE NAME [VAR=VALUE ...]";

const char* stopName(sc::LoadStop s) {
  switch (s) {
    case sc::LoadStop::Complete: return "complete";
    case sc::LoadStop::BadVersion: return "unknown version";
    case sc::LoadStop::NoNameList: return "no names list";
    case sc::LoadStop::EmptyNameList: return "empty names list";
    case sc::LoadStop::BadCount: return "bad count";
    case sc::LoadStop::Truncated: return "truncated";
  }
  return "?";
}

int check(const sc::LoadResult& r) {
  std::string out = "names listed: " + std::to_string(r.listed.size()) + "\n" +
                    "scripts read: " + std::to_string(r.scripts.size()) + "\n";
  if (r.stoppedEarly()) {
    out += "stopped: " + std::string(stopName(r.stop)) + " at line " + std::to_string(r.line + 1) + ": " + r.reason + "\n";
  } else {
    out += "complete: !DBEND at line " + std::to_string(r.line + 1) + "\n";
  }
  qmtool::writeOutput(out);
  return r.stoppedEarly() ? 1 : 0;
}

int fill(const sc::LoadResult& r, const std::vector<std::string>& args, std::size_t first, qm::HebrewStandard standard) {
  if (first >= args.size()) return qmtool::fail(std::string("no script name; usage: qmtool ") + kUsage);
  const std::string& name = args[first];
  const sc::ScriptRec* rec = nullptr;
  for (const sc::ScriptRec& s : r.scripts) {
    if (s.SName == name) {
      rec = &s;
      break;
    }
  }
  if (rec == nullptr) return qmtool::fail("no script named '" + name + "'");
  std::vector<sc::ScriptVar> vars = sc::parseVars(rec->ListOfVars);
  for (std::size_t i = first + 1; i < args.size(); ++i) {
    const std::size_t eq = args[i].find('=');
    if (eq == std::string::npos) return qmtool::fail("'" + args[i] + "' is not VAR=VALUE");
    // Matched as a reference is: by the name in capitals, the first variable counting.
    const int found = sc::findVar(vars, args[i].substr(0, eq));
    if (found < 0) return qmtool::fail("the script has no variable " + args[i].substr(0, eq));
    vars[static_cast<std::size_t>(found)].value = args[i].substr(eq + 1);
  }
  const sc::FilledScript f = sc::fillScript(*rec, vars, standard);
  qmtool::writeOutput("--- caret\n" + f.caret + "\n--- head\n" + f.head + "\n--- body\n" + f.body +
                      "\n--- onload\n" + f.onLoad + "\n--- onunload\n" + f.onUnLoad + "\n");
  return 0;
}

int run(const std::vector<std::string>& args) {
  if (args.size() < 2) return qmtool::fail(std::string("usage: qmtool ") + kUsage);
  const std::string& what = args[0];
  std::size_t next = 1;
  auto standard = qm::HebrewStandard::IsoVisual;
  if (what == "fill" && args[next] == "--logical") {
    standard = qm::HebrewStandard::WinLogical;
    ++next;
  }
  if (next >= args.size()) return qmtool::fail(std::string("no file; usage: qmtool ") + kUsage);
  const sc::LoadResult r = sc::LoadDB(qmtool::readInput(args[next]));
  if (what == "check") return args.size() == 2 ? check(r) : qmtool::fail(std::string("usage: qmtool ") + kUsage);
  if (r.stoppedEarly()) qmtool::fail("reading stopped at line " + std::to_string(r.line + 1) + ": " + stopName(r.stop));
  if (what == "list") {
    if (args.size() != 2) return qmtool::fail(std::string("usage: qmtool ") + kUsage);
    std::string out;
    for (const std::string& n : sc::sortedNames(r.scripts)) out += n + "\n";
    qmtool::writeOutput(out);
    return r.stoppedEarly() ? 1 : 0;
  }
  if (what == "fill") {
    const int status = fill(r, args, next + 1, standard);
    return r.stoppedEarly() ? 1 : status;
  }
  return qmtool::fail("unknown scriptdb command '" + what + "'; usage: qmtool " + kUsage);
}

const qmtool::Registration reg{{"scriptdb", kUsage, run}};

}  // namespace
