#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "core/text/Encoding.h"

namespace {

namespace fs = std::filesystem;
using namespace qm::encoding;

// "בדיקה" in the three sets (visual: stored backwards).
const std::string kUtf8Word = "\xD7\x91\xD7\x93\xD7\x99\xD7\xA7\xD7\x94";
const std::string kCpWord = "\xE1\xE3\xE9\xF7\xE4";

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace

TEST(Encoding, DetectsByMarkThenDeclarationThenContent) {
  struct Case { std::string bytes; PageEncoding expected; };
  const std::string far(kDeclarationWindow, ' ');
  const Case cases[] = {
      {std::string(kUtf8Bom) + "<meta charset=windows-1255>" + kCpWord, {Charset::Utf8, true}},
      {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; CHARSET=ISO-8859-8\">" + kUtf8Word, {Charset::Iso8859_8, false}},
      {"<meta charset = 'Utf-8'>abc", {Charset::Utf8, false}},
      {"<meta charset=\"iso-8859-8-i\">" + kUtf8Word, {Charset::Windows1255, false}},
      {"<meta charset=\"iso-8859-1\">" + kUtf8Word, {Charset::Utf8, false}},  // not one of ours: content decides
      {far + "<meta charset=iso-8859-8>" + kCpWord, {Charset::Windows1255, false}},  // beyond the window
      {"<p>charset=utf-8</p>" + kCpWord, {Charset::Windows1255, false}},  // not in a meta tag
      {"<p>" + kUtf8Word + "\xF0\x9F\x98\x80</p>", {Charset::Utf8, false}},
      {"<p>plain</p>", {Charset::Windows1255, false}},
      {kUtf8Word + "\xC0\x80", {Charset::Windows1255, false}},  // overlong
      {"\xED\xA0\x80", {Charset::Windows1255, false}},          // a surrogate
      {kUtf8Word + "\xE2\x82", {Charset::Windows1255, false}},  // cut short
  };
  for (const auto& c : cases) EXPECT_EQ(detect(c.bytes), c.expected) << c.bytes.substr(0, 60);
}

TEST(Encoding, EveryByteComesBackAndUnrepresentableCharactersBecomeCountedReferences) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8Mixed = kUtf8Word + "\xFF\xC3 \xE2\x82\xF0\x9F\x98\x80\xEF\xBF\xBD\xED\xA0\x80";
  for (const Charset c : {Charset::Windows1255, Charset::Iso8859_8, Charset::Utf8}) {
    for (const std::string& bytes : {all, utf8Mixed}) {
      const Encoded back = encode(decode(bytes, c), c);
      EXPECT_EQ(back.bytes, bytes) << charsetName(c);
      EXPECT_EQ(back.references, 0u) << charsetName(c);
    }
  }
  struct Case { Charset to; std::string bytes; std::size_t references; };
  const std::u16string text = u"בדיקה Ж €\U0001F600";
  const Case cases[] = {
      {Charset::Utf8, kUtf8Word + " \xD0\x96 \xE2\x82\xAC\xF0\x9F\x98\x80", 0},
      {Charset::Windows1255, kCpWord + " &#1046; \x80&#128512;", 2},
      {Charset::Iso8859_8, kCpWord + " &#1046; &#8364;&#128512;", 3},
  };
  for (const auto& c : cases) {
    const Encoded e = encode(text, c.to);
    EXPECT_EQ(e.bytes, c.bytes) << charsetName(c.to);
    EXPECT_EQ(e.references, c.references) << charsetName(c.to);
  }
}

TEST(Encoding, DeclarationIsRewrittenOrAddedAfterTheHead) {
  struct Case { std::string page, expected; };
  const Case cases[] = {
      {"<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1255\">",
       "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"},
      {"<HEAD><META CHARSET=\"ISO-8859-8\"/>", "<HEAD><META CHARSET=\"UTF-8\"/>"},
      {"<html>\n<header>x</header><head lang=he>\n<title>",
       "<html>\n<header>x</header><head lang=he>\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
       "charset=UTF-8\">\n<title>"},
      {"<p>no head</p>", "<p>no head</p>"},
  };
  for (const auto& c : cases) EXPECT_EQ(rewriteDeclaration(c.page, Charset::Utf8), c.expected) << c.page;
}

