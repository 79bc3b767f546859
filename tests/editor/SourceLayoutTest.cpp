// How source lines stand on screen: read back from the laid-out lines' glyph
// positions, left to right.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "DocFixture.h"
#include "core/hebrew/LineReorder.h"
#include "platform/Cp1255Bridge.h"

using qmtest::DocFixture;
using SourceLayout = DocFixture;

namespace {

// The characters of a line in the order they stand on screen, left to right.
std::string screenLine(qm::RichEdit* e, int line) {
  const QTextBlock block = e->document()->findBlockByNumber(line);
  const QString text = block.text();
  std::vector<std::pair<qreal, QChar>> placed;
  for (int i = 0; i < text.size(); ++i) {
    const QRectF r = e->characterRect(block.position() + i);
    placed.emplace_back(r.center().x(), text[i]);
  }
  std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  QString out;
  for (const auto& p : placed) out += p.second;
  return out.toStdString();
}

// Left and right end of a line on screen.
std::pair<qreal, qreal> extent(qm::RichEdit* e, int line) {
  const QTextBlock block = e->document()->findBlockByNumber(line);
  qreal left = 1e9, right = -1e9;
  for (int i = 0; i < block.length() - 1; ++i) {
    const QRectF r = e->characterRect(block.position() + i);
    left = std::min(left, r.left());
    right = std::max(right, r.right());
  }
  return {left, right};
}

std::string bytes(const QString& s) { return qm::toCp1255(s); }

void click(qm::RichEdit* e, QPointF at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, e->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(e->viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, e->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(e->viewport(), &release);
}

// Logical lines and how they read on screen, left to right.
struct Line {
  QString logical, screen;
};
const Line kLines[] = {
    {QStringLiteral("<p class=\"myclass\" title=\"עברית\">פעילות הבינאום!</p>"), QStringLiteral("<p class=\"myclass\" title=\"תירבע\">!םואניבה תוליעפ</p>")},
    {QStringLiteral("<p title=\"עברית\">ok</p>"), QStringLiteral("<p title=\"תירבע\">ok</p>")},
    {QStringLiteral("<b>שלום, עולם!</b> (1)"), QStringLiteral("<b>!םלוע ,םולש</b> (1)")},
    {QStringLiteral("<!-- הערה בעברית -->"), QStringLiteral("<!-- תירבעב הרעה -->")},
    {QStringLiteral("<a href=\"page.htm\">דף הבית</a>"), QStringLiteral("<a href=\"page.htm\">תיבה ףד</a>")},
    {QStringLiteral("<td>מחיר 100 ש\"ח</td>"), QStringLiteral("<td>ח\"ש 100 ריחמ</td>")},
};

}  // namespace

// A logical page: markup left to right in source order, each Hebrew run right to left by itself.
// A visual page holding the same lines as they are seen: every line exactly as stored. The visual
// page in Hebrew edit mode: each line as in Memo1, right-aligned.
TEST_F(SourceLayout, LinesStandAsTheyRead) {
  QString logical, visual;
  for (const Line& l : kLines) {
    logical += l.logical + "\r\n";
    visual += l.screen + "\r\n";
  }
  setIso(false);
  TWorkForm* w = docWith(bytes(logical));
  for (int i = 0; i < static_cast<int>(std::size(kLines)); ++i) EXPECT_EQ(screenLine(w->Memo1, i), kLines[i].screen.toStdString()) << i;

  setIso(true);
  w = docWith(bytes(visual));
  for (int i = 0; i < static_cast<int>(std::size(kLines)); ++i) EXPECT_EQ(screenLine(w->Memo1, i), kLines[i].screen.toStdString()) << i;

  w->HebEditMode();
  ASSERT_EQ(w->RichEdit1->text(), qm::hebrew::reorderLines(bytes(visual)));
  const int right = w->RichEdit1->viewport()->width();
  for (int i = 0; i < static_cast<int>(std::size(kLines)); ++i) {
    EXPECT_EQ(screenLine(w->RichEdit1, i), kLines[i].screen.toStdString()) << i;
    // Right-aligned: the line ends near the right edge of the view.
    EXPECT_GT(extent(w->RichEdit1, i).second, right - 10) << i;
    EXPECT_LE(extent(w->RichEdit1, i).second, right) << i;
  }
}

// A line wider than the Hebrew edit view is not cut off: it scrolls sideways to its left end.
TEST_F(SourceLayout, LongLinesInHebrewEditModeScrollSideways) {
  setIso(true);
  const QString line = "<p>" + QString(300, u'ש') + "</p>";
  TWorkForm* w = docWith(bytes(line + "\r\n"));
  w->HebEditMode();
  QCoreApplication::processEvents();
  qm::RichEdit* e = w->RichEdit1;
  QScrollBar* bar = e->horizontalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  // It starts at its right end, the rest waiting to the left.
  EXPECT_LT(extent(e, 0).first, 0);
  EXPECT_LE(extent(e, 0).second, e->viewport()->width());
  EXPECT_GT(extent(e, 0).second, e->viewport()->width() - 40);
  // The scroll bar's far end shows its left end.
  bar->setValue(bar->maximum());
  EXPECT_GE(extent(e, 0).first, 0);
  EXPECT_LT(extent(e, 0).first, 40);
}

// The caret on laid-out lines: a click lands on the letter under the mouse, typing after the last
// letter of a Hebrew attribute value puts the letter there in the page, Home and End.
TEST_F(SourceLayout, CaretClicksAndTypingFollowTheLaidOutLine) {
  setIso(false);
  const QString line = QStringLiteral("<p title=\"עברית\">שלום</p>");
  TWorkForm* w = docWith(bytes(line + "\r\n"));
  qm::RichEdit* e = w->Memo1;
  const int tav = static_cast<int>(line.indexOf(u'ת'));
  const QRectF r = e->characterRect(tav);
  ASSERT_FALSE(r.isEmpty());
  // The right half of a right-to-left letter is before it, the left half after it.
  click(e, QPointF(r.right() - 1, r.center().y()));
  EXPECT_EQ(e->selStart(), tav);
  click(e, QPointF(r.left() + 1, r.center().y()));
  EXPECT_EQ(e->selStart(), tav + 1);
  // The caret stands after the letter (to its left) and the typed letter goes there.
  EXPECT_NEAR(e->caretRect(e->textCursor().position()).left(), r.left(), 1.5);
  type(e, QStringLiteral("א"));
  EXPECT_EQ(w->DocText(), bytes(QStringLiteral("<p title=\"עבריתא\">שלום</p>\r\n")));
  EXPECT_EQ(screenLine(e, 0), "<p title=\"אתירבע\">םולש</p>");

  // End of a line ending in Hebrew: after its last letter, at the left end of the word.
  w = docWith(bytes(QStringLiteral("<p>שלום\r\n")));
  e = w->Memo1;
  e->setSelStart(1);
  key(e, Qt::Key_End);
  EXPECT_EQ(e->selStart(), 7);
  EXPECT_NEAR(e->caretRect(e->textCursor().position()).left(), e->characterRect(6).left(), 1.5);
  key(e, Qt::Key_Home);
  EXPECT_EQ(e->selStart(), 0);
  EXPECT_NEAR(e->caretRect(0).left(), e->characterRect(0).left(), 1.5);
}

// Invisible direction marks stand on screen as small marks of their own.
TEST_F(SourceLayout, DirectionMarksAreShown) {
  setIso(false);
  TWorkForm* w = docWith("<p>a\xFE" "b\xFD</p>\r\n");
  for (const int at : {4, 6}) EXPECT_GT(w->Memo1->characterRect(at).width(), 1.0) << at;
  EXPECT_EQ(w->DocText(), "<p>a\xFE" "b\xFD</p>\r\n");
}

// The line-number margin beside the source and the Hebrew edit view: one number per stored line,
// at the row its line is painted on, whichever way the view scrolls and however long the lines;
// on the side the lines are aligned to; as wide as the last line's number needs.
TEST_F(SourceLayout, LineNumbersStandAtTheRowsOfTheirLines) {
  setIso(false);
  QString page;
  for (int i = 0; i < 300; ++i) page += (i % 7 == 3 ? "<p>" + QString(400, u'ש') + "</p>" : QStringLiteral("<br>")) + "\r\n";
  TWorkForm* w = docWith(bytes(page));
  QCoreApplication::processEvents();
  const auto check = [](qm::RichEdit* e, const char* where) {
    const std::vector<qm::RichEdit::LineNumber> numbers = e->visibleLineNumbers();
    ASSERT_GT(numbers.size(), 5u) << where;
    const int height = e->viewport()->height();
    EXPECT_LT(numbers.front().rect.top(), numbers.front().rect.height()) << where;
    EXPECT_TRUE(numbers.back().number == e->document()->blockCount() || numbers.back().rect.bottom() >= height) << where;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      const qm::RichEdit::LineNumber& n = numbers[i];
      EXPECT_EQ(n.number, numbers.front().number + static_cast<int>(i)) << where;
      const int start = e->document()->findBlockByNumber(n.number - 1).position();
      EXPECT_DOUBLE_EQ(n.rect.top(), e->caretRect(start).top()) << where << " line " << n.number;
      EXPECT_EQ(n.current, e->textCursor().blockNumber() == n.number - 1) << where;
    }
  };
  for (qm::RichEdit* e : {w->Memo1, w->RichEdit1}) {
    if (e == w->RichEdit1) {
      w->HebEditMode();
      QCoreApplication::processEvents();
    }
    const QRect margin = e->lineNumberMargin()->geometry(), view = e->viewport()->geometry();
    EXPECT_TRUE(e->rect().contains(margin));
    if (e->isRightToLeft()) EXPECT_EQ(margin.left(), view.right() + 1);
    else EXPECT_EQ(margin.right() + 1, view.left());
    QScrollBar* down = e == w->RichEdit1 ? w->ScrollBar1 : e->verticalScrollBar();
    for (const double v : {0.0, 0.37, 1.0})
      for (const double h : {0.0, 1.0}) {
        down->setValue(static_cast<int>(v * down->maximum()));
        e->horizontalScrollBar()->setValue(static_cast<int>(h * e->horizontalScrollBar()->maximum()));
        check(e, e == w->Memo1 ? "source" : "Hebrew edit");
      }
    ASSERT_GT(e->visibleLineNumbers().front().number, 250);
  }
  w->LeaveHebrewMode();
  const int wide = w->Memo1->lineNumberMargin()->width();
  w->Memo1->setText("<br>\r\n");
  EXPECT_LT(w->Memo1->lineNumberMargin()->width(), wide);
}
