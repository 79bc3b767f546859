// The table wizard at its largest: building the 99 x 99 grid of cell fields
// ("<< הבא") and writing its table into a page ("הוסף").
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include "hebrew/HebEdit.h"
#include "support/WindowBench.h"
#include "wizards/Table2_F.h"
#include "wizards/Table_F.h"

namespace {

TForm10* fullSizeWizard(qmbench::WindowEnv& env) {
  TForm10* first = env.form->Window<TForm10>();
  first->MaskEdit1->setText(QStringLiteral("99"));
  first->MaskEdit2->setText(QStringLiteral("99"));
  return first;
}

void BM_BuildGrid99x99(benchmark::State& state) {
  qmbench::WindowEnv env;
  TForm10* first = fullSizeWizard(env);
  for (auto _ : state) {
    first->Button2->click();
    QCoreApplication::processEvents();
    state.PauseTiming();
    if (first->Grid()->ColCount != 99) state.SkipWithError("grid not built");
    first->Grid()->Button2Click();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BuildGrid99x99)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EmitTable99x99(benchmark::State& state) {
  qmbench::WindowEnv env;
  TForm10* first = fullSizeWizard(env);
  TForm11* grid = first->Grid();
  for (auto _ : state) {
    state.PauseTiming();
    env.form->NewForm();
    first->Button2->click();
    for (int c = 1; c <= 99; ++c)
      for (int r = 1; r <= 99; ++r) grid->Cells[c][r]->setText(QStringLiteral("תא %1").arg(c * 100 + r));
    QCoreApplication::processEvents();
    state.ResumeTiming();
    grid->Button1->click();
    QCoreApplication::processEvents();
    state.PauseTiming();
    env.closeAll();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_EmitTable99x99)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return qmbench::runWindowBenchmarks(argc, argv); }
