// The pure pieces behind the document window: line reordering for Hebrew edit
// mode, the undo ring, the incremental text mirror and the path helpers.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/hebrew/LineReorder.h"
#include "core/text/Lines.h"
#include "core/text/TextMirror.h"
#include "core/undo/UndoRing.h"
#include "core/util/Paths.h"

namespace {

// Hebrew letters alef, bet, gimel in code page 1255.
const std::string kAlefBetGimel = "\xE0\xE1\xE2";

TEST(LineReorder, ReordersSegmentsOfEachLine) {
  using qm::hebrew::reorderLines;
  EXPECT_EQ(reorderLines("abc " + kAlefBetGimel + " def"), "def \xE2\xE1\xE0 abc");
  EXPECT_EQ(reorderLines("<p>" + kAlefBetGimel + "</p>"), "</p>\xE2\xE1\xE0<p>");
  EXPECT_EQ(reorderLines("x\r\ny z\r\n"), "x\r\nz y\r\n");
  EXPECT_EQ(reorderLines("a, b\nc.d\r"), "b ,a\nd.c\r");
}

TEST(LineReorder, AppliedTwiceGivesTheTextBack) {
  std::vector<std::string> texts = {"\t" + kAlefBetGimel + "\t\r\r\n\n", " leading and trailing "};
  std::mt19937 rng(7);
  const std::string alphabet = "ab <>/=\t\r\n.,:?!\"\xE0\xF0\xFA\x80\xFF" "01";
  for (int n = 0; n < 50; ++n) {
    std::string s;
    for (int i = 0; i < 40; ++i) s += alphabet[rng() % alphabet.size()];
    texts.push_back(s);
  }
  for (const auto& t : texts) EXPECT_EQ(qm::hebrew::reorderLines(qm::hebrew::reorderLines(t)), t) << t;
}

// Also: undoing once and then changing the text replaces the newest snapshot.
TEST(UndoRing, KeepsTwentySnapshotsUndoesNineteenStepsAndRedoesThem) {
  for (const int changes : {1, 19, 25}) {  // snapshots taken after the first one
    qm::undo::UndoRing ring;
    std::string text = "<HTML>\r\n</HTML>\r\n";
    std::vector<std::string> states;
    for (int i = 0; i <= changes; ++i) {
      if (i > 0) text.insert(7 + static_cast<std::size_t>(i), 1, static_cast<char>('a' + i % 26));
      ring.push(text, i, 0);
      states.push_back(text);
    }
    const int kept = std::min(changes + 1, qm::undo::UndoRing::Capacity);
    EXPECT_EQ(ring.count(), kept);
    EXPECT_EQ(ring.stepBack().value().text, states[static_cast<std::size_t>(changes - 1)]);
    ring.push("<HTML>changed</HTML>", 99, 0);
    EXPECT_EQ(ring.count(), kept);
    for (int i = changes - 1; i > changes - kept; --i) {
      const auto s = ring.stepBack();
      ASSERT_TRUE(s) << "state " << i << " of " << changes;
      EXPECT_EQ(s->text, states[static_cast<std::size_t>(i)]);
      EXPECT_EQ(s->selStart, i);
    }
    EXPECT_FALSE(ring.stepBack()) << changes;
    EXPECT_EQ(ring.count(), 1);
    // Every undone step is taken forward again, up to the changed text; a new
    // snapshot after an undo leaves nothing to take forward.
    for (int i = changes - kept + 2; i < changes; ++i)
      EXPECT_EQ(ring.stepForward().value().text, states[static_cast<std::size_t>(i)]);
    EXPECT_EQ(ring.stepForward().value().text, "<HTML>changed</HTML>");
    EXPECT_EQ(ring.current()->selStart, 99);
    EXPECT_FALSE(ring.stepForward());
    ring.stepBack();
    ring.push("other", 0, 0);
    EXPECT_FALSE(ring.stepForward());
  }
}

// Each step back gives exactly the text before, whatever the edit: repeated
// characters (where the common prefix and suffix overlap) and pages longer
// than the 4 KiB blocks the comparison skips through.
TEST(UndoRing, EveryStepBackRestoresTheTextBefore) {
  const std::string page(9000, 'a');
  std::string blocks;
  for (int i = 0; i < 900; ++i) blocks += "<p>" + std::to_string(i) + "</p>";
  const std::vector<std::vector<std::string>> histories = {
      {"<b>a</b>", "<b>aa</b>", "<b>aaa</b>"},
      {"aaa", "aa", "a", "", "a"},
      {"abab", "ababab", "ab"},
      {page, page + "a", "a" + page, page.substr(0, 4096) + "b" + page.substr(4096), page},
      {blocks, blocks.substr(0, 4095) + blocks.substr(4100), blocks.substr(8192), blocks},
  };
  for (const auto& states : histories) {
    qm::undo::UndoRing ring;
    for (const std::string& s : states) ring.push(s, 0, 0);
    for (std::size_t i = states.size() - 1; i > 0; --i) {
      const auto back = ring.stepBack();
      ASSERT_TRUE(back);
      ASSERT_EQ(back->text, states[i - 1]) << "step back to state " << i - 1 << " of " << states[0].substr(0, 12);
    }
  }
}

// Reference line starts and positions computed from scratch.
void expectMirrorMatches(const qm::lines::TextMirror& m, const std::string& text) {
  ASSERT_EQ(m.text(), text);
  const auto starts = qm::lines::lineStarts(text);
  ASSERT_EQ(m.editLineCount(), starts.size()) << text;
  for (std::size_t i = 0; i < starts.size(); ++i) ASSERT_EQ(m.lineStart(i), starts[i]) << i;
  EXPECT_EQ(m.lineCount(), qm::lines::split(text).size());
  std::size_t pos = 0;
  for (std::size_t off = 0; off <= text.size(); ++off) {
    if (off > 0 && off < text.size() && text[off - 1] == '\r' && text[off] == '\n') {
      ASSERT_EQ(m.positionOfOffset(off), pos - 1) << off;  // between CR and LF
      continue;
    }
    ASSERT_EQ(m.positionOfOffset(off), pos) << off;
    ASSERT_EQ(m.offsetOfPosition(pos++), off) << off;
  }
}

TEST(TextMirror, FollowsEditsIncrementally) {
  std::mt19937 rng(11);
  const std::string pieces[] = {"a", "\r\n", "\r", "\n", "xy\r\nz", "\xE0\xE1", ""};
  qm::lines::TextMirror m("start\r\n");
  std::string ref = "start\r\n";
  // An undo ring takes a snapshot every few edits, comparing only what the
  // mirror says may have changed since the last one; every step back must
  // still give the snapshot back.
  qm::undo::UndoRing ring;
  std::vector<std::string> snapshots;
  for (int i = 0; i < 400; ++i) {
    const std::size_t off = rng() % (ref.size() + 1);
    const std::size_t rem = rng() % 4;
    const std::string& ins = pieces[rng() % std::size(pieces)];
    m.replace(off, rem, ins);
    ref.replace(off, std::min(rem, ref.size() - off), ins);
    expectMirrorMatches(m, ref);
    if (i % 3 == 0) {
      const auto same = m.unchangedSinceMark();
      ring.push(m.text(), 0, 0, same.head, same.tail);
      m.markUnchanged();
      snapshots.push_back(ref);
    }
  }
  for (std::size_t k = 1; k < qm::undo::UndoRing::Capacity; ++k) {
    const auto back = ring.stepBack();
    ASSERT_TRUE(back);
    ASSERT_EQ(back->text, snapshots[snapshots.size() - 1 - k]) << k;
  }
}

TEST(Paths, SplitAndJoin) {
  EXPECT_EQ(qm::paths::folderOf("/home/u/site/index.htm"), "/home/u/site");
  EXPECT_EQ(qm::paths::folderOf("/index.htm"), "/");
  EXPECT_EQ(qm::paths::fileNameOf("index.htm"), "index.htm");
  EXPECT_EQ(qm::paths::join("/", "c.htm"), "/c.htm");
  EXPECT_EQ(qm::paths::join("", "c.htm"), "c.htm");
  EXPECT_TRUE(qm::paths::isAbsolute("C:\\x"));
  EXPECT_FALSE(qm::paths::isAbsolute("untitled1.htm"));
}

// What a previewed page may ask for: files below its folder, however the
// address spells a way out.
TEST(Paths, PreviewAddressesStayInThePagesFolder) {
  struct Case { const char* path; const char* file; };  // file nullptr: refused
  for (const Case& c : {Case{"/page.htm", "page.htm"}, Case{"/img/a%20b.gif", "img/a b.gif"},
                        Case{"/%D7%90.htm", "\xD7\x90.htm"}, Case{"/%252e%252e", "%2e%2e"},
                        Case{"/../secret", nullptr}, Case{"/img/../../secret", nullptr}, Case{"/%2e%2e/secret", nullptr},
                        Case{"/.%2E/secret", nullptr}, Case{"/./page.htm", nullptr}, Case{"/..%2fsecret", nullptr},
                        Case{"/..%5csecret", nullptr}, Case{"//etc/passwd", nullptr}, Case{"/C:/x", nullptr},
                        Case{"/a%00.htm", nullptr}, Case{"/a%2", nullptr}, Case{"/a%zz", nullptr}, Case{"/img/", nullptr},
                        Case{"/", nullptr}, Case{"etc/passwd", nullptr}}) {
    SCOPED_TRACE(c.path);
    const auto file = qm::paths::previewRelativePath(c.path);
    EXPECT_EQ(file.value_or("<refused>"), c.file ? c.file : "<refused>");
  }
  struct Within { const char* folder; const char* path; bool inside; };
  for (const Within& c : {Within{"/site", "/site/a.htm", true}, Within{"/site/", "/site/img/a.gif", true},
                          Within{"/", "/etc/passwd", true}, Within{"/site", "/site", false},
                          Within{"/site", "/site/", false}, Within{"/site", "/site2/a.htm", false},
                          Within{"/site", "/etc/passwd", false}, Within{"", "/etc/passwd", false}}) {
    SCOPED_TRACE(std::string(c.folder) + " " + c.path);
    EXPECT_EQ(qm::paths::withinFolder(c.folder, c.path), c.inside);
  }
}

}  // namespace
