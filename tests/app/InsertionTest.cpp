// Markup insertion driven through the palette buttons and popup items of the
// real main window, checked on the document's text, selection and undo ring.
#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <algorithm>
#include <optional>

#include "../editor/DocFixture.h"

namespace {

class Insertion : public qmtest::DocFixture {
 protected:
  void setSmartTags(bool on) { form->Action(QStringLiteral("N24"))->setChecked(on); }
};

struct Selection {
  int start, length;
};

TEST_F(Insertion, TagButtonsWrapOrInsertByTheSmartTagsOption) {
  struct Case {
    const char* button;
    bool smart;
    std::string text;
    Selection before;
    std::string expected;
    Selection after;
  };
  const Case cases[] = {
      // Bold and friends: the selection wrapped and still selected, else both tags around the caret.
      {"SpeedButton9", true, "x abc y", {2, 3}, "x <B>abc</B> y", {5, 3}},
      {"SpeedButton9", true, "x abc y", {2, 0}, "x <B></B>abc y", {5, 0}},
      {"SpeedButton9", false, "x abc y", {2, 3}, "x <B></B> y", {5, 0}},
      {"SpeedButton7", true, "a\r\nb", {0, 4}, "<!--a\r\nb-->", {4, 4}},
      // Alignment and paragraph: wrap, else the opening tag and a line break only.
      {"SpeedButton2", true, "x abc y", {2, 3}, "x <CENTER>abc</CENTER> y", {10, 3}},
      {"SpeedButton2", true, "x abc y", {2, 0}, "x <CENTER>\r\nabc y", {12, 0}},
      {"SpeedButton2", false, "x abc y", {2, 3}, "x <CENTER>\r\n y", {12, 0}},
      {"SpeedButton4", true, "one\r\ntwo", {2, 5}, "on<P>e\r\ntw</P>o", {5, 5}},
      {"SpeedButton4", false, "one", {3, 0}, "one<P>\r\n", {8, 0}},
      {"SpeedButton3", true, "t", {1, 0}, "t<P ALIGN=RIGHT>\r\n", {18, 0}},
      // Popup items wrap like bold.
      {"H31", true, "abc", {1, 1}, "a<H3>b</H3>c", {5, 1}},
      {"MenuItem35", true, "", {0, 0}, "<? if () { } else { } ?>", {7, 0}},
      {"If1", true, "x", {0, 1}, "<% If x %>", {6, 1}},
      {"includefile2", false, "f", {0, 1}, "<!--#include file=\"\" -->", {19, 0}},
      // Plain insertions replace the selection.
      {"BrB", true, "abc", {1, 1}, "a<BR>c", {5, 0}},
      {"SpeedButton5", true, "abc", {1, 1}, "a<HR>\r\nc", {7, 0}},
      {"break1", true, "zz", {0, 2}, "<!--#break -->", {14, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.button << " smart=" << c.smart << " sel=" << c.before.start << ","
                                    << c.before.length);
    setSmartTags(c.smart);
    TWorkForm* w = docWith(c.text, c.before.start, c.before.length);
    press(c.button);
    EXPECT_EQ(w->DocText(), c.expected);
    EXPECT_EQ(w->Memo1->selStart(), c.after.start);
    EXPECT_EQ(w->Memo1->selLength(), c.after.length);
    EXPECT_TRUE(w->Memo1->modified());
    prompts.answers.push_back(qm::Answer::No);  // do not save
    EXPECT_TRUE(closeDoc(w));
  }
}

TEST_F(Insertion, TableAndFrameButtonsInsertWholeLines) {
  struct Case {
    const char* button;
    std::string inserted;
  };
  const Case cases[] = {
      {"SpeedButton23", "<TABLE>\r\n</TABLE>\r\n"},
      {"SpeedButton20", "<BASE TARGET=\"\">\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    TWorkForm* w = docWith("<BODY>\r\n</BODY>", 8);
    press(c.button);
    EXPECT_EQ(w->DocText(), "<BODY>\r\n" + c.inserted + "</BODY>");
    EXPECT_EQ(w->Memo1->selStart(), static_cast<int>(8 + c.inserted.size()));
    // The caret stands at the start of the line after the inserted ones.
    EXPECT_EQ(w->Memo1->caretColumn(), 0);
    EXPECT_EQ(w->Memo1->caretLine(), 1 + static_cast<int>(std::count(c.inserted.begin(), c.inserted.end(), '\n')));
  }
}

TEST_F(Insertion, TextRequestStopsLineInsertionsOnly) {
  struct Case {
    const char* button;
    bool changes;
  };
  const Case cases[] = {{"SpeedButton23", false}, {"SpeedButton5", false}, {"SpeedButton15", false},
                        {"SpeedButton2", false},  // no selection: the opening tag and a break only
                        {"BrB", true},            {"SpeedButton9", true}};
  TWorkForm* w = docWith("abc", 1);
  form->TextRequestActive = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    const std::string before = w->DocText();
    const int undo = w->UndoCount();
    w->Memo1->setSelStart(1);
    press(c.button);
    EXPECT_EQ(w->DocText() != before, c.changes);
    EXPECT_EQ(w->UndoCount() != undo, c.changes);
  }
  form->TextRequestActive = false;
  const std::string before = w->DocText();
  press("SpeedButton5");
  EXPECT_NE(w->DocText(), before);
}

TEST_F(Insertion, EveryInsertionIsOneUndoStep) {
  struct Case {
    const char* button;
    Selection sel;
  };
  const Case cases[] = {{"SpeedButton23", {3, 0}}, {"SpeedButton23", {1, 4}}, {"SpeedButton9", {1, 4}},
                        {"SpeedButton9", {3, 0}},  {"SpeedButton2", {1, 4}},  {"SpeedButton4", {0, 10}},
                        {"H11", {2, 0}},           {"N51", {2, 3}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.button << " " << c.sel.start << "," << c.sel.length);
    TWorkForm* w = docWith("l1\r\nl2\r\nl3", c.sel.start, c.sel.length);
    w->Memo1->select(c.sel.start, c.sel.length);
    const std::string before = w->DocText();
    const int count = w->UndoCount();
    ASSERT_GE(count, 2);
    press(c.button);
    ASSERT_NE(w->DocText(), before);
    EXPECT_EQ(w->UndoCount(), std::min(count + 1, 20));
    w->RestoreUndoBuf();
    EXPECT_EQ(w->DocText(), before);
  }
}

TEST_F(Insertion, TInsertPutsEveryLineWithABreakAndWorksWithoutColouring) {
  TWorkForm* w = docWith("ab", 1, 1);
  const int count = w->UndoCount();
  form->TInsert({"one", "", "\xF9\xEC\xE5\xED"});
  EXPECT_EQ(w->DocText(), "aone\r\n\r\n\xF9\xEC\xE5\xED\r\n");
  EXPECT_EQ(w->Memo1->selStart(), static_cast<int>(w->DocText().size()));
  EXPECT_EQ(w->UndoCount(), count + 1);
  form->TInsert({});
  EXPECT_EQ(w->DocText(), "aone\r\n\r\n\xF9\xEC\xE5\xED\r\n");
}

TEST_F(Insertion, ColourValueButton) {
  struct Case {
    std::optional<QColor> picked;
    Selection sel;
    std::string expected;
    std::string lastPicked;
  };
  const Case cases[] = {
      {QColor(255, 0, 0), {1, 0}, "aFF0000bc", "FF0000"},
      {QColor(0x0A, 0xBC, 0x0F), {1, 1}, "a0ABC0Fc", "0ABC0F"},
      // Cancelled: nothing goes in, so the selected text goes out; the last colour stays.
      {std::nullopt, {1, 1}, "ac", "0ABC0F"},
      {std::nullopt, {1, 0}, "abc", "0ABC0F"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    TWorkForm* w = docWith("abc", c.sel.start, c.sel.length);
    prompts.colors.push_back(c.picked);
    press("SpeedButton12");
    EXPECT_EQ(w->DocText(), c.expected);
    EXPECT_EQ(form->LastPickedColor, c.lastPicked);
  }
  EXPECT_EQ(prompts.texts("color").size(), 4u);
}

TEST_F(Insertion, ServerVariableItemsInsertTheirExpression) {
  // Spot checks against the literal markup.
  struct Spot {
    const char* item;
    const char* expected;
  };
  const Spot spots[] = {{"REMOTEADDR1", "<%= Request.ServerVariables(\"REMOTE_ADDR\") %>"},
                        {"ALLHTTP1", "<%= Request.ServerVariables(\"ALL_HTTP\") %>"},
                        {"URL1", "<%= Request.ServerVariables(\"URL\") %>"},
                        {"MenuItem7", "<!--#ECHO VAR=\"REMOTE_ADDR\" -->"},
                        {"MenuItem1", "<!--#ECHO VAR=\"DOCUMENT_NAME\" -->"},
                        {"MenuItem30", "<!--#ECHO VAR=\"HTTP_COOKIE\" -->"}};
  TWorkForm* w = docWith("");
  for (const Spot& s : spots) {
    SCOPED_TRACE(s.item);
    w->Memo1->setText("[sel]");
    w->Memo1->select(0, 5);
    press(s.item);
    EXPECT_EQ(w->DocText(), s.expected);
  }
  // Every item of both menus: one line (no break) built from its caption.
  struct MenuCase {
    const char* menu;
    std::size_t items;
    std::string before, after;
  };
  const MenuCase menus[] = {{"PopupMenu4", 28, "<%= Request.ServerVariables(\"", "\") %>"},
                            {"PopupMenu6", 30, "<!--#ECHO VAR=\"", "\" -->"}};
  for (const MenuCase& m : menus) {
    const QList<QAction*> items = form->SubMenu(QString::fromLatin1(m.menu))->actions();
    ASSERT_EQ(static_cast<std::size_t>(items.size()), m.items) << m.menu;
    for (QAction* item : items) {
      SCOPED_TRACE(item->objectName().toStdString());
      w->Memo1->setText("ab");
      w->Memo1->setSelStart(1);
      item->trigger();
      EXPECT_EQ(w->DocText(), "a" + m.before + item->text().toStdString() + m.after + "b");
    }
  }
}

TEST_F(Insertion, InsertionGoesToTheActiveDocument) {
  TWorkForm* first = docWith("first");
  TWorkForm* second = docWith("second", 6);
  ASSERT_EQ(form->AWForm(), second);
  press("BrB");
  EXPECT_EQ(first->DocText(), "first");
  EXPECT_EQ(second->DocText(), "second<BR>");
}

TEST_F(Insertion, PathsFollowTheIncludePathNamesOption) {
  struct Case {
    bool include;
    const char* path;
    qm::PathOrigin origin;
    const char* expected;
  };
  const Case cases[] = {
      {false, "C:\\site\\img\\a.gif", qm::PathOrigin::Typed, "a.gif"},
      {false, "/home/u/site/a.gif", qm::PathOrigin::Chosen, "a.gif"},
      {false, "http://host/a.gif", qm::PathOrigin::Typed, "http://host/a.gif"},
      {true, "C:\\site\\img\\a.gif", qm::PathOrigin::Typed, "C:\\site\\img\\a.gif"},
      {true, "/home/u/site/a.gif", qm::PathOrigin::Chosen, "/home/u/site/a.gif"},
  };
  for (const Case& c : cases) {
    form->Action(QStringLiteral("N23"))->setChecked(c.include);
    EXPECT_EQ(form->TruncPath(c.path, c.origin), c.expected) << c.path << " include=" << c.include;
  }
}

// Wizards are tool windows: while one is in front, the page is still the active document.
TEST_F(Insertion, ToolWindowInFrontStillInsertsIntoTheDocument) {
  TWorkForm* w = docWith("ab", 1);
  QWidget tool(form.get(), Qt::Tool);
  tool.show();
  tool.activateWindow();
  QApplication::processEvents();
  ASSERT_TRUE(tool.isActiveWindow());
  form->insrt2("<BR>");
  EXPECT_EQ(w->DocText(), "a<BR>b");
}

}  // namespace
