#pragma once

#include <QApplication>

class QTranslator;

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

// Loads the toolkit's own Hebrew texts (the buttons and labels of the
// standard file, colour and message dialogs: Debian's qt6-translations-l10n)
// into the application. The translator installed, owned by the application;
// null when the translations are not installed.
QTranslator* installToolkitTranslations();

// Shows an exception's text in the standard error box (also used where a
// command catches on its own to keep its window consistent).
void showException(const std::exception& e);

// Texts of exceptions are UTF-8; text that is not valid UTF-8 is taken as
// code page 1255 bytes, as the engines in core produce.
QString exceptionText(const char* what);

}  // namespace qm