// A visual page: every run of text is stored in the order it is shown.
TEST(Encoding, VisualPageComesBackAsLogicalTextAndGoesBack) {
  const std::string shalomVisual = "\xED\xE5\xEC\xF9", olamVisual = "\xED\xEC\xE5\xF2";
  const std::string shalom = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", olam = "\xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D";
  const std::string visual =
      "<html>\r\n<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-8\">"
      "<title>" + shalomVisual + "</title></head>\r\n"
      "<body><!--" + olamVisual + "-->\r\n"
      "<p title=\"1 " + shalomVisual + "\">2 " + olamVisual + "\r\n" + shalomVisual + "</p>\n"
      "<script>var a=\"" + shalomVisual + "\";</script>\n</body></html>";
  const std::string logical =
      "<html dir=\"rtl\">\r\n<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"
      "<title>" + shalom + "</title></head>\r\n"
      "<body><!--" + olam + "-->\r\n"
      "<p title=\"" + shalom + " 1\">" + olam + " 2\r\n" + shalom + "</p>\n"
      "<script>var a=\"\xD7\x9D\xD7\x95\xD7\x9C\xD7\xA9\";</script>\n</body></html>";
  const Converted forth = convertPage(visual, Charset::Utf8);
  EXPECT_EQ(forth.bytes, logical);
  EXPECT_EQ(forth.runs, 4u);
  EXPECT_EQ(forth.from, (PageEncoding{Charset::Iso8859_8, false}));

  std::string back = visual;
  back.replace(back.find("iso-8859-8"), 10, "ISO-8859-8");
  back.insert(5, " dir=\"rtl\"");
  EXPECT_EQ(convertPage(logical, Charset::Iso8859_8).bytes, back);
  // Between logical sets only the bytes and the declaration change; a mark stays on UTF-8.
  const std::string cpPage = "<meta charset=windows-1255><p>" + kCpWord + "</p>";
  EXPECT_EQ(convertPage(std::string(kUtf8Bom) + "<p>" + kUtf8Word + "</p>", Charset::Utf8).bytes,
            std::string(kUtf8Bom) + "<p>" + kUtf8Word + "</p>");
  EXPECT_EQ(convertPage(cpPage, Charset::Utf8).bytes, "<meta charset=UTF-8><p>" + kUtf8Word + "</p>");
}

TEST(Encoding, QmtoolConvertsAFolderInPlaceKeepingBackups) {
  const fs::path dir = fs::temp_directory_path() / ("qm-convert-" + std::to_string(::getpid()));
  fs::create_directories(dir / "sub");
  const std::string a = "<meta charset=iso-8859-8><p>\xED\xE5\xEC\xF9</p>\r\n";
  const std::string b = "<meta charset=windows-1255><p>" + kCpWord + " \x80</p>";
  std::ofstream(dir / "a.htm", std::ios::binary) << a;
  std::ofstream(dir / "sub" / "b.HTML", std::ios::binary) << b;
  std::ofstream(dir / "c.txt", std::ios::binary) << a;
  FILE* p = ::popen((std::string(QM_QMTOOL) + " convert --to utf-8 --in-place '" + dir.string() + "'").c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  EXPECT_EQ(::pclose(p), 0);
  EXPECT_EQ(readAll(dir / "a.htm"), "<meta charset=UTF-8><p>\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D</p>\r\n");
  EXPECT_EQ(readAll(dir / "sub" / "b.HTML"), "<meta charset=UTF-8><p>" + kUtf8Word + " \xE2\x82\xAC</p>");
  EXPECT_EQ(readAll(dir / "a.htm.bak"), a);
  EXPECT_EQ(readAll(dir / "sub" / "b.HTML.bak"), b);
  EXPECT_EQ(readAll(dir / "c.txt"), a);
  EXPECT_NE(out.find("2 files, 1 runs converted, 0 characters written as references\n"), std::string::npos) << out;
  fs::remove_all(dir);
}
