#pragma once

#include <QApplication>
#include <functional>
#include <utility>

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

// Runs a handler of a click, a menu item or another signal: an exception it
// throws is shown in the standard error box and goes no further (one that
// crossed Qt's signal code into the event loop would be undefined behaviour).
void runGuarded(const std::function<void()>& handler) noexcept;

// A slot taking no arguments that runs `handler` through runGuarded.
template <class F>
auto guarded(F handler) {
  return [handler = std::move(handler)]() mutable { runGuarded([&handler] { handler(); }); };
}
// The same for a member function of `object` that takes no arguments.
template <class O, class M>
auto guarded(O* object, M member) {
  return [object, member] { runGuarded([object, member] { (object->*member)(); }); };
}

// Texts of exceptions are UTF-8; text that is not valid UTF-8 is taken as
// code page 1255 bytes, as the engines in core produce.
QString exceptionText(const char* what);

}  // namespace qm
