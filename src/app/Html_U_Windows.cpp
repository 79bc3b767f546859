// The main window's side of the secondary windows: the colour-coding switch,
// the settings dialog and the Hebrew text window. Each window is created the
// first time it is needed (Window<W>) and reaches the work through the host
// interface; its commands are wired here.
#include <QAction>

#include "app/Conf_F.h"
#include "app/Html_U.h"
#include "editor/Work_F.h"
#include "hebrew/Heb_U.h"
#include "scripts/Script_F.h"

void TForm1::ConnectWindows() {
  connect(this, &TForm1::ColorCodeToggled, this, [this](bool on) {
    if (TWorkForm* w = AWForm()) w->ColourCodingSwitched(on);
  });
  setCommand(QStringLiteral("N45"), [this] {
    TForm20* dialog = Window<TForm20>();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
  });
  setCommand(QStringLiteral("N47"), [this] { N47Click(); });
  connect(this, &TForm1::FormClosing, this, [this] {
    if (TForm2* w = windows_.Find<TForm2>()) w->hide();
  });

  // The script library (TForm22, which loads JSDB.dat from ExecDir when it is
  // first made) and its script editor (TForm23, opened from the library).
  setCommand(QStringLiteral("SpeedButton35"), [this] {
    TForm22* library = Window<TForm22>();
    library->show();
    library->raise();
    library->activateWindow();
  });
  connect(this, &TForm1::FormClosing, this, [this] {
    if (TForm22* library = windows_.Find<TForm22>()) library->HideWindows();
  });
}

void TForm1::N47Click() { Window<TForm2>()->LoadFromDocument(ActivePage()); }
