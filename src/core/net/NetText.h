#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace qm::net {

// A reply or header from a peer that cannot be read (a PASV reply without its
// closing parenthesis, a port that is not a number, an over-long line).
class ProtocolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The n-th piece (counting from 1) of `text` cut at every `delim`; adjacent
// delimiters give empty pieces, and a piece past the end is empty.
std::string nthField(std::string_view text, char delim, int n);

// The decimal number formed by the leading digits of `line` (at most 10 of
// them); 0 when the line does not begin with a digit or the number does not
// fit a 32-bit integer.
int leadingNumber(std::string_view line);

// `line` without its trailing CR / LF characters.
std::string_view withoutLineEnd(std::string_view line);

// `text` with leading and trailing blanks, tabs, CRs and LFs removed.
std::string_view trimmed(std::string_view text);

std::string upperAscii(std::string_view text);
std::string lowerAscii(std::string_view text);

// A whole non-negative decimal number, or -1 when `text` is anything else.
long long wholeNumber(std::string_view text);

// True when `text` holds a control character (below 32, or DEL).
bool hasControl(std::string_view text);

// `text` for a message: control characters shown as "\r", "\n" or "\xNN",
// at most 80 characters of it.
std::string printable(std::string_view text);

}  // namespace qm::net
