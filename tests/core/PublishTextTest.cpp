#include <gtest/gtest.h>

#include "core/net/PublishText.h"

using namespace qm::net;

TEST(PublishText, ListEntries) {
  const struct {
    const char* line;
    const char* entry;
  } cases[] = {
      {"drwxr-xr-x   2 u g  512 Jan  1 10:00 docs", "/docs"},
      {"drwxr-xr-x 2 u g 512 Jan 1 10:00 my docs", "/my docs"},
      {"-rw-r--r-- 1 u g 3062 Feb 3  2020 a  b.htm", "a  b.htm"},
      {"-rw-r--r-- 1 u g 3062 Feb 3 2020 index.htm\r\n", "index.htm"},
      {"total 12", "12"},                      // not a long listing: the last word
      {"dir listing words", "/words"},         // "d" among the first three characters
      {"x Dy  my file", "/file"},
      {"plain", "plain"},
  };
  for (const auto& c : cases) EXPECT_EQ(listEntry(c.line), c.entry) << c.line;
  EXPECT_EQ(listEntry("-rw-r--r-- 1 u g 1 Jan 1 10:00 " + std::string(150, 'n')).size(), 100u);
}

TEST(PublishText, UpdateBodies) {
  const struct {
    const char* body;
    UpdateKind kind;
    long long number;
  } cases[] = {
      {"151", UpdateKind::Newer, 151},   {" 151\r\n", UpdateKind::Newer, 151}, {"150", UpdateKind::Current, 150},
      {"-3", UpdateKind::Current, -3},   {"0", UpdateKind::Nothing, 0},       {"", UpdateKind::NotNumber, 0},
      {"15 1", UpdateKind::NotNumber, 0}, {"<html>404</html>", UpdateKind::NotNumber, 0},
      {"99999999999999999999", UpdateKind::NotNumber, 0},
  };
  for (const auto& c : cases) {
    const UpdateVerdict v = readUpdateBody(c.body);
    EXPECT_EQ(v.kind, c.kind) << c.body;
    EXPECT_EQ(v.number, c.number) << c.body;
  }
  EXPECT_EQ(versionTitle(151), "Quillmark V1.51");
  EXPECT_EQ(versionTitle(205), "Quillmark V2.5");
}
