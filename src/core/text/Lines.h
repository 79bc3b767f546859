#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qm::lines {

// Documents are kept with CR LF line breaks, so a document offset in which a
// line break counts as two characters is simply a byte index into that text.

enum class LineEnd { CrLf, Lf, Cr };

// The kind of the first line break in the text; CR LF when there is none.
LineEnd detectLineEnd(std::string_view text);

// Every line break (CR LF, lone CR, lone LF) becomes CR LF.
std::string toCrLf(std::string_view text);

// CR LF breaks become the given kind (the text is expected to use CR LF only).
std::string fromCrLf(std::string_view crlfText, LineEnd end);

// Splits CR LF text into lines. A final line break does not start another
// line; the empty text has no lines.
std::vector<std::string> split(std::string_view crlfText);

// Every line followed by CR LF (the form a line list saves in).
std::string joinTerminated(const std::vector<std::string>& lines);

// Lines separated by CR LF, with no break after the last one.
std::string join(const std::vector<std::string>& lines);

// Offsets of the first character of every line of CR LF text (line 0 at 0).
// A final line break starts one more, empty line, as in an edit control.
std::vector<std::size_t> lineStarts(std::string_view crlfText);

struct LineCol {
  std::size_t line = 0;
  std::size_t column = 0;
};

// Line and column of an offset, given the line starts of the text.
LineCol lineColAt(const std::vector<std::size_t>& starts, std::size_t offset);

}  // namespace qm::lines
