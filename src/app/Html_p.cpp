// Program entry: the application, its settings, the main window and the splash.
#include <unistd.h>

#include <QStringList>
#include <cstdio>

#include "app/About_F.h"
#include "app/Help_F.h"
#include "app/Html_U.h"
#include "core/Version.h"
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "platform/Glyphs.h"
#include "platform/SettingsStore.h"

int main(int argc, char** argv) {
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
