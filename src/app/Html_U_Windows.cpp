// The main window's side of the secondary windows: the colour-coding switch,
// the settings dialog, the Hebrew text window, the hyperlink and image wizards
// (and the files dropped on a page, which go through them). Each window is created the
// first time it is needed (Window<W>) and reaches the work through the host
// interface; its commands are wired here.
#include <QAction>
#include <QPointer>

#include "app/Conf_F.h"
#include "app/Html_U.h"
#include "core/markup/WizardMarkup.h"
#include "editor/Work_F.h"
#include "hebrew/Heb_U.h"
#include "platform/Cp1255Bridge.h"
#include "wizards/Link_F.h"
#include "wizards/Picture_F.h"

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

  // The hyperlink wizard (TForm3) and the image wizard (TForm4): their palette
  // buttons; closing the main window ends a text request they wait in.
  setCommand(QStringLiteral("LinkB"), [this] { Window<TForm3>()->ShowForInsertion(); });
  setCommand(QStringLiteral("ImageB"), [this] { Window<TForm4>()->ShowForInsertion(); });
  connect(this, &TForm1::FormClosing, this, [this] {
    if (TForm3* w = windows_.Find<TForm3>()) w->hide();
    if (TForm4* w = windows_.Find<TForm4>()) w->hide();
  });
}

void TForm1::FileDroppedOnPage(TWorkForm* page, const QString& name) {
  // One text request at a time: a drop while a wizard waits is ignored.
  if (TextRequestActive) return;
  const QPointer<TWorkForm> w(page);
  const std::string bytes = qm::toCp1255(name);
  const QString field = qm::fromCp1255(TruncPath(bytes, qm::PathOrigin::Chosen));
  // The page can close while a wizard waits; a closed request inserts nothing
  // (the page's selection stays).
  auto insert = [&w](const std::string& text) {
    if (w && !text.empty()) w->PageReplaceSelection(text);
  };
  if (qm::wizard::isLinkDrop(bytes)) {
    raise();
    activateWindow();
    TForm3* link = Window<TForm3>();
    link->ShowForRequest(field);
    insert(link->GetText());
  }
  if (qm::wizard::isImageDrop(bytes)) {
    raise();
    activateWindow();
    TForm4* image = Window<TForm4>();
    image->ShowForRequest(field);
    insert(image->gettext());
  }
}

void TForm1::N47Click() { Window<TForm2>()->LoadFromDocument(ActivePage()); }
