// The main window's side of the colouring: the colour-coding switch and the
// settings dialog.
#include <QAction>

#include "app/Conf_F.h"
#include "app/Html_U.h"
#include "editor/Work_F.h"

void TForm1::ConnectColouring() {
  connect(this, &TForm1::ColorCodeToggled, this, [this](bool on) {
    if (TWorkForm* w = AWForm()) w->ColourCodingSwitched(on);
  });
  setCommand(QStringLiteral("N45"), [this] {
    TForm20* dialog = SettingsDialog();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
  });
}

TForm20* TForm1::SettingsDialog() {
  if (!Form20) {
    Form20 = new TForm20(*this, this);
    // A window of its own beside the main window, not a widget inside it.
    Form20->setWindowFlag(Qt::Dialog, true);
  }
  return Form20;
}
