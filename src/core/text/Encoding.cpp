#include "core/text/Encoding.h"

#include <array>
#include <cctype>

#include "core/hebrew/VisualHebrew.h"
#include "core/text/Cp1255.h"

namespace qm::encoding {
namespace {

constexpr char16_t kRawBase = 0xDC00;  // + byte (0x80..0xFF)
constexpr char16_t kUndefinedBase = 0xF700;

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::size_t findNoCase(std::string_view hay, std::string_view needle, std::size_t from) {
  if (needle.size() > hay.size()) return std::string_view::npos;
  for (std::size_t i = from; i + needle.size() <= hay.size(); ++i)
    if (equalsNoCase(hay.substr(i, needle.size()), needle)) return i;
  return std::string_view::npos;
}

// ISO-8859-8: 0x00..0x9F and most of 0xA0..0xBE as Latin-1, the Hebrew
// letters at 0xE0..0xFA, the direction marks at 0xFD/0xFE. 0 = undefined.
char16_t isoHigh(unsigned char b) {
  if (b < 0xA0) return b;
  if (b == 0xAA) return 0x00D7;
  if (b == 0xBA) return 0x00F7;
  if (b == 0xA1 || (b >= 0xBF && b <= 0xDE) || b == 0xFB || b == 0xFC || b == 0xFF) return 0;
  if (b == 0xDF) return 0x2017;
  if (b >= 0xE0 && b <= 0xFA) return static_cast<char16_t>(0x05D0 + (b - 0xE0));
  if (b == 0xFD) return 0x200E;
  if (b == 0xFE) return 0x200F;
  return b;  // 0xA0, 0xA2..0xA9, 0xAB..0xB9, 0xBB..0xBE
}

char16_t isoToUnicode(unsigned char b) {
  const char16_t u = isoHigh(b);
  return u == 0 ? static_cast<char16_t>(kUndefinedBase + b) : u;
}

int isoFromUnicode(char32_t cp) {
  static const auto table = [] {
    std::array<std::int32_t, 0x10000> t{};
    t.fill(-1);
    for (int b = 0; b < 256; ++b) t[isoToUnicode(static_cast<unsigned char>(b))] = b;
    return t;
  }();
  return cp < 0x10000 ? table[cp] : -1;
}

// Length of the well-formed UTF-8 sequence at `i`, or 0.
std::size_t utf8Sequence(std::string_view s, std::size_t i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) return 1;
  std::size_t n;
  unsigned char lo = 0x80, hi = 0xBF;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3;
    if (b0 == 0xE0) lo = 0xA0;
    if (b0 == 0xED) hi = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  const auto b1 = static_cast<unsigned char>(s[i + 1]);
  if (b1 < lo || b1 > hi) return 0;
  for (std::size_t k = 2; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if (b < 0x80 || b > 0xBF) return 0;
  }
  return n;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void appendReference(Encoded& out, char32_t cp) {
  out.bytes += "&#";
  out.bytes += std::to_string(static_cast<unsigned long>(cp));
  out.bytes += ';';
  ++out.references;
}

// ---- the markup of a page, for the run conversion

bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ':' || c == '_'; }

// The first "<html" (or another `open`) whose tag name ends there: "<header"
// is not "<head".
std::size_t findStartTag(std::string_view page, std::string_view open) {
  std::size_t at = findNoCase(page, open, 0);
  while (at != std::string_view::npos && at + open.size() < page.size() && isNameChar(page[at + open.size()]))
    at = findNoCase(page, open, at + open.size());
  return at;
}

// Calls run(offset, length) for every stretch of text a reader sees: element
// content, attribute values, comment text. Script and style content is code
// and is skipped.
template <typename F>
void forEachTextRun(std::string_view s, F&& run) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  while (i < n) {
    const std::size_t lt = s.find('<', i);
    const std::size_t textEnd = lt == std::string_view::npos ? n : lt;
    if (textEnd > i) run(i, textEnd - i);
    if (lt == std::string_view::npos) break;
    if (s.compare(lt, 4, "<!--") == 0) {
      const std::size_t close = s.find("-->", lt + 4);
      const std::size_t bodyEnd = close == std::string_view::npos ? n : close;
      if (bodyEnd > lt + 4) run(lt + 4, bodyEnd - lt - 4);
      i = close == std::string_view::npos ? n : close + 3;
      continue;
    }
    // A tag: its name, then attributes whose values are runs.
    std::size_t p = lt + 1;
    if (p < n && s[p] == '/') ++p;
    const std::size_t nameStart = p;
    while (p < n && isNameChar(s[p])) ++p;
    const std::string_view name = s.substr(nameStart, p - nameStart);
    const bool closing = lt + 1 < n && s[lt + 1] == '/';
    while (p < n && s[p] != '>') {
      if (s[p] == '"' || s[p] == '\'') {
        const char q = s[p];
        const std::size_t close = s.find(q, p + 1);
        const std::size_t end = close == std::string_view::npos ? n : close;
        if (end > p + 1) run(p + 1, end - p - 1);
        p = close == std::string_view::npos ? n : close + 1;
      } else {
        ++p;
      }
    }
    i = p < n ? p + 1 : n;
    if (!closing && (equalsNoCase(name, "script") || equalsNoCase(name, "style"))) {
      // Up to the closing tag, untouched.
      const std::size_t close = findNoCase(s, equalsNoCase(name, "script") ? "</script" : "</style", i);
      i = close == std::string_view::npos ? n : close;
    }
  }
}

