// qmtool: the program's engines on the command line.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "qmtool/Command.h"
#include "core/Version.h"

namespace qmtool {

std::vector<Command>& commands() {
  static std::vector<Command> all;
  return all;
}

std::string readInput(const std::string& path) {
  if (path.empty() || path == "-") {
    std::ostringstream ss;
    ss << std::cin.rdbuf();
    return ss.str();
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path + ": " + std::strerror(errno));
  std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("cannot read " + path);
  return data;
}

void writeOutput(const std::string& bytes) {
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
}

int fail(const std::string& message) {
  std::cerr << "qmtool: " << message << "\n";
  return 1;
}

namespace {
void printHelp(std::ostream& out) {
  out << "usage: qmtool COMMAND [ARGS...]\n"
      << "       qmtool --version | --help\n\n"
      << "Text goes in and out as raw bytes (code page 1255); FILE may be omitted to\n"
      << "read standard input.\n\ncommands:\n";
  std::vector<const Command*> sorted;
  for (const auto& c : commands()) sorted.push_back(&c);
  std::sort(sorted.begin(), sorted.end(), [](const Command* a, const Command* b) { return a->name < b->name; });
  for (const Command* c : sorted) out << "  " << c->usage << "\n";
}
}  // namespace

}  // namespace qmtool

int main(int argc, char** argv) {
  using namespace qmtool;
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    printHelp(std::cerr);
    return 2;
  }
  const std::string first = argv[1];
  if (first == "--version") {
    std::cout << qm::VersionTitle << "\n";
    return 0;
  }
  if (first == "--help" || first == "-h") {
    printHelp(std::cout);
    return 0;
  }
  for (const auto& c : commands()) {
    if (c.name != first) continue;
    if (argc == 3 && (std::string(argv[2]) == "--help" || std::string(argv[2]) == "-h")) {
      std::cout << "usage: qmtool " << c.usage << "\n";
      return 0;
    }
    try {
      return c.run(std::vector<std::string>(argv + 2, argv + argc));
    } catch (const std::exception& e) {
      return fail(e.what());
    }
  }
  std::cerr << "qmtool: unknown command '" << first << "'\n";
  printHelp(std::cerr);
  return 2;
}
