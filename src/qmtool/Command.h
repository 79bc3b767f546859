#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace qmtool {

// One subcommand of qmtool. Each lives in a file of its own in this folder and
// registers itself with a static Registration, so adding one touches no other file.
struct Command {
  std::string name;
  std::string usage;    // one line for --help, e.g. "xferheb [--logical] [FILE]"
  std::function<int(const std::vector<std::string>& args)> run;  // args after the name
};

std::vector<Command>& commands();

struct Registration {
  explicit Registration(Command c) { commands().push_back(std::move(c)); }
};

// Reads the named file, or standard input when the name is empty or "-", as raw bytes.
// Throws std::runtime_error with a readable message on failure.
std::string readInput(const std::string& path);

// Writes raw bytes to standard output.
void writeOutput(const std::string& bytes);

// Prints "qmtool: <message>" on standard error and returns the exit code 1.
int fail(const std::string& message);

}  // namespace qmtool