// Each line of the run through xferheb; true when anything changed.
bool reorderRun(std::string& page, std::size_t offset, std::size_t length, HebrewStandard standard) {
  bool changed = false;
  std::size_t i = offset;
  const std::size_t end = offset + length;
  while (i < end) {
    std::size_t lineEnd = page.find_first_of("\r\n", i);
    if (lineEnd == std::string::npos || lineEnd > end) lineEnd = end;
    if (lineEnd > i) {
      const std::string_view piece(page.data() + i, lineEnd - i);
      bool hebrew = false;
      for (const char c : piece) hebrew = hebrew || isHebrewLetter(c);
      if (hebrew) {
        const std::string turned = xferheb(piece, true, true, standard);
        if (turned != piece) {
          page.replace(i, turned.size(), turned);  // same length: xferheb reorders
          changed = true;
        }
      }
    }
    i = lineEnd + 1;
  }
  return changed;
}

std::size_t reorderRuns(std::string& page) {
  std::size_t runs = 0;
  // The runs are found on a copy: reordering keeps every length, so the
  // offsets stay valid.
  const std::string original = page;
  forEachTextRun(original, [&](std::size_t off, std::size_t len) {
    if (reorderRun(page, off, len, HebrewStandard::IsoVisual)) ++runs;
  });
  return runs;
}

// dir="rtl" on an <html> tag that has no dir attribute.
std::string addRtlDirection(std::string page) {
  const std::size_t at = findStartTag(page, "<html");
  if (at == std::string::npos) return page;
  const std::size_t end = page.find('>', at);
  if (end == std::string::npos) return page;
  const std::string_view tag(page.data() + at, end - at);
  for (std::size_t p = findNoCase(tag, "dir", 0); p != std::string::npos; p = findNoCase(tag, "dir", p + 3)) {
    std::size_t q = p + 3;
    while (q < tag.size() && tag[q] == ' ') ++q;
    if (!isNameChar(tag[p - 1]) && q < tag.size() && tag[q] == '=') return page;
  }
  page.insert(at + 5, " dir=\"rtl\"");
  return page;
}

}  // namespace

std::string_view charsetName(Charset c) {
  switch (c) {
    case Charset::Utf8: return "UTF-8";
    case Charset::Iso8859_8: return "ISO-8859-8";
    case Charset::Windows1255: break;
  }
  return "windows-1255";
}

std::optional<Charset> charsetFromName(std::string_view name) {
  for (const char* n : {"utf-8", "utf8"})
    if (equalsNoCase(name, n)) return Charset::Utf8;
  for (const char* n : {"windows-1255", "cp1255", "x-cp1255", "iso-8859-8-i", "iso_8859-8-i"})
    if (equalsNoCase(name, n)) return Charset::Windows1255;
  for (const char* n : {"iso-8859-8", "iso8859-8", "iso_8859-8", "iso-8859-8-e", "visual"})
    if (equalsNoCase(name, n)) return Charset::Iso8859_8;
  return std::nullopt;
}

bool isValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = utf8Sequence(bytes, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::size_t utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      ++units;
      ++i;
      continue;
    }
    const std::size_t n = utf8Sequence(utf8, i);
    units += n == 4 ? 2 : 1;
    i += n == 0 ? 1 : n;
  }
  return units;
}

std::size_t utf8OffsetOfUnits(std::string_view utf8, std::size_t units) {
  std::size_t i = 0;
  while (i < utf8.size() && units > 0) {
    const std::size_t n = static_cast<unsigned char>(utf8[i]) < 0x80 ? 1 : utf8Sequence(utf8, i);
    const std::size_t w = n == 4 ? 2 : 1;
    if (w > units) break;  // would end inside a surrogate pair
    units -= w;
    i += n == 0 ? 1 : n;
  }
  return i;
}

