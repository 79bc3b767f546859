#include "core/scripts/ScriptDb.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "core/text/Lines.h"

namespace qm::scripts {

namespace {

constexpr char kCrLf[] = "\r\n";

unsigned char lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }

// The line, in capitals, equals the key (keys are upper case).
bool isKey(std::string_view line, std::string_view key) {
  if (line.size() != key.size()) return false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (lower(static_cast<unsigned char>(line[i])) != lower(static_cast<unsigned char>(key[i]))) return false;
  }
  return true;
}

bool isComment(std::string_view line) { return !line.empty() && line[0] == '#'; }

// A count line: a decimal number, blanks around it allowed.
bool parseCount(std::string_view s, std::size_t& n) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  if (s.empty() || s.size() > 9) return false;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  return ec == std::errc() && end == s.data() + s.size();
}

// The file's lines, met in order without copying them: a CR LF, a lone CR or
// a lone LF ends a line; a final break starts no line. Reading a library
// thus takes little memory besides its records, whatever its line count
// (a list of every line took 16 times the file for a file of empty lines).
class LineSource {
 public:
  explicit LineSource(std::string_view bytes) : bytes_(bytes) {}

  // Line n (counted from 0), or nothing past the last line. Lines are asked
  // for in increasing order; the last one can be asked for again.
  std::optional<std::string_view> at(std::size_t n) {
    while (!current_ || *current_ < n) {
      if (pos_ >= bytes_.size()) return std::nullopt;
      std::size_t end = pos_;
      while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n') ++end;
      line_ = bytes_.substr(pos_, end - pos_);
      pos_ = end + (end + 1 < bytes_.size() && bytes_[end] == '\r' && bytes_[end + 1] == '\n' ? 2 : 1);
      current_ = current_ ? *current_ + 1 : 0;
    }
    if (*current_ != n) return std::nullopt;
    return line_;
  }

  // How many lines the file has.
  std::size_t count() {
    while (at(current_ ? *current_ + 1 : 0)) {
    }
    return current_ ? *current_ + 1 : 0;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;                  // where the line after the current one starts
  std::optional<std::size_t> current_;   // the number of the line last read
  std::string_view line_;
};

// Reads the file line by line; every step that needs a line that is not
// there, or a count that is no number, ends the load with its reason.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : lines_(bytes) {}

  LoadResult run() {
    std::size_t i = 1;  // line 0, the title, is not examined
    while (isComment(line(i))) ++i;
    if (has(i) && isKey(line(i), "!VERSION")) {
      if (!need(i + 1, "the version number")) return done();
      if (line(i + 1) != "100")
        return stop(LoadStop::BadVersion, i + 1, "unknown version '" + std::string(line(i + 1)) + "'");
      i += 2;
    }
    if (!has(i) || !isKey(line(i), "!NAMELIST"))
      return stop(LoadStop::NoNameList, i, "no !NAMELIST where the names list belongs");
    std::size_t count = 0;
    if (!readCount(i, count)) return done();
    if (count == 0) {
      std::size_t next = i + 1;
      while (has(next) && (line(next).empty() || isComment(line(next)))) ++next;
      if (has(next) && isKey(line(next), "!DBEND")) return stop(LoadStop::Complete, next, "");
      return stop(LoadStop::EmptyNameList, i, "a names list of 0 followed by more than !DBEND");
    }
    for (std::size_t k = 1; k <= count; ++k) {
      if (!need(i + k, "the names list")) return done();
      result_.listed.emplace_back(line(i + k));
    }
    // Past the names: a script named like a marker must not be read as one.
    i += count + 1;

    while (has(i)) {
      while (isComment(line(i))) ++i;
      if (!has(i)) break;
      if (isKey(line(i), "!SCRIPT")) {
        if (!readScript(i)) return done();
      } else if (isKey(line(i), "!DBEND")) {
        return stop(LoadStop::Complete, i, "");
      }
      ++i;
    }
    return stop(LoadStop::Truncated, lines_.count(), "the file ends before !DBEND");
  }

 private:
  bool has(std::size_t i) { return lines_.at(i).has_value(); }
  // Line i, or the empty text past the end.
  std::string_view line(std::size_t i) { return lines_.at(i).value_or(std::string_view()); }

  // From "!SCRIPT" to "!SCRIPT-END" (i ends on it). Each line is taken once:
  // a value line is never tested as a key, so any name or text reads back.
  bool readScript(std::size_t& i) {
    ScriptRec rec;
    for (++i;; ++i) {
      if (!need(i, "!SCRIPT-END")) return false;
      const std::string_view text = line(i);
      if (isKey(text, "!SCRIPT-END")) break;
      if (text.empty()) continue;
      bool ok = true;
      if (isKey(text, "$SNAME")) ok = readLine(i, rec.SName);
      else if (isKey(text, "$SDESCRIPTION")) ok = readBlock(i, rec.SDescription);
      else if (isKey(text, "$STEXTATCRSR")) ok = readBlock(i, rec.STextAtCrsr);
      else if (isKey(text, "$STEXTATHEAD")) ok = readBlock(i, rec.STextAtHead);
      else if (isKey(text, "$STEXTATBODY")) ok = readBlock(i, rec.STextAtBody);
      else if (isKey(text, "$ADDONLOAD")) ok = readLine(i, rec.AddOnLoad);
      else if (isKey(text, "$ADDUNLOAD")) ok = readLine(i, rec.AddUnLoad);
      else if (isKey(text, "$LISTOFVARS")) ok = readBlock(i, rec.ListOfVars);
      if (!ok) return false;
    }
    result_.scripts.push_front(std::move(rec));
    return true;
  }

