// Document windows on generated Hebrew pages: one keystroke through the
// change pipeline, opening a page to an editable window, and the memory a
// page with a full undo ring costs.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <unistd.h>

#include "support/WindowBench.h"
#include "app/Html_U.h"
#include "corpus/Corpus.h"
#include "editor/Work_F.h"
#include "platform/Application.h"
#include "platform/SettingsStore.h"

namespace {

struct Env : qmbench::WindowEnv {
  QString page(std::size_t bytes) { return pageFile(bytes); }
};

Env& env() {
  static Env e;
  return e;
}

double residentMb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

using qmbench::typeKey;

// Registered first, so that the idle figure is not inflated by pages
// other benchmarks opened. Resident memory of a 1 MB page whose undo ring holds 20 snapshots, above
// the idle program (main window, no document).
void BM_MemoryWithFullUndoRing(benchmark::State& state) {
  Env& e = env();
  e.closeAll();
  const double idle = residentMb();
  double above = 0;
  for (auto _ : state) {
    e.form->OpenHtml(e.page(1 << 20));
    TWorkForm* w = e.form->AWForm();
    w->Memo1->setFocus();
    w->Memo1->setSelStart(1000);
    for (int k = 0; k < 25; ++k) {
      typeKey(w->Memo1, Qt::Key_B, QStringLiteral("b"));
      QCoreApplication::processEvents();
    }
    state.counters["undo_snapshots"] = w->UndoCount();
    above = residentMb() - idle;
    w->Memo1->setModified(false);
    e.closeAll();
  }
  state.counters["rss_mb_above_idle"] = above;
}
BENCHMARK(BM_MemoryWithFullUndoRing)->Iterations(1)->Unit(benchmark::kMillisecond);

// One typed character on a 1 MB and a 10 MB page: the edit, the mirror, the undo
// snapshot and the repaint that follows. Second argument 0: the lines painted by the
// toolkit's own layout instead of as they read (the cost of laying them out); 1: as
// they read, with line numbers; 2: as they read, without line numbers.
void BM_KeystrokeOnPage(benchmark::State& state) {
  Env& e = env();
  e.form->OpenHtml(e.page(static_cast<std::size_t>(state.range(0))));
  TWorkForm* w = e.form->AWForm();
  if (state.range(1) == 0) w->Memo1->setLineOrder({});
  if (state.range(1) == 2) w->Memo1->setLineNumbers(false);
  w->SetFileName(w->Caption());
  w->Memo1->setFocus();
  w->Memo1->setSelStart(w->DocLength() / 2);
  QCoreApplication::processEvents();
  int i = 0;
  for (auto _ : state) {
    if (++i % 2) typeKey(w->Memo1, Qt::Key_A, QStringLiteral("a"));
    else typeKey(w->Memo1, Qt::Key_Backspace, QStringLiteral("\b"));
    QCoreApplication::processEvents();
  }
  state.counters["undo_snapshots"] = w->UndoCount();
  w->Memo1->setModified(false);
  e.closeAll();
}
BENCHMARK(BM_KeystrokeOnPage)->ArgsProduct({{1 << 20, 10 << 20}, {0, 1, 2}})->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Opening a page until its window is editable (shown and laid out); second argument
// as for the keystroke.
void BM_OpenPage(benchmark::State& state) {
  Env& e = env();
  const QString path = e.page(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    e.form->OpenHtml(path);
    if (state.range(1) == 0) e.form->AWForm()->Memo1->setLineOrder({});
    if (state.range(1) == 2) e.form->AWForm()->Memo1->setLineNumbers(false);
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(e.form->AWForm());
    state.PauseTiming();
    e.closeAll();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenPage)->ArgsProduct({{1 << 20, 10 << 20}, {0, 1, 2}})->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);


}  // namespace

int main(int argc, char** argv) { return qmbench::runWindowBenchmarks(argc, argv); }
