// qmtool convert: pages moved to another character set (a visual page to a
// logical one has its Hebrew turned back into reading order).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "core/text/Encoding.h"
#include "qmtool/Command.h"

namespace {

namespace fs = std::filesystem;
using qm::encoding::Charset;

constexpr const char* kUsage = "convert --to utf-8|windows-1255|iso-8859-8 [--in-place] [FILE|FOLDER...]";

bool isPageFile(const fs::path& p) {
  std::string ext = p.extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".htm" || ext == ".html";
}

void writeFile(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

// The page converted in place: the new text goes to a temporary file beside
// it, the original becomes NAME.bak, the temporary file takes its name.
qm::encoding::Converted convertInPlace(const fs::path& file, Charset to) {
  const std::string in = qmtool::readInput(file.string());
  if (in.find('\0') != std::string::npos) throw std::runtime_error(file.string() + ": not a text file (NUL bytes)");
  qm::encoding::Converted c = qm::encoding::convertPage(in, to);
  fs::path tmp = file;
  tmp += ".qmtmp";
  fs::path bak = file;
  bak += ".bak";
  writeFile(tmp, c.bytes);
  std::error_code ec;
  fs::rename(file, bak, ec);
  if (!ec) fs::rename(tmp, file, ec);
  if (ec) {
    fs::remove(tmp);
    throw std::runtime_error("cannot replace " + file.string() + ": " + ec.message());
  }
  return c;
}

int run(const std::vector<std::string>& args) {
  std::optional<Charset> to;
  bool inPlace = false;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--to" && i + 1 < args.size()) {
      to = qm::encoding::charsetFromName(args[++i]);
      if (!to) return qmtool::fail("unknown character set " + args[i] + "; usage: qmtool " + kUsage);
    } else if (a == "--in-place") {
      inPlace = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return qmtool::fail("unknown option " + a + "; usage: qmtool " + kUsage);
    } else {
      files.push_back(a);
    }
  }
  if (!to) return qmtool::fail(std::string("--to is required; usage: qmtool ") + kUsage);
  if (!inPlace) {
    if (files.size() > 1) return qmtool::fail(std::string("more than one file needs --in-place; usage: qmtool ") + kUsage);
    const std::string in = qmtool::readInput(files.empty() ? "" : files[0]);
    if (in.find('\0') != std::string::npos) return qmtool::fail("not a text file (NUL bytes)");
    qmtool::writeOutput(qm::encoding::convertPage(in, *to).bytes);
    return 0;
  }
  if (files.empty()) return qmtool::fail(std::string("--in-place needs files or folders; usage: qmtool ") + kUsage);
  std::vector<fs::path> pages;
  for (const std::string& f : files) {
    if (fs::is_directory(f)) {
      for (const auto& e : fs::recursive_directory_iterator(f))
        if (e.is_regular_file() && isPageFile(e.path())) pages.push_back(e.path());
    } else {
      pages.emplace_back(f);
    }
  }
  std::size_t done = 0, runs = 0, refs = 0;
  int status = 0;
  for (const fs::path& p : pages) {
    try {
      const auto c = convertInPlace(p, *to);
      ++done;
      runs += c.runs;
      refs += c.references;
      std::cout << p.string() << ": " << qm::encoding::charsetName(c.from.charset) << " -> "
                << qm::encoding::charsetName(*to) << ", " << c.runs << " runs converted, " << c.references
                << " references\n";
    } catch (const std::exception& e) {
      status = qmtool::fail(e.what());
    }
  }
  std::cout << done << " files, " << runs << " runs converted, " << refs << " characters written as references\n";
  std::cout.flush();
  return status;
}

const qmtool::Registration reg{{"convert", kUsage, run}};

}  // namespace
