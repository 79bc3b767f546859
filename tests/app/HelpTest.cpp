// The help pages as the help window shows them: right to left, in Hebrew,
// every page reachable from the contents and every link leading to a page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <set>

#include "app/Help_F.h"
#include "editor/DocFixture.h"

TEST(Help, EveryPageIsHebrewRightToLeftAndEveryLinkLeadsToAPage) {
  THelpForm help;
  std::set<QString> linked{QStringLiteral("index.htm")};
  const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.htm")});
  ASSERT_GT(pages.size(), 20);
  for (const QString& page : pages) {
    SCOPED_TRACE(page.toStdString());
    help.Browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    // Every paragraph, heading and list item with Hebrew in it is laid out right to left.
    for (QTextBlock b = help.Browser->document()->begin(); b.isValid(); b = b.next())
      if (b.text().contains(QRegularExpression(QStringLiteral("[א-ת]")))) {
        EXPECT_EQ(b.blockFormat().layoutDirection(), Qt::RightToLeft) << b.text().toStdString();
      }
    EXPECT_TRUE(help.Browser->toPlainText().contains(QRegularExpression(QStringLiteral("[א-ת]{3}"))));
    QFile file(QStringLiteral(":/help/") + page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (const auto& m : QRegularExpression(QStringLiteral("<a href=\"([^\":]+)\"")).globalMatch(html)) {
      EXPECT_TRUE(pages.contains(m.captured(1))) << m.captured(1).toStdString();
      if (page == QStringLiteral("index.htm")) linked.insert(m.captured(1));
    }
  }
  EXPECT_EQ(linked.size(), static_cast<std::size_t>(pages.size()));  // the contents reach every page
  // The frames wizard's help button asks for topic 33; an unknown topic shows the contents.
  EXPECT_EQ(THelpForm::TopicPage(33), QStringLiteral(":/help/topic33.htm"));
  EXPECT_EQ(THelpForm::TopicPage(7), QStringLiteral(":/help/index.htm"));
}

// Back walks the pages read, home opens the contents; the search lists the pages holding the
// text, opens one at the place found, and Enter goes on to the next place in the page.
TEST(Help, BackHomeAndSearchFindTheirPages) {
  THelpForm help;
  help.ShowTopic(0);
  const auto shown = [&] { return help.Browser->source().fileName(); };
  EXPECT_FALSE(help.BackButton->isEnabled());
  help.Browser->setSource(QUrl(QStringLiteral("link.htm")));
  help.Browser->setSource(QUrl(QStringLiteral("table.htm")));
  help.BackButton->click();
  EXPECT_EQ(shown(), QStringLiteral("link.htm"));
  help.HomeButton->click();
  EXPECT_EQ(shown(), QStringLiteral("index.htm"));

  help.SearchEdit->setText(QStringLiteral("frameset"));
  ASSERT_TRUE(help.TopicList->isVisibleTo(&help));
  QStringList titles;
  for (int i = 0; i < help.TopicList->count(); ++i) titles << help.TopicList->item(i)->text();
  EXPECT_EQ(titles, QStringList{QStringLiteral("אשף המסגרות")});
  help.TopicList->setCurrentRow(0);
  help.TopicListClick();
  EXPECT_EQ(shown(), QStringLiteral("topic33.htm"));
  const int first = help.Browser->textCursor().selectionStart();
  EXPECT_EQ(help.Browser->textCursor().selectedText().toLower(), QStringLiteral("frameset"));
  help.FindNext();
  EXPECT_GT(help.Browser->textCursor().selectionStart(), first);
  help.SearchEdit->setText(QStringLiteral("qm-nowhere"));
  ASSERT_EQ(help.TopicList->count(), 1);
  EXPECT_EQ(help.TopicList->item(0)->flags(), Qt::NoItemFlags);
}

namespace {

class WizardHelp : public qmtest::DocFixture {};

// The words of a caption or a paragraph, without punctuation.
QSet<QString> wordsOf(const QString& text) {
  static const QRegularExpression word(QStringLiteral("[\\w\\-]+"), QRegularExpression::UseUnicodePropertiesOption);
  QSet<QString> out;
  for (const auto& m : word.globalMatch(text.toLower())) out.insert(m.captured());
  return out;
}

}  // namespace

// Each wizard's help page names every field of the wizard (a paragraph holding all the words of
// its caption, in any order) and shows the markup written (an example set left to right). The
// font wizard's sample line and the numbers beside sliders are not fields.
TEST_F(WizardHelp, EveryFieldOfEveryWizardIsNamedInItsPage) {
  docWith("<P>page</P>");
  const std::pair<const char*, const char*> rows[] = {
      {"SpeedButton6", "body.htm"},        {"SpeedButton34", "meta.htm"},   {"LinkB", "link.htm"},
      {"ImageB", "image.htm"},             {"SpeedButton30", "multimedia.htm"}, {"MailB", "email.htm"},
      {"SpeedButton8", "font.htm"},        {"SpeedButton13", "topic33.htm"}, {"SpeedButton22", "table.htm"},
      {"SpeedButton31", "forms.htm"},      {"SpeedButton32", "forms.htm"},  {"SpeedButton28", "javascript.htm"},
      {"SpeedButton29", "special.htm"},
  };
  const QRegularExpression notAField(QStringLiteral("^(\\s*|\\s*\\d+\\s*|ABcd|אבגד)$")), markup(QStringLiteral("[<&]"));
  THelpForm help;
  for (const auto& [command, page] : rows) {
    SCOPED_TRACE(command);
    const QWidgetList before = QApplication::topLevelWidgets();
    press(command);
    QWidget* wizard = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && !before.contains(w)) wizard = w;
    ASSERT_NE(wizard, nullptr);
    help.Browser->setSource(QUrl(QStringLiteral("qrc:/help/") + QString::fromLatin1(page)));
    std::vector<QSet<QString>> paragraphs;
    bool example = false;
    for (QTextBlock b = help.Browser->document()->begin(); b.isValid(); b = b.next()) {
      paragraphs.push_back(wordsOf(b.text()));
      example = example || (b.blockFormat().layoutDirection() == Qt::LeftToRight && b.text().contains(markup));
    }
    QStringList captions;
    for (QLabel* l : wizard->findChildren<QLabel*>()) captions << l->text();
    for (QGroupBox* g : wizard->findChildren<QGroupBox*>()) captions << g->title();
    for (QAbstractButton* b : wizard->findChildren<QAbstractButton*>())  // the special characters are buttons
      if (b->inherits("QCheckBox") || b->inherits("QRadioButton") || wizard->objectName() == QStringLiteral("Form13"))
        captions << b->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
    for (const QString& caption : captions) {
      if (notAField.match(caption).hasMatch()) continue;
      const QSet<QString> words = wordsOf(caption);
      const bool named = words.isEmpty() ? help.Browser->toPlainText().contains(caption.trimmed())
                                         : std::any_of(paragraphs.begin(), paragraphs.end(),
                                                       [&](const QSet<QString>& p) { return p.contains(words); });
      EXPECT_TRUE(named) << page << ": " << caption.toStdString();
    }
    EXPECT_TRUE(example) << page;
    wizard->close();
  }
}
