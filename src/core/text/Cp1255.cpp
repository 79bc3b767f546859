#include "core/text/Cp1255.h"

#include <array>
#include <unordered_map>

namespace qm::cp1255 {
namespace {

constexpr char16_t kUndefined = 0;
constexpr char16_t kPrivateBase = 0xF700;

// 0x80..0xFF; 0 marks an undefined byte.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0,      0x2039, 0,      0,      0,      0,       // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0,      0x203A, 0,      0,      0,      0,       // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x20AA, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x00D7, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x00B9, 0x00F7, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  // B8
    0x05B0, 0x05B1, 0x05B2, 0x05B3, 0x05B4, 0x05B5, 0x05B6, 0x05B7,  // C0
    0x05B8, 0x05B9, 0x05BA, 0x05BB, 0x05BC, 0x05BD, 0x05BE, 0x05BF,  // C8
    0x05C0, 0x05C1, 0x05C2, 0x05C3, 0x05F0, 0x05F1, 0x05F2, 0x05F3,  // D0
    0x05F4, 0,      0,      0,      0,      0,      0,      0,       // D8
    0x05D0, 0x05D1, 0x05D2, 0x05D3, 0x05D4, 0x05D5, 0x05D6, 0x05D7,  // E0
    0x05D8, 0x05D9, 0x05DA, 0x05DB, 0x05DC, 0x05DD, 0x05DE, 0x05DF,  // E8
    0x05E0, 0x05E1, 0x05E2, 0x05E3, 0x05E4, 0x05E5, 0x05E6, 0x05E7,  // F0
    0x05E8, 0x05E9, 0x05EA, 0,      0,      0x200E, 0x200F, 0,       // F8
};

const std::unordered_map<char32_t, unsigned char>& reverseTable() {
  static const auto table = [] {
    std::unordered_map<char32_t, unsigned char> m;
    for (int b = 0; b < 256; ++b) m[toUnicode(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
    return m;
  }();
  return table;
}

void appendReference(std::string& out, char32_t cp) {
  out += "&#";
  out += std::to_string(static_cast<unsigned long>(cp));
  out += ';';
}

}  // namespace

char16_t toUnicode(unsigned char byte) {
  if (byte < 0x80) return byte;
  const char16_t u = kHigh[byte - 0x80];
  return u == kUndefined ? static_cast<char16_t>(kPrivateBase + byte) : u;
}

bool isUndefinedByte(unsigned char byte) { return byte >= 0x80 && kHigh[byte - 0x80] == kUndefined; }

int fromUnicode(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  const auto& table = reverseTable();
  const auto it = table.find(cp);
  return it == table.end() ? -1 : it->second;
}

std::u16string decode(std::string_view bytes) {
  std::u16string out;
  out.resize(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) out[i] = toUnicode(static_cast<unsigned char>(bytes[i]));
  return out;
}

std::string encode(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp < 0x80) {
      out += static_cast<char>(cp);
      continue;
    }
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    const int b = fromUnicode(cp);
    if (b >= 0)
      out += static_cast<char>(b);
    else
      appendReference(out, cp);
  }
  return out;
}

}  // namespace qm::cp1255
