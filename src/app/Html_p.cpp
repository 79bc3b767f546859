// Program entry: the application, its settings, the main window and the splash.
#include <unistd.h>

#include <QStringList>
#include <cstdio>
#include <cstring>

#include "app/About_F.h"
#include "app/Help_F.h"
#include "app/Html_U.h"
#include "core/Version.h"
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "platform/Glyphs.h"
#include "platform/SettingsStore.h"

namespace {

// --help and --version answer on standard output before anything needs a
// display, so they work on a console or over ssh. True when one was given.
bool answeredOnConsole(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::printf(
          "Usage: quillmark [FILE]\n"
          "An editor for the HTML source of Hebrew web pages.\n"
          "\n"
          "  FILE           a page to open (a .qxt file opens as a new page made from it)\n"
          "  -h, --help     print this help and exit\n"
          "  -v, --version  print the version and exit\n"
          "\n"
          "Settings are kept in ~/.config/Quillmark/SoftWare.ini (QUILLMARK_SETTINGS names another file).\n");
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
      std::printf("%s\n", qm::VersionTitle);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (answeredOnConsole(argc, argv)) return 0;
  // The web engine of the preview refuses to start as root with its sandbox on.
  if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
    std::fputs("quillmark: running as root; the preview's browser sandbox is turned off\n", stderr);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  qm::Application app(argc, argv);
  app.setApplicationName(QString::fromUtf8(qm::VersionTitle));
  // The whole user interface is Hebrew: windows, and the text the styles paint
  // in them (menu items, for one), read right to left unless a window says otherwise.
  app.setLayoutDirection(Qt::RightToLeft);
  // The standard dialogs' own buttons and labels in Hebrew too.
  qm::installToolkitTranslations();
  // Every window's icon, and the installed desktop entry (quillmark.desktop)
  // the desktop matches the running program with.
  app.setWindowIcon(qm::appIcon());
  app.setDesktopFileName(QStringLiteral("quillmark"));
  qm::installFontFallbacks();
  installHelpWindow();

  qm::SettingsStore settings;
  TForm1 form(settings);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() > 1) form.SetCommandLineFile(args.at(1));
  form.show();
  TAbout_Form splash(form);
  return app.exec();
}