  bool readLine(std::size_t& i, std::string& field) {
    if (!need(i + 1, "a value")) return false;
    field = line(++i);
    return true;
  }

  // The count on the next line, then that many lines joined with CR LF; i ends on the last.
  bool readBlock(std::size_t& i, std::string& field) {
    std::size_t count = 0;
    if (!readCount(i, count)) return false;
    field.clear();
    for (std::size_t k = 1; k <= count; ++k) {
      if (!need(i + k, "a block")) return false;
      if (k > 1) field += kCrLf;
      field += line(i + k);
    }
    i += count;
    return true;
  }

  // Moves i to the count line after it and reads the number there.
  bool readCount(std::size_t& i, std::size_t& count) {
    if (!need(i + 1, "a count")) return false;
    ++i;
    if (parseCount(line(i), count)) return true;
    mark(LoadStop::BadCount, i, "'" + std::string(line(i)) + "' is not a count");
    return false;
  }

  bool need(std::size_t i, const char* what) {
    if (has(i)) return true;
    mark(LoadStop::Truncated, lines_.count(), std::string("the file ends before ") + what);
    return false;
  }

  void mark(LoadStop why, std::size_t line, std::string reason) {
    result_.stop = why;
    result_.line = line;
    result_.reason = std::move(reason);
  }
  LoadResult stop(LoadStop why, std::size_t line, std::string reason) {
    mark(why, line, std::move(reason));
    return done();
  }
  LoadResult done() { return std::move(result_); }

  LineSource lines_;
  LoadResult result_;
};

void addBlock(std::string& out, std::string_view key, const std::string& field) {
  if (field.empty()) return;
  const std::vector<std::string> lines = lines::split(lines::toCrLf(field));
  out.append(key).append(kCrLf).append(std::to_string(lines.size())).append(kCrLf);
  for (const std::string& l : lines) out.append(l).append(kCrLf);
}

std::string oneLine(std::string s) {
  std::replace_if(s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return s;
}

}  // namespace

std::vector<std::string> sortedNames(const ScriptList& list) {
  std::vector<std::string> names;
  names.reserve(list.size());
  for (const ScriptRec& r : list) names.push_back(r.SName);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const auto byLetter = [](char x, char y) {
      return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byLetter)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), byLetter)) return false;
    return a < b;
  });
  return names;
}

LoadResult LoadDB(std::string_view fileBytes) { return Reader(fileBytes).run(); }

std::string SaveDB(const ScriptList& list) {
  std::string out;
  out.reserve(256 + list.size() * 512);
  const auto line = [&out](std::string_view s) { out.append(s).append(kCrLf); };
  line("#Quillmark V1.5 Javascript Database (http://www.quillmark.co.il)");
  line("#The script library of the Hebrew HTML editor: names, texts and variables of every script");
  line("# !!! Do NOT edit this file using a simple text editor !!!");
  line("!VERSION");
  line("100");
  line("!NAMELIST");
  const std::vector<std::string> names = sortedNames(list);
  line(std::to_string(names.size()));
  for (const std::string& n : names) line(oneLine(n));
  for (const ScriptRec& r : list) {
    line("!SCRIPT");
    line("$SNAME");
    line(oneLine(r.SName));
    addBlock(out, "$SDESCRIPTION", r.SDescription);
    addBlock(out, "$STEXTATCRSR", r.STextAtCrsr);
    addBlock(out, "$STEXTATHEAD", r.STextAtHead);
    addBlock(out, "$STEXTATBODY", r.STextAtBody);
    addBlock(out, "$LISTOFVARS", r.ListOfVars);
    if (!r.AddOnLoad.empty()) {
      line("$ADDONLOAD");
      line(oneLine(r.AddOnLoad));
    }
    if (!r.AddUnLoad.empty()) {
      line("$ADDUNLOAD");
      line(oneLine(r.AddUnLoad));
    }
    line("!SCRIPT-END");
  }
  line("!DBEND");
  return out;
}

std::vector<ScriptVar> parseVars(std::string_view listOfVars) {
  const std::vector<std::string> lines = lines::split(lines::toCrLf(listOfVars));
  std::vector<ScriptVar> vars;
  for (std::size_t k = 0; k + 1 < lines.size(); k += 4) {
    if (lines[k].empty()) break;
    ScriptVar v{lines[k], lines[k + 1], {}, {}};
    if (k + 2 < lines.size()) v.value = lines[k + 2];
    if (k + 3 < lines.size()) v.type = lines[k + 3];
    vars.push_back(std::move(v));
  }
  return vars;
}

std::string formatVars(const std::vector<ScriptVar>& vars) {
  std::string out;
  for (const ScriptVar& v : vars) {
    for (const std::string* s : {&v.name, &v.description, &v.value, &v.type}) out.append(*s).append(kCrLf);
  }
  return out;
}

}  // namespace qm::scripts
