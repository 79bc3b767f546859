#include <gtest/gtest.h>

#include "core/net/PublishText.h"

using namespace qm::net;

TEST(PublishText, ListEntries) {
  const std::pair<const char*, const char*> cases[] = {
      {"drwxr-xr-x   2 u g  512 Jan  1 10:00 docs", "/docs"}, {"drwxr-xr-x 2 u g 512 Jan 1 10:00 my docs", "/my docs"},
      {"-rw-r--r-- 1 u g 3062 Feb 3  2020 a  b.htm", "a  b.htm"}, {"total 12", "12"},
      {"dir listing words", "/words"}, {"x Dy  my file", "/file"}, {"plain", "plain"},
  };
  for (const auto& [line, entry] : cases) EXPECT_EQ(listEntry(line), entry) << line;
  EXPECT_EQ(listEntry("-rw-r--r-- 1 u g 1 Jan 1 10:00 " + std::string(150, 'n')).size(), 100u);
}
