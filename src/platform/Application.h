#pragma once

#include <QApplication>

namespace qm {

// The application object. Its event dispatch is the one place where an
// exception that escaped a command is caught: it is shown in the standard
// error box and ends that command, and the program goes on.
class Application : public QApplication {
  Q_OBJECT
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an exception's text in the standard error box (also used where a
// command catches on its own to keep its window consistent).
void showException(const std::exception& e);

// Texts of exceptions are UTF-8; text that is not valid UTF-8 is taken as
// code page 1255 bytes, as the engines in core produce.
QString exceptionText(const char* what);

}  // namespace qm
