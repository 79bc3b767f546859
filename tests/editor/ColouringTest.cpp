// Colouring of the document window's editor: full colouring, the typing and
// Backspace rules, the colour-coding switch.
#include <QAction>
#include <QPalette>

#include "DocFixture.h"
#include "editor/Colouring.h"

namespace {

using qmtest::DocFixture;

constexpr std::uint32_t kTag = 0x2010C0;     // a red
constexpr std::uint32_t kRemark = 0x30A050;  // a green
constexpr std::uint32_t kText = 0x804000;    // a dark blue

QColor bgr(std::uint32_t c) { return qm::colorFromBgr(c); }
std::uint32_t toBgr(const QColor& c) { return qm::bgrFromColor(c); }

class Colouring : public DocFixture {
 protected:
  // A document window holding `text`, its settings colours distinct from the
  // editor's own, fully coloured, with nothing left that would start another
  // full colouring by itself.
  TWorkForm* page(const std::string& text, std::uint32_t textColour = kText) {
    qm::EditorSettings s;
    s.TagColor = kTag;
    s.RemarksColor = kRemark;
    s.TextColor = textColour;
    s.HebrewFont = QStringLiteral("QmHebrewFace");
    s.EnglishFont = QStringLiteral("QmLatinFace");
    s.RefreshEveryXChrs = 1000000;
    form->SetEditorSettings(s);
    TWorkForm* w = newDoc();
    QApplication::processEvents();
    w->Memo1->setText(text);
    w->DoHighLight();
    return w;
  }
  static bool hebrewAt(TWorkForm* w, std::size_t offset) {
    return w->ColourModel()->hebrewFontAt(w->Memo1->positionOf(static_cast<std::int32_t>(offset)));
  }
  static bool overrideAt(TWorkForm* w, std::size_t offset) {
    // The colour the character carries itself, whatever the scan says.
    QTextCursor c(w->Memo1->document());
    c.setPosition(w->Memo1->positionOf(static_cast<std::int32_t>(offset)) + 1);
    return c.charFormat().hasProperty(QTextFormat::ForegroundBrush);
  }
  void setColourCoding(bool on) { form->Action(QStringLiteral("N38"))->setChecked(on); }
};

// Colour per character: 't' text, 'g' tag, 'r' remark, 'd' the editor's own
// colour; upper case: the character carries that colour itself (set by a key
// rule or the forward colouring, not by the scan); '.' not checked.
void expectMask(TWorkForm* w, const std::string& mask, const std::string& label) {
  const std::string& text = w->DocText();
  ASSERT_EQ(mask.size(), text.size()) << label << ": " << text;
  const QColor own = w->Memo1->palette().color(QPalette::Text);
  for (std::size_t i = 0; i < mask.size(); ++i) {
    const char m = mask[i];
    if (m == '.') continue;
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(m)));
    const QColor want = lower == 't'   ? w->CurrentScheme().text
                        : lower == 'g' ? w->CurrentScheme().tag
                        : lower == 'r' ? w->CurrentScheme().remark
                                       : own;
    QTextCursor c(w->Memo1->document());
    const int pos = w->Memo1->positionOf(static_cast<std::int32_t>(i));
    EXPECT_EQ(w->ColourModel()->colourAt(pos, own), want) << label << " at " << i << " '" << text[i] << "'";
    if (m != lower) {
      c.setPosition(pos + 1);
      EXPECT_TRUE(c.charFormat().hasProperty(QTextFormat::ForegroundBrush))
          << label << ": no colour of its own at " << i << " '" << text[i] << "'";
    }
  }
}

TEST_F(Colouring, FullColouringGivesTagsCommentsTextAndHebrewTheirLook) {
  // mask: as expectMask; hebrew: 'h' Hebrew font, '-' not, '.' not checked
  struct Case { std::string text; std::string mask; std::string hebrew; };
  const Case cases[] = {
      {"a<b>c", "tgggt", "-----"},
      {"<!-- x -->y", "rrrrrrrrrrt", "..........."},
      {"<!- x>z", "ggggggt", "......."},
      // Hebrew inside a tag keeps the tag colour in the Hebrew font; the next
      // Latin letter goes back to the Latin font.
      {"<p t=\xE0\xE1 x>", "gggggggggg", ".....hh.-."},

      // A line break ends a Hebrew run; an open tag goes on over it.
      {"\xE0<a\r\nbc>d", "tgg..gggt", "h.......-"},
      // Braces and backslashes are ordinary text.
      {"{\\}<b>", "tttggg", "------"},
  };
  for (const Case& c : cases) {
    TWorkForm* w = page(c.text);
    expectMask(w, c.mask, c.text);
    for (std::size_t i = 0; i < c.hebrew.size(); ++i) {
      if (c.hebrew[i] == '.') continue;
      EXPECT_EQ(hebrewAt(w, i), c.hebrew[i] == 'h') << c.text << " at " << i;
    }
  }
}

