// qmtool xferheb: the visual Hebrew conversion of every line of a file.
#include <string>

#include "core/hebrew/VisualHebrew.h"
#include "qmtool/Command.h"

namespace {

constexpr const char* kUsage = "xferheb [--logical] [--no-hebrew-only] [--no-mirror] [FILE]";

int run(const std::vector<std::string>& args) {
  bool hebrewOnly = true, mirror = true;
  qm::HebrewStandard standard = qm::HebrewStandard::IsoVisual;
  std::string file;
  for (const auto& a : args) {
    if (a == "--logical") {
      standard = qm::HebrewStandard::WinLogical;
    } else if (a == "--no-hebrew-only") {
      hebrewOnly = false;
    } else if (a == "--no-mirror") {
      mirror = false;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      return qmtool::fail("unknown option " + a + "; usage: qmtool " + kUsage);
    } else if (file.empty()) {
      file = a;
    } else {
      return qmtool::fail(std::string("more than one file; usage: qmtool ") + kUsage);
    }
  }
  const std::string in = qmtool::readInput(file);
  std::string out;
  out.reserve(in.size());
  // Each line is converted on its own; its line end (CR LF, LF or CR) is kept.
  std::size_t i = 0;
  while (i < in.size()) {
    std::size_t end = in.find_first_of("\r\n", i);
    if (end == std::string::npos) end = in.size();
    out += qm::xferheb(std::string_view(in).substr(i, end - i), hebrewOnly, mirror, standard);
    std::size_t next = end;
    if (next < in.size() && in[next] == '\r') ++next;
    if (next < in.size() && in[next] == '\n' && (next == end || in[end] == '\r')) ++next;
    out.append(in, end, next - end);
    i = next;
  }
  qmtool::writeOutput(out);
  return 0;
}

const qmtool::Registration reg{{"xferheb", kUsage, run}};

}  // namespace
