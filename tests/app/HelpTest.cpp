// The help pages as the help window shows them: right to left, in Hebrew,
// every page reachable from the contents and every link leading to a page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <set>

#include "app/Help_F.h"

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
    for (const auto& m : QRegularExpression(QStringLiteral("href=\"([^\":]+)\"")).globalMatch(html)) {
      EXPECT_TRUE(pages.contains(m.captured(1))) << m.captured(1).toStdString();
      if (page == QStringLiteral("index.htm")) linked.insert(m.captured(1));
    }
  }
  EXPECT_EQ(linked.size(), static_cast<std::size_t>(pages.size()));  // the contents reach every page
  // The frames wizard's help button asks for topic 33; an unknown topic shows the contents.
  EXPECT_EQ(THelpForm::TopicPage(33), QStringLiteral(":/help/topic33.htm"));
  EXPECT_EQ(THelpForm::TopicPage(7), QStringLiteral(":/help/index.htm"));
}
