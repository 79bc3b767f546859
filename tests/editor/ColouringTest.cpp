// Colouring of the document window's editor: full colouring against the RTF
// document of the same page, the typing and Backspace rules, the colour-coding
// switch.
#include <QAction>
#include <QPalette>

#include "DocFixture.h"
#include "core/markup/Highlight.h"
#include "core/markup/RtfColorTable.h"
#include "core/markup/RtfReader.h"
#include "editor/Colouring.h"

namespace {

using qmtest::DocFixture;

constexpr std::uint32_t kTag = 0x2010C0;     // a red
constexpr std::uint32_t kRemark = 0x30A050;  // a green
constexpr std::uint32_t kText = 0x804000;    // a dark blue

QColor bgr(std::uint32_t c) { return qm::ColourScheme::fromBgr(c); }

std::uint32_t toBgr(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

class Colouring : public DocFixture {
 protected:
  // A document window holding `text`, its settings colours distinct from the
  // editor's own, fully coloured, with nothing left that would start another
  // full colouring by itself.
  TWorkForm* page(const std::string& text, std::uint32_t textColour = kText) {
    form->TagColor = kTag;
    form->RemarksColor = kRemark;
    form->TextColor = textColour;
    form->HebrewFont = QStringLiteral("QmHebrewFace");
    form->EnglishFont = QStringLiteral("QmLatinFace");
    form->RefreshEveryXChrs = 1000000;
    TWorkForm* w = newDoc();
    QApplication::processEvents();
    w->Memo1->setText(text);
    w->LastLength = w->DocLength();
    w->DoHighLight();
    return w;
  }
  static QColor own(TWorkForm* w) { return w->Memo1->palette().color(QPalette::Text); }
  static QColor colourAt(TWorkForm* w, std::size_t offset) {
    return w->ColourModel()->colourAt(w->Memo1->positionOf(static_cast<std::int32_t>(offset)), own(w));
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
  struct Case {
    std::string text;
    std::string mask;  // as expectMask
    std::string hebrew;  // 'h' Hebrew font, '-' not, '.' not checked
  };
  const Case cases[] = {
      {"a<b>c", "tgggt", "-----"},
      {"<!-- x -->y", "rrrrrrrrrrt", "..........."},
      {"<!-->z", "rrrrrt", "......"},
      {"<!- x>z", "ggggggt", "......."},
      // Hebrew inside a tag keeps the tag colour in the Hebrew font; the next
      // Latin letter goes back to the Latin font.
      {"<p t=\xE0\xE1 x>", "gggggggggg", ".....hh.-."},
      // Digits and spaces stay in the Hebrew run; a Latin letter ends it.
      {"\xF9\xEC 12 ab", "tttttttt", "hhhhhh--"},
      // A line break ends a Hebrew run; an open tag goes on over it.
      {"\xE0<a\r\nbc>d", "tgg..gggt", "h.......-"},
      {"x<!--\r\nab\r\n-->z", "trrrr..rr..rrrt", "..............."},
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

TEST_F(Colouring, EditorShowsTheColoursAndFontsOfTheRtfDocument) {
  // A page with every kind of stretch, over many lines, so states cross lines.
  std::string text;
  const char* parts[] = {"<html dir=rtl>", "\xF9\xEC\xE5\xED", " abc ", "<!-- \xE4\xF2\xF8\xE4 -->", "<a href=\"x\">",
                         "\xE0\xE1 12, \xE2", "</a>", "{\\x}", "<!--\r\nopen", "-->", "<p\r\ntitle=\xE3\xE4>",
                         "text\r\n", "\xE5<b>\xE6"};
  for (int i = 0; i < 200; ++i) {
    text += parts[i % std::size(parts)];
    if (i % 4 == 3) text += "\r\n";
  }
  TWorkForm* w = page(text);
  qm::highlight::RtfSettings st;
  st.colorTable = form->RtfColorTable = qm::buildRtfColorTable(kTag, kRemark, kText);
  st.englishFont = form->EnglishFont.toStdString();
  st.hebrewFont = form->HebrewFont.toStdString();
  const qm::rtf::Document doc = qm::rtf::read(qm::highlight::buildRtf(w->DocText(), st));
  // The document ends with a paragraph mark of its own.
  ASSERT_EQ(doc.text(), w->DocText() + "\r\n");
  std::size_t offset = 0;
  int checked = 0;
  for (const auto& run : doc.runs) {
    for (std::size_t k = 0; k < run.text.size(); ++k, ++offset) {
      if (run.text[k] == '\r' || run.text[k] == '\n') continue;
      ASSERT_EQ(toBgr(colourAt(w, offset)), doc.colors.at(static_cast<std::size_t>(run.color))) << "at " << offset;
      ASSERT_EQ(hebrewAt(w, offset), run.font == 3) << "at " << offset;
      ASSERT_EQ(w->ColourModel()->fontFamilyAt(w->Memo1->positionOf(static_cast<std::int32_t>(offset))),
                QString::fromStdString(doc.fonts.at(run.font)))
          << "at " << offset;
      ++checked;
    }
  }
  EXPECT_GT(checked, 1000);
}

TEST_F(Colouring, KeyRulesColourAheadOfTheCaret) {
  struct Case {
    const char* label;
    std::string text;
    int caret;
    QString keys;  // '\b' is Backspace
    bool coding;
    std::string mask;  // of the text after the keys, as expectMask
  };
  const QString bs(QChar(8));
  const Case cases[] = {
      // "<" colours through the next ">" as a tag; the "<" itself too.
      {"open tag", "ab cd>ef", 3, "<", true, "tttGGGGtt"},
      // ... also with colour coding off: the rules run regardless.
      {"open tag, coding off", "ab cd>ef", 3, "<", false, "tttGGGGtt"},
      // ">" closing a tag: after it, text colour through the next "<"
      // (that "<" included, until the next full colouring).
      {"close tag", "x<b yz<i>w", 3, ">", true, "tgggTTTTggt"},
      // Typing right after a tag's ">" types in the text colour.
      {"after a tag", "a<b>c", 4, "x", true, "tgggTt"},
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

TEST_F(Colouring, ColourCodingOffLeavesTheEditorAlone) {
  setColourCoding(false);
  TWorkForm* w = page("x<y>z");
  w->Memo1->setSelStart(1);
  w->fwdcoloring(bgr(kRemark), ">");  // "<y>" in the remarks colour, set by hand
  w->DoHighLight();
  expectMask(w, "dRRRd", "coding off");
  EXPECT_FALSE(hebrewAt(w, 0));
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
  EXPECT_EQ(w->Memo1->selStart(), caret);
  EXPECT_EQ(w->Memo1->selLength(), 3);
  // While off, nothing colours it again.
  w->DoHighLight();
  expectMask(w, std::string(w->DocText().size(), 'd'), "off, full colouring");

  n38->trigger();
  EXPECT_EQ(settings.store().readString(QStringLiteral("UseColorCode"), {}), QStringLiteral("1"));
  expectMask(w, "tgggt..rrrrrrrrt", "on");
  EXPECT_TRUE(hebrewAt(w, 0));
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

  // A line broken in two: the new line is coloured too; joined again.
  w = page("ab<i>cd");
  w->Memo1->setFocus();
  w->Memo1->setSelStart(2);
  type(w->Memo1, "\r");
  expectMask(w, "tt..gggtt", "line broken");
  key(w->Memo1, Qt::Key_Backspace);
  expectMask(w, "ttgggtt", "lines joined");
}

TEST_F(Colouring, NewSettingsRecolourAndKeepCaretSelectionAndView) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "ab\xE0 <i>x</i>\r\n";
  TWorkForm* w = page(text);
  EXPECT_EQ(w->Memo1->font().family(), QStringLiteral("QmLatinFace"));
  EXPECT_DOUBLE_EQ(w->Memo1->font().pointSizeF(), 8.0);
  w->Memo1->select(40, 7);
  w->Memo1->setScrollPosition(120);
  ASSERT_EQ(w->Memo1->scrollPosition(), 120);

  form->FontSize = QStringLiteral("24");
  form->HebrewFont = QStringLiteral("QmOtherHebrew");
  form->TagColor = 0x00FF00;
  w->DoHighLight();
  EXPECT_DOUBLE_EQ(w->Memo1->font().pointSizeF(), 12.0);
  EXPECT_EQ(w->ColourModel()->fontFamilyAt(w->Memo1->positionOf(2)), QStringLiteral("QmOtherHebrew"));
  EXPECT_EQ(w->ColourModel()->fontFamilyAt(w->Memo1->positionOf(0)), QStringLiteral("QmLatinFace"));
  // Every line takes the new tag colour, the last one too.
  const std::size_t lastTag = text.rfind('<');
  EXPECT_EQ(colourAt(w, lastTag), QColor(0, 255, 0));
  EXPECT_EQ(colourAt(w, 4), QColor(0, 255, 0));
  EXPECT_EQ(w->Memo1->selStart(), 40);
  EXPECT_EQ(w->Memo1->selLength(), 7);
  EXPECT_EQ(w->Memo1->scrollPosition(), 120);
  EXPECT_EQ(w->HLLength, w->DocLength());
  EXPECT_EQ(w->HLLines, w->DocLines());
}

}  // namespace
