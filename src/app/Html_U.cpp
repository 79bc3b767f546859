#include "app/Html_U.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "editor/Work_F.h"

#include "core/Version.h"
#include "core/markup/RtfColorTable.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(qm::SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), RtfColorTable(qm::InitialRtfColorTable), settings_(settings) {
  Form1 = this;
  setObjectName(QStringLiteral("Form1"));
  setLayoutDirection(Qt::RightToLeft);
  setWindowTitle(QString::fromUtf8(qm::VersionTitle) + QStringLiteral(" - עורך היפר טקסט עברי"));
  MdiArea = new QMdiArea(this);
  MdiArea->setObjectName(QStringLiteral("MdiArea"));
  setCentralWidget(MdiArea);
}

TForm1::~TForm1() {
  if (Form1 == this) Form1 = nullptr;
}

TWorkForm* TForm1::AWForm() const {
  QMdiSubWindow* sub = MdiArea->activeSubWindow();
  if (!sub) return nullptr;
  return qobject_cast<TWorkForm*>(sub->widget());
}

void TForm1::SwitchMItems(bool) {}

void TForm1::RefreshRecentMenu() {}