std::optional<Declaration> findDeclaration(std::string_view page) {
  const std::string_view head = page.substr(0, std::min(page.size(), kDeclarationWindow));
  for (std::size_t meta = findNoCase(head, "<meta", 0); meta != std::string_view::npos;
       meta = findNoCase(head, "<meta", meta + 5)) {
    const std::size_t close = head.find('>', meta);
    const std::string_view tag = head.substr(meta, (close == std::string_view::npos ? head.size() : close) - meta);
    const std::size_t cs = findNoCase(tag, "charset", 0);
    if (cs == std::string_view::npos) continue;
    std::size_t p = cs + 7;
    while (p < tag.size() && tag[p] == ' ') ++p;
    if (p >= tag.size() || tag[p] != '=') continue;
    ++p;
    while (p < tag.size() && (tag[p] == ' ' || tag[p] == '"' || tag[p] == '\'')) ++p;
    std::size_t e = p;
    while (e < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[e])) || tag[e] == '-' || tag[e] == '_' ||
                              tag[e] == '.' || tag[e] == ':'))
      ++e;
    if (e == p) continue;
    return Declaration{meta + p, e - p, page.substr(meta + p, e - p)};
  }
  return std::nullopt;
}

PageEncoding detect(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return {Charset::Utf8, true};
  if (const auto d = findDeclaration(bytes))
    if (const auto c = charsetFromName(d->value)) return {*c, false};
  bool nonAscii = false;
  for (const char c : bytes) nonAscii = nonAscii || static_cast<unsigned char>(c) >= 0x80;
  if (nonAscii && isValidUtf8(bytes)) return {Charset::Utf8, false};
  return {Charset::Windows1255, false};
}

std::u16string decode(std::string_view bytes, Charset c) {
  std::u16string out;
  if (c == Charset::Windows1255) return cp1255::decode(bytes);
  out.reserve(bytes.size());
  if (c == Charset::Iso8859_8) {
    for (const char b : bytes) out += isoToUnicode(static_cast<unsigned char>(b));
    return out;
  }
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = utf8Sequence(bytes, i);
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (n == 0) {
      out += static_cast<char16_t>(kRawBase + b0);
      ++i;
      continue;
    }
    char32_t cp;
    if (n == 1) {
      cp = b0;
    } else {
      cp = b0 & (0xFF >> (n + 1));
      for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
    }
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
    i += n;
  }
  return out;
}

Encoded encode(std::u16string_view text, Charset c) {
  Encoded out;
  out.bytes.reserve(text.size() + text.size() / 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp < 0x80) {
      out.bytes += static_cast<char>(cp);
      continue;
    }
    if (isRawByte(static_cast<char16_t>(cp))) {
      out.bytes += static_cast<char>(cp - kRawBase);
      continue;
    }
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      appendReference(out, 0xFFFD);
      continue;
    }
    if (c == Charset::Utf8) {
      appendUtf8(out.bytes, cp);
      continue;
    }
    const int b = c == Charset::Windows1255 ? cp1255::fromUnicode(cp) : isoFromUnicode(cp);
    if (b >= 0)
      out.bytes += static_cast<char>(b);
    else
      appendReference(out, cp);
  }
  return out;
}

Encoded transcode(std::string_view bytes, Charset from, Charset to) {
  if (from == to) return {std::string(bytes), 0};
  return encode(decode(bytes, from), to);
}

std::string rewriteDeclaration(std::string_view page, Charset to) {
  std::string out(page);
  const std::string_view name = charsetName(to);
  if (const auto d = findDeclaration(page)) {
    out.replace(d->offset, d->length, name);
    return out;
  }
  const std::size_t head = findStartTag(page, "<head");
  if (head == std::string_view::npos) return out;
  const std::size_t close = page.find('>', head);
  if (close == std::string_view::npos) return out;
  const std::size_t lf = page.find('\n', close);
  const std::string_view lineEnd =
      lf == std::string_view::npos ? std::string_view("\r\n") : (lf > 0 && page[lf - 1] == '\r' ? "\r\n" : "\n");
  out.insert(close + 1, std::string(lineEnd) + "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
                            std::string(name) + "\">");
  return out;
}

Converted convertPage(std::string_view bytes, Charset to) {
  const PageEncoding from = detect(bytes);
  return convertPage(from.bom ? bytes.substr(kUtf8Bom.size()) : bytes, from, from.charset == Charset::Iso8859_8, to,
                     to == Charset::Iso8859_8);
}

Converted convertPage(std::string_view text, PageEncoding from, bool fromVisual, Charset to, bool toVisual) {
  Converted result;
  result.from = from;
  std::string page(text);
  Charset held = from.charset;
  if (fromVisual && !toVisual) {
    if (held == Charset::Utf8) {
      // The reordering reads single-byte Hebrew letters.
      Encoded single = transcode(page, held, Charset::Windows1255);
      page = std::move(single.bytes);
      result.references += single.references;
      held = Charset::Windows1255;
    }
    result.runs = reorderRuns(page);
    page = addRtlDirection(std::move(page));
  }
  Encoded encoded = transcode(rewriteDeclaration(page, to), held, to);
  if (toVisual && !fromVisual && to != Charset::Utf8) result.runs = reorderRuns(encoded.bytes);
  result.references += encoded.references;
  result.bytes = (from.bom && to == Charset::Utf8) ? std::string(kUtf8Bom) + encoded.bytes : std::move(encoded.bytes);
  return result;
}

}  // namespace qm::encoding
