#pragma once

#include <QWidget>

class QTextBrowser;

// The help window: the program's Hebrew help pages (compiled-in resources
// under ":/help"), opened at a topic. Topic 0 is the contents page; topic N
// is "topicN.htm" when there is such a page, else the contents.
class THelpForm : public QWidget {
  Q_OBJECT
 public:
  explicit THelpForm(QWidget* parent = nullptr);
  void ShowTopic(int topic);
  static QString TopicPage(int topic);  // resource path of the page shown for a topic
  QTextBrowser* Browser = nullptr;
};

// Installs the help window as the program's help viewer (qm::showHelp). The
// window is created the first time help is asked for.
void installHelpWindow();
