// The status bar, the Hebrew standard of the active page and the conversion
// of a page to logical UTF-8.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "app/Html_U.h"
#include "editor/Work_F.h"
#include "platform/Prompts.h"

namespace {

QLabel* addStatusLabel(QStatusBar* bar, const char* name, bool stretch) {
  auto* l = new QLabel(bar);
  l->setObjectName(QString::fromLatin1(name));
  l->setContentsMargins(4, 0, 4, 0);
  bar->addWidget(l, stretch ? 1 : 0);
  return l;
}

}  // namespace

void TForm1::buildStatusBar() {
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  EncodingLabel = addStatusLabel(StatusBar1, "EncodingLabel", false);
  StandardLabel = addStatusLabel(StatusBar1, "StandardLabel", false);
  PositionLabel = addStatusLabel(StatusBar1, "PositionLabel", false);
  ModifiedLabel = addStatusLabel(StatusBar1, "ModifiedLabel", true);
  setStatusBar(StatusBar1);

  // The standard items set the active page's standard; a page that becomes
  // active puts its own standard in them (new pages take the items' choice).
  for (const char* item : {"ISO1", "N50"}) {
    const bool iso = QLatin1String(item) == QLatin1String("ISO1");
    connect(Action(QString::fromLatin1(item)), &QAction::toggled, this, [this, iso](bool checked) {
      if (!checked) return;
      if (TWorkForm* w = AWForm())
        w->SetPageStandard(iso ? qm::HebrewStandard::IsoVisual : qm::HebrewStandard::WinLogical);
      RefreshStatusBar();
    });
  }
  setCommand(QStringLiteral("UTF81"), [this] { ConvertToLogicalUtf8(); });
  connect(MdiArea, &QMdiArea::subWindowActivated, this, [this] { RefreshStatusBar(); });
  RefreshStatusBar();
}

void TForm1::RefreshStatusBar() {
  TWorkForm* w = AWForm();
  if (!w) {
    for (QLabel* l : {EncodingLabel, StandardLabel, PositionLabel, ModifiedLabel}) l->clear();
    return;
  }
  const bool iso = w->PageStandard == qm::HebrewStandard::IsoVisual;
  Action(iso ? QStringLiteral("ISO1") : QStringLiteral("N50"))->setChecked(true);
  EncodingLabel->setText(QString::fromLatin1(qm::encoding::charsetName(w->Encoding.charset)) +
                         (w->Encoding.bom ? QStringLiteral(" BOM") : QString()));
  StandardLabel->setText(iso ? QStringLiteral("עברית ויזואלית") : QStringLiteral("עברית לוגית"));
  const qm::RichEdit* editor = w->InHebrewMode() ? w->RichEdit1 : w->Memo1;
  PositionLabel->setText(QStringLiteral("שורה %1, עמודה %2").arg(editor->caretLine() + 1).arg(editor->caretColumn() + 1));
  ModifiedLabel->setText(w->Memo1->modified() ? QStringLiteral("שונה") : QString());
}

void TForm1::ConvertToLogicalUtf8() {
  TWorkForm* w = AWForm();
  if (!w) return;
  const std::size_t references = w->ConvertTo(qm::encoding::Charset::Utf8, true);
  if (references > 0)
    qm::prompts().message(this, QStringLiteral("%1 תווים נכתבו כהפניות &#N;").arg(references));
  RefreshStatusBar();
}
