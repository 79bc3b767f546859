// Insertion into a generated 1 MB Hebrew page through the main window: a
// wrap of a selection, a typed character in the quick-edit line (which
// rewrites the caret's line of the page), and the whole-page conversions of
// the Tools menu, each with its undo snapshot and the repaint that follows.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <memory>

#include "support/WindowBench.h"
#include "app/Html_U.h"
#include "corpus/Corpus.h"
#include "editor/Work_F.h"
#include "hebrew/HebEdit.h"
#include "platform/Application.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"

namespace {

// Answers every question with OK, so the Tools menu runs without a dialog.
class OkPrompts : public qm::QtPrompts {
 public:
  qm::Answer okCancel(QWidget*, const QString&) override { return qm::Answer::Ok; }
};

struct Env : qmbench::WindowEnv {
  Env() { qm::setPrompts(std::make_unique<OkPrompts>()); }
  TWorkForm* page(std::size_t bytes) {
    form->NewForm();
    TWorkForm* w = form->AWForm();
    w->Memo1->setText(qmbench::hebrewPage(bytes));
    QCoreApplication::processEvents();
    return w;
  }
};

Env& env() {
  static Env e;
  return e;
}

// Bold around a 1 KB selection in the middle of the page, then undone.
void BM_WrapSelectionAndUndo(benchmark::State& state) {
  Env& e = env();
  TWorkForm* w = e.page(1 << 20);
  QAbstractButton* bold = e.form->PaletteButton(QStringLiteral("SpeedButton9"));
  const std::int32_t middle = w->DocLength() / 2;
  for (auto _ : state) {
    w->Memo1->select(middle, 1024);
    bold->click();
    QCoreApplication::processEvents();
    w->RestoreUndoBuf();
    QCoreApplication::processEvents();
  }
  e.closeAll();
}
BENCHMARK(BM_WrapSelectionAndUndo)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

// One character typed in the quick-edit field rewrites the caret's line.
void BM_QuickEditKeystroke(benchmark::State& state) {
  Env& e = env();
  TWorkForm* w = e.page(1 << 20);
  w->Memo1->setSelStart(w->DocLength() / 2);
  QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
  QCoreApplication::sendEvent(e.form->Edit1, &in);
  int i = 0;
  for (auto _ : state) {
    const bool add = ++i % 2;
    QKeyEvent press(QEvent::KeyPress, add ? Qt::Key_A : Qt::Key_Backspace, Qt::NoModifier,
                    add ? QStringLiteral("a") : QStringLiteral("\b"));
    QCoreApplication::sendEvent(e.form->Edit1, &press);
    QCoreApplication::processEvents();
  }
  QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
  QCoreApplication::sendEvent(e.form->Edit1, &out);
  e.closeAll();
}
BENCHMARK(BM_QuickEditKeystroke)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

// A whole-page conversion of the Tools menu on a fresh 1 MB page.
void BM_ToolsMenuOnPage(benchmark::State& state) {
  Env& e = env();
  const QString item = state.range(0) == 0 ? QStringLiteral("N34") : QStringLiteral("NCIE1");
  for (auto _ : state) {
    state.PauseTiming();
    e.page(1 << 20);
    state.ResumeTiming();
    e.form->Action(item)->trigger();
    QCoreApplication::processEvents();
    state.PauseTiming();
    e.closeAll();
    state.ResumeTiming();
  }
  state.SetLabel(item.toStdString());
}
BENCHMARK(BM_ToolsMenuOnPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return qmbench::runWindowBenchmarks(argc, argv); }
