#include "platform/Application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QStringDecoder>
#include <QTranslator>

#include "platform/Browser.h"
#include "platform/Cp1255Bridge.h"
#include "platform/Prompts.h"

namespace qm {

namespace {
// What must happen before the application object exists: the browser's
// scheme, and shared graphics contexts for the browser views.
int& beforeApplication(int& argc) {
  registerPreviewScheme();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  return argc;
}
}  // namespace

Application::Application(int& argc, char** argv) : QApplication(beforeApplication(argc), argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    showException(e);
  } catch (...) {
    prompts().error(activeWindow(), QStringLiteral("שגיאה לא ידועה"));
  }
  return false;
}

QTranslator* installToolkitTranslations() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  // "qt_he" gathers the Hebrew catalogues of every toolkit module.
  if (!translator->load(QLocale(QLocale::Hebrew, QLocale::Israel), QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

void runGuarded(const std::function<void()>& handler) noexcept {
  try {
    try {
      handler();
    } catch (const std::exception& e) {
      showException(e);
    } catch (...) {
      prompts().error(QApplication::activeWindow(), QStringLiteral("שגיאה לא ידועה"));
    }
  } catch (...) {
    // Showing the message failed as well: nothing more can be told.
  }
}

QString exceptionText(const char* what) {
  const QByteArray bytes(what);
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = fromCp1255(bytes.toStdString());
  return text;
}

void showException(const std::exception& e) { prompts().error(QApplication::activeWindow(), exceptionText(e.what())); }

}  // namespace qm
