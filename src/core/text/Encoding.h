#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qm::encoding {

// The character sets a page can be kept in.
enum class Charset { Windows1255, Iso8859_8, Utf8 };

// How a page's file stores its text: the character set and whether the file
// starts with a UTF-8 byte-order mark.
struct PageEncoding {
  Charset charset = Charset::Windows1255;
  bool bom = false;
  bool operator==(const PageEncoding&) const = default;
};

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// How far into a page a character set declaration is looked for.
inline constexpr std::size_t kDeclarationWindow = 4096;

// "windows-1255", "ISO-8859-8", "UTF-8".
std::string_view charsetName(Charset c);
// A declared character set name (any case): utf-8/utf8, windows-1255/cp1255,
// iso-8859-8 (visual), iso-8859-8-i (logical: kept as windows-1255, whose
// Hebrew letters are the same bytes). Nothing for any other name.
std::optional<Charset> charsetFromName(std::string_view name);

// True when every byte sequence is well-formed UTF-8 (no overlongs, no
// surrogates, nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Where a page declares its character set: the value of a charset= inside a
// <meta ...> tag (the meta charset attribute or the http-equiv Content-Type
// content) within the first kDeclarationWindow bytes, any case.
struct Declaration {
  std::size_t offset = 0;  // of the value
  std::size_t length = 0;
  std::string_view value;
};
std::optional<Declaration> findDeclaration(std::string_view page);

// A page's encoding, by the first rule that applies: a UTF-8 byte-order mark;
// the declared character set (when it names one of the three); UTF-8 when
// the bytes are valid UTF-8 and hold some non-ASCII byte; else windows-1255.
PageEncoding detect(std::string_view bytes);

// Bytes -> UTF-16 without loss, so any file comes back byte for byte. Bytes
// the single-byte sets leave undefined become U+F700 + byte, as everywhere in
// the program (core/text/Cp1255.h); bytes that are not valid UTF-8 in a UTF-8
// page become U+DC80 + byte (an unpaired low surrogate, which no valid text
// holds). Both encode back to the same byte.
std::u16string decode(std::string_view bytes, Charset c);

struct Encoded {
  std::string bytes;
  std::size_t references = 0;  // characters the target could not hold, written as "&#N;"
};
// UTF-16 -> bytes. A character the target cannot hold is written as an HTML
// numeric character reference ("&#1046;") and counted; U+DC80..U+DCFF go back
// to their raw byte in every set, U+F780..U+F7FF in the single-byte sets; any
// other unpaired surrogate is written as "&#65533;".
Encoded encode(std::u16string_view text, Charset c);

// The UTF-16 length of UTF-8 bytes as decode() makes them (a byte that is
// not valid UTF-8 counts one), and the byte offset after the first `units`
// of them (the end when there are fewer; never inside a sequence).
std::size_t utf16Length(std::string_view utf8);
std::size_t utf8OffsetOfUnits(std::string_view utf8, std::size_t units);

// True for the code unit a raw byte decodes to.
constexpr bool isRawByte(char16_t u) { return u >= 0xDC80 && u <= 0xDCFF; }

// Bytes in one character set re-encoded in another (nothing else changes).
Encoded transcode(std::string_view bytes, Charset from, Charset to);

// The page with its character set declaration naming `to`. A page that has
// none gets a <meta http-equiv="Content-Type"> line after its <head> tag;
// a page without a <head> tag is returned as it is. ASCII work: valid for
// the bytes of any of the three sets.
std::string rewriteDeclaration(std::string_view page, Charset to);

// A whole page converted to `to`, as the "logical UTF-8" command and
// `qmtool convert` do. From a visual page (ISO-8859-8) to a logical set, each
// run of text between markup (element content, attribute values, comment
// text; not the content of script and style elements), line by line, is
// turned back into reading order with xferheb, and an <html> tag without a
// dir attribute gets dir="rtl" so the page reads the same in a browser. From
// a logical page to ISO-8859-8 the runs are turned into visual order. The
// declaration is rewritten; markup and line ends are kept; a byte-order mark
// is kept only when both sides are UTF-8.
struct Converted {
  std::string bytes;
  PageEncoding from;
  std::size_t runs = 0;        // runs whose Hebrew changed order
  std::size_t references = 0;  // characters written as "&#N;"
};
Converted convertPage(std::string_view bytes, Charset to);
// The same for a page whose encoding and order are known (`text` without its
// byte-order mark): runs are reordered when `fromVisual` != `toVisual`.
Converted convertPage(std::string_view text, PageEncoding from, bool fromVisual, Charset to, bool toVisual);

}  // namespace qm::encoding
