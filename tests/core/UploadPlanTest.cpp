#include <gtest/gtest.h>

#include "core/net/NetText.h"
#include "core/net/UploadPlan.h"

using namespace qm::net;

TEST(UploadPlan, TemporaryNames) {
  EXPECT_EQ(uploadTempName("index.htm"), ".index.htm.quillmark-upload");
  EXPECT_EQ(uploadTempName("/site/a b.htm"), "/site/.a b.htm.quillmark-upload");
  for (const char* name : {".a.quillmark-upload", "a.quillmark-upload", "..quillmark-upload", "/.a.quillmark-upload"})
    EXPECT_EQ(isUploadTempName(name), name[1] == 'a') << name;
}

// The server's answers in turn (a store answers 226, 426 when it began and
// failed, 553 when refused at once) and the commands they lead to; "~" is
// the temporary name. Nothing touches the target before the complete
// temporary file is there, and a temporary file never stays behind.
TEST(UploadPlan, CommandsForEveryAnswer) {
  struct Case {
    const char* what;
    bool direct;
    std::vector<std::string> answers;
    std::string commands;
    bool done, fellBack;
  };
  const Case cases[] = {
      {"complete", false, {"226", "213 5", "350", "250"}, "STOR ~,SIZE ~,RNFR ~,RNTO a", true, false},
      {"no SIZE", false, {"226", "502 no", "350", "250"}, "STOR ~,SIZE ~,RNFR ~,RNTO a", true, false},
      {"size differs", false, {"226", "213 3", "250"}, "STOR ~,SIZE ~,DELE ~", false, false},
      {"store cut", false, {"426", "250"}, "STOR ~,DELE ~", false, false},
      {"store refused", false, {"553"}, "STOR ~", false, false},
      {"no rename over a file", false, {"226", "213 5", "350", "550 exists", "250", "350", "250"},
       "STOR ~,SIZE ~,RNFR ~,RNTO a,DELE a,RNFR ~,RNTO a", true, false},
      {"RNFR unknown", false, {"226", "213 5", "502 no", "226", "250"}, "STOR ~,SIZE ~,RNFR ~,STOR a,DELE ~", true,
       true},
      {"RNTO unknown", false, {"226", "213 5", "350", "500 no", "226", "250"},
       "STOR ~,SIZE ~,RNFR ~,RNTO a,STOR a,DELE ~", true, true},
      {"RNTO refused, nothing to delete", false, {"226", "213 5", "350", "550 no", "550 none", "226", "250"},
       "STOR ~,SIZE ~,RNFR ~,RNTO a,DELE a,STOR a,DELE ~", true, true},
      {"RNTO refused twice", false, {"226", "213 5", "350", "550 no", "250", "350", "550 no", "426", "250"},
       "STOR ~,SIZE ~,RNFR ~,RNTO a,DELE a,RNFR ~,RNTO a,STOR a,DELE ~", false, true},
      {"direct", true, {"226"}, "STOR a", true, false},
      {"direct cut", true, {"426"}, "STOR a", false, false},
  };
  for (const auto& c : cases) {
    UploadPlan plan("a", 5, c.direct);
    std::string commands;
    for (const std::string& answer : c.answers) {
      ASSERT_FALSE(plan.Finished()) << c.what;
      std::string command = plan.Command();
      if (const auto at = command.find(uploadTempName("a")); at != std::string::npos) command.replace(at, 19, "~");
      commands += (commands.empty() ? "" : ",") + command;
      const int code = leadingNumber(answer);
      if (plan.Act() == UploadAct::StoreTemp || plan.Act() == UploadAct::StoreDirect) plan.Stored(code == 226, code != 553);
      else plan.Replied(code, answer);
    }
    EXPECT_EQ(commands, c.commands) << c.what;
    EXPECT_EQ(plan.Act(), c.done ? UploadAct::Done : UploadAct::Failed) << c.what;
    EXPECT_EQ(plan.FellBack(), c.fellBack) << c.what;
  }
  UploadPlan held("a", 5, false);
  held.Stored(true);
  held.Replied(213, "213 3\r\n");
  EXPECT_EQ(held.Mismatch(), "Upload incomplete: the server holds 3 of 5 bytes");
}
