// Program entry: the application, its settings and the main window.
#include <QDir>
#include <unistd.h>

#include "core/Version.h"
#include "app/Html_U.h"
#include "platform/Application.h"
#include "platform/SettingsStore.h"

int main(int argc, char** argv) {
  qm::Application app(argc, argv);
  app.setApplicationName(QString::fromUtf8(qm::VersionTitle));
  qm::SettingsStore settings;
  TForm1 form(settings);
  form.show();
  return app.exec();
}