TEST_F(Colouring, KeyRulesColourAheadOfTheCaret) {
  // keys: '\b' is Backspace; mask: of the text after the keys, as expectMask
  struct Case { const char* label; std::string text; int caret; QString keys; bool coding; std::string mask; };
  const QString bs(QChar(8));
  const Case cases[] = {
      // "<" colours through the next ">" as a tag; the "<" itself too.
      {"open tag", "ab cd>ef", 3, "<", true, "tttGGGGtt"},
      // ">" closing a tag: after it, text colour through the next "<"
      // (that "<" included, until the next full colouring).
      {"close tag", "x<b yz<i>w", 3, ">", true, "tgggTTTTggt"},
      // "-" after "<!-": a comment through the next "-->".
      {"comment", "a<!- b --> c<i>", 4, "-", true, "trrrRRRRRRRttggg"},
      {"comment, none closes", "a<!- b c", 4, "-", false, "ddddRRRRd"},
      // Backspace after "<": text colour through the next "<".
      {"backspace after <", "ab<cd>ef", 3, bs, true, "ttTTTTt"},
      // Backspace after ">": the tag goes on through the next ">".
      {"backspace after >", "<b>xy<i>z", 3, bs, true, "ggGGGGGt"},
  };
  for (const Case& c : cases) {
    setColourCoding(true);
    // The editor's own colour as the text colour: with colour coding off the
    // text shows in it, and the rules take it for the text colour.
    TWorkForm* w = page(c.text, c.coding ? kText : toBgr(QPalette().color(QPalette::Text)));
    if (!c.coding) {
      setColourCoding(false);
      w->ColourCodingSwitched(false);
    }
    w->Memo1->setFocus();
    w->Memo1->setSelStart(c.caret);
    for (const QChar k : c.keys) {
      if (k == QChar(8))
        key(w->Memo1, Qt::Key_Backspace);
      else
        type(w->Memo1, QString(k));
    }
    expectMask(w, c.mask, c.label);
  }
}

TEST_F(Colouring, FullColouringDropsTheColoursTheRulesSet) {
  TWorkForm* w = page("x<b yz<i>w");
  w->Memo1->setFocus();
  w->Memo1->setSelStart(3);
  type(w->Memo1, ">");
  ASSERT_TRUE(overrideAt(w, 7));  // the "<" of <i> in the text colour
  w->DoHighLight();
  expectMask(w, "tgggtttgggt", "after full colouring");
  for (std::size_t i = 0; i < w->DocText().size(); ++i) EXPECT_FALSE(overrideAt(w, i)) << i;
  // The caret's own typing colour went too: it types in the colour of the
  // tag's ">" left of it again.
  EXPECT_EQ(w->Memo1->selStart(), 4);
  EXPECT_EQ(w->TypingColour(), bgr(kTag));
}

TEST_F(Colouring, ColourCodingSwitchWorksBothWays) {
  TWorkForm* w = page("\xE0<b>c\r\n<!--d-->e");
  w->Memo1->select(7, 3);
  const int caret = w->Memo1->selStart();
  QAction* n38 = form->Action(QStringLiteral("N38"));
  ASSERT_TRUE(n38->isChecked());

  n38->trigger();
  EXPECT_EQ(settings.store().readString(QStringLiteral("UseColorCode"), {}), QStringLiteral("0"));
  expectMask(w, std::string(w->DocText().size(), 'd'), "off");
  EXPECT_FALSE(hebrewAt(w, 0));
  EXPECT_EQ(w->Memo1->selLength(), 3);
  // While off, nothing colours it again.
  w->DoHighLight();
  expectMask(w, std::string(w->DocText().size(), 'd'), "off, full colouring");

  n38->trigger();
  EXPECT_EQ(settings.store().readString(QStringLiteral("UseColorCode"), {}), QStringLiteral("1"));
  expectMask(w, "tgggt..rrrrrrrrt", "on");
  EXPECT_EQ(w->Memo1->selStart(), caret);
}

TEST_F(Colouring, EditsRecolourTheLinesTheyReach) {
  TWorkForm* w = page("a\r\nb\r\nc<i>\r\nd");
  w->Memo1->setFocus();
  // Opening a comment on the first line reaches the following lines.
  w->Memo1->setSelStart(1);
  w->Memo1->replaceSelection("<!--");
  expectMask(w, "trrrr..r..rrrr..r", "comment opened");
  w->Memo1->setSelStart(5);
  w->Memo1->replaceSelection("-->");
  expectMask(w, "trrrrrrr..t..tggg..t", "comment closed");
}


}  // namespace
