#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

// The help window: the program's Hebrew help pages (compiled-in resources
// under ":/help"), opened at a topic. Topic 0 is the contents page; topic N
// is "topicN.htm" when there is such a page, else the contents.
//
// Back and home buttons walk the pages read; the search field lists the pages
// that hold what was typed (a click opens the page at the first place), and
// Enter finds the next place in the page shown.
class THelpForm : public QWidget {
  Q_OBJECT
 public:
  explicit THelpForm(QWidget* parent = nullptr);
  void ShowTopic(int topic);
  static QString TopicPage(int topic);  // resource path of the page shown for a topic

  QPushButton* BackButton = nullptr;
  QPushButton* HomeButton = nullptr;
  QLineEdit* SearchEdit = nullptr;
  QListWidget* TopicList = nullptr;  // the pages holding the search text, by title
  QTextBrowser* Browser = nullptr;

  // Lists the pages holding the search field's text (hidden when it is empty).
  void SearchChange();
  // Opens the page of a listed topic at the first place of the search text.
  void TopicListClick();
  // The next place of the search text in the page shown, from the top again after the last.
  void FindNext();
};

// Installs the help window as the program's help viewer (qm::showHelp). The
// window is created the first time help is asked for.
void installHelpWindow();
