// The edit control adapter: offsets with two-byte line breaks, the mirror
// against the control's own text, storable input, notifications.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <random>

#include "core/text/Lines.h"
#include "platform/Cp1255Bridge.h"
#include "platform/RichEdit.h"

namespace {

// The control's text read back the slow way, block by block.
std::string controlBytes(const qm::RichEdit& e) {
  std::string out;
  for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next()) {
    if (b != e.document()->begin()) out += "\r\n";
    out += qm::toCp1255(b.text());
  }
  return out;
}

void press(QWidget* w, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent ev(QEvent::KeyPress, key, mods, text);
  QApplication::sendEvent(w, &ev);
}

TEST(RichEdit, SelectionOffsetsCountLineBreaksAsTwo) {
  qm::RichEdit e;
  e.setText("ab\r\ncde\r\n\r\nf");
  // column: of the caret, which ends the selection
  struct Case { int start, length; std::string selected; int line, column; };
  for (const Case& c : {Case{2, 2, "\r\n", 1, 0}, Case{1, 6, "b\r\ncde", 1, 3}, Case{9, 2, "\r\n", 3, 0},
                        Case{12, 0, "", 3, 1}}) {
    e.select(c.start, c.length);
    EXPECT_EQ(e.selStart(), c.start);
    EXPECT_EQ(e.selLength(), c.length);
    EXPECT_EQ(e.selectedBytes(), c.selected) << c.start;
    EXPECT_EQ(e.caretLine(), c.line) << c.start;
    EXPECT_EQ(e.caretColumn(), c.column) << c.start;
  }
}

TEST(RichEdit, MirrorFollowsEditsMadeInTheControl) {
  qm::RichEdit e;
  e.setText("<HTML>\r\n<BODY>\r\n\xE0\xE1\xE2\r\n</BODY>\r\n</HTML>\r\n");
  std::mt19937 rng(3);
  const QString pieces[] = {"x", "\n", "ab\ncd", "\u05D0", "", "\t"};
  for (int i = 0; i < 300; ++i) {
    QTextCursor c(e.document());
    const int count = e.document()->characterCount() - 1;
    const int a = static_cast<int>(rng() % static_cast<unsigned>(count + 1));
    const int b = std::min(count, a + static_cast<int>(rng() % 4));
    c.setPosition(a);
    c.setPosition(b, QTextCursor::KeepAnchor);
    c.insertText(pieces[rng() % std::size(pieces)]);
    ASSERT_EQ(e.text(), controlBytes(e)) << i;
  }
  // Typing, Enter and Backspace at the end.
  e.setSelStart(static_cast<int>(e.text().size()));
  press(&e, Qt::Key_Q, "q");
  press(&e, Qt::Key_Return, "\r");
  press(&e, Qt::Key_Return, "\r", Qt::ShiftModifier);
  press(&e, Qt::Key_Backspace, "\b");
  EXPECT_EQ(e.text(), controlBytes(e));
  EXPECT_EQ(e.text().substr(e.text().size() - 3), "q\r\n");
  // Delete joining lines, select all and type over it.
  e.setSelStart(static_cast<int>(e.mirror().lineLength(0)));
  press(&e, Qt::Key_Delete, QString());
  EXPECT_EQ(e.text(), controlBytes(e));
  e.selectAll();
  press(&e, Qt::Key_W, "w");
  EXPECT_EQ(e.text(), "w");
  EXPECT_EQ(controlBytes(e), "w");
}

TEST(RichEdit, CharactersTheCodePageLacksBecomeReferences) {
  struct Case { const char* how; QString input; std::string stored; };
  const std::vector<Case> cases = {
      {"key", QStringLiteral("Ж"), "&#1046;"},
      {"paste", QString::fromUtf8("a\xF0\x9F\x98\x80\n"), "a&#128512;\r\n"},
      {"cursor", QStringLiteral("€Ж"), "\x80&#1046;"},
  };
  for (const auto& c : cases) {
    qm::RichEdit e;
    e.setText("[]");
    e.setSelStart(1);
    if (std::string(c.how) == "key") {
      press(&e, 0, c.input);
    } else if (std::string(c.how) == "paste") {
      QApplication::clipboard()->setText(c.input);
      e.paste();
    } else {
      QTextCursor(e.textCursor()).insertText(c.input);
    }
    EXPECT_EQ(e.text(), "[" + c.stored + "]") << c.how;
    EXPECT_EQ(controlBytes(e), e.text()) << c.how;
  }
}

TEST(RichEdit, FormatChangesAreNotTextChanges) {
  qm::RichEdit e;
  e.setText("<b>bold</b>");
  e.setModified(false);
  int changes = 0;
  QObject::connect(&e, &qm::RichEdit::changed, [&] { ++changes; });
  e.select(3, 4);
  e.setSelectionColor(Qt::red);
  EXPECT_EQ(e.selectionColor(), QColor(Qt::red));
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(e.modified());
}

}  // namespace
