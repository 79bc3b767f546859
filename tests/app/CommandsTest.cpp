// The Edit and Tools menus, the tool bar's edit buttons and the FTP items,
// triggered as the user triggers them.
#include <QAction>
#include <QApplication>
#include <QClipboard>

#include "../editor/DocFixture.h"

namespace {

class Commands : public qmtest::DocFixture {
 protected:
  const QString sure = QStringLiteral("?  האם אתה בטוח");
};

TEST_F(Commands, WholeDocumentConversionsAreOneUndoStep) {
  struct Case { const char* item; bool asks; qm::Answer answer; std::string text; std::string expected; };
  const Case cases[] = {
      // A tag that opens on one line and closes on the next goes with its break.
      {"N34", true, qm::Answer::Ok, "one<A\r\nHREF=\"x\">two</A>\r\nthree > four",
       "onetwo\r\nthree > four"},
      {"N34", true, qm::Answer::Cancel, "a<b>c", "a<b>c"},
      // Entities of the table become letters; others stay.
      {"NCIE1", false, qm::Answer::Ok, "&aacute;&lt;\xBA\r\n&eth;", "\xE1&lt;\xF7\r\n\xF0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.item << " " << c.text);
    prompts.calls.clear();
    TWorkForm* w = docWith(c.text);
    const int count = w->UndoCount();
    if (c.asks) prompts.answers.push_back(c.answer);
    press(c.item);
    EXPECT_EQ(w->DocText(), c.expected);
    EXPECT_EQ(prompts.texts("okCancel"), c.asks ? std::vector<QString>{sure} : std::vector<QString>{});
    const bool changed = c.expected != c.text;
    EXPECT_EQ(w->UndoCount(), count + (changed ? 1 : 0));
    if (changed) {
      w->RestoreUndoBuf();
      EXPECT_EQ(w->DocText(), c.text);
    }
  }
}

TEST_F(Commands, ConversionInHebrewEditModeIsNotLostWhenTheModeEnds) {
  TWorkForm* w = docWith("<B>abc</B>");
  press("N48");
  ASSERT_TRUE(w->InHebrewMode());
  prompts.answers.push_back(qm::Answer::Ok);
  press("N34");
  EXPECT_FALSE(w->InHebrewMode());
  EXPECT_EQ(w->DocText(), "abc");
  EXPECT_EQ(w->DocumentBytes(), "abc");
}

TEST_F(Commands, CutAndPasteThroughTheEditMenuAndToolBar) {
  TWorkForm* w = docWith("abcdef", 1, 3);
  press("N8");
  w->Memo1->setSelStart(0);
  press("ToolButton7");
  EXPECT_EQ(w->DocText(), "bcdaef");
}

TEST_F(Commands, FtpItemsWithoutANetworkLayerSaySo) {
  docWith("x");
  press("FTP3");  // makes the FTP window, whose client says the layer works
  EXPECT_TRUE(prompts.texts("message").empty());
  EXPECT_TRUE(form->IsFtpAvailable());
  form->SetFtpAvailable(false);
  press("FTP1");
  EXPECT_EQ(prompts.texts("message"), std::vector<QString>{QStringLiteral("אפשרות לא זמינה עקב בעית SOC")});
}

// Edit, Tools, window and insertion commands run without a document: nothing happens.
TEST_F(Commands, CommandsWithoutADocumentDoNothing) {
  for (const char* name : {"N8", "N9", "N12", "N34", "NCIE1", "N48", "N15", "N16", "N17", "ToolButton15",
                           "SpeedButton9", "SpeedButton23", "REMOTEADDR1"})
    EXPECT_TRUE(form->runCommand(QString::fromLatin1(name))) << name;
  form->insrt2("x");
  form->insrt2smrt("<P>", "</P>");
  form->insrt2smrt2("<B>", "</B>");
  form->TInsert({"x"});
  EXPECT_TRUE(prompts.calls.empty());
  EXPECT_EQ(documents(), 0);
  EXPECT_EQ(form->AWForm(), nullptr);
}

}  // namespace
