// The element wizards on a generated 1 MB Hebrew page: the status-bar
// scroller (three searches, 46 lines, the BODY onload edit: one undo step,
// coloured once) and a 200-option selection list, each put in through its
// window's button; the page is set back outside the timing.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QComboBox>
#include <QPushButton>

#include "support/WindowBench.h"
#include "wizards/Forms_F.h"
#include "wizards/Java_F.h"

namespace {

template <class Use>
void insertIntoPage(benchmark::State& state, Use use) {
  qmbench::WindowEnv env;
  env.form->NewForm();
  TWorkForm* w = env.form->AWForm();
  const std::string page = qmbench::hebrewPage(static_cast<std::size_t>(state.range(0)));
  w->Memo1->setText(page);
  for (auto _ : state) {
    use(*env.form);
    QCoreApplication::processEvents();
    state.PauseTiming();
    w->Memo1->setText(page);
    w->Memo1->select(0, 0);
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  env.closeAll();
}

void BM_ScrollerIntoPage(benchmark::State& state) {
  insertIntoPage(state, [](TForm1& form) {
    TForm12* js = form.Window<TForm12>();
    js->HebEdit2->setText(QStringLiteral("שלום"));
    js->Button4->click();
  });
}
BENCHMARK(BM_ScrollerIntoPage)->Arg(1 << 20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_SelectListIntoPage(benchmark::State& state) {
  insertIntoPage(state, [](TForm1& form) {
    TForm15* forms = form.Window<TForm15>();
    if (forms->ComboBox1->count() == 0)
      for (int i = 0; i < 200; ++i) {
        forms->Edit5->setText(QString::number(i));
        forms->Button11->click();
      }
    forms->Button5->click();
  });
}
BENCHMARK(BM_SelectListIntoPage)->Arg(1 << 20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace

int main(int argc, char** argv) { return qmbench::runWindowBenchmarks(argc, argv); }
