// The Hebrew text entry window on a generated Hebrew page: bringing a whole
// page back to reading order, building the markup for it, and loading the
// whole page into the window.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <memory>

#include "app/Html_U.h"
#include "core/hebrew/HebrewText.h"
#include "core/text/Lines.h"
#include "corpus/Corpus.h"
#include "editor/Work_F.h"
#include "support/WindowBench.h"
#include "hebrew/Heb_U.h"
#include "platform/Application.h"
#include "platform/SettingsStore.h"

namespace {

void BM_ReadingOrderLines(benchmark::State& state) {
  const std::string page = qmbench::hebrewPage(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    auto lines = qm::hebrew::readingOrderLines(page, qm::HebrewStandard::IsoVisual);
    benchmark::DoNotOptimize(lines.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(page.size()));
}
BENCHMARK(BM_ReadingOrderLines)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_EntryMarkup(benchmark::State& state) {
  const auto typed = qm::lines::split(qmbench::hebrewPage(static_cast<std::size_t>(state.range(0))));
  qm::hebrew::EntryLayout layout;
  layout.table = state.range(1) != 0;
  for (auto _ : state) {
    auto markup = qm::hebrew::entryMarkup(typed, layout, qm::HebrewStandard::IsoVisual);
    benchmark::DoNotOptimize(markup.data());
  }
}
BENCHMARK(BM_EntryMarkup)->Args({1 << 20, 0})->Args({1 << 20, 1})->Unit(benchmark::kMillisecond);

// N13 ticked, nothing selected: the whole page goes into Memo2 and, in
// reading order, into Memo1.
void BM_LoadWholePageIntoWindow(benchmark::State& state) {
  QTemporaryDir dir;
  qm::SettingsStore settings(dir.filePath(QStringLiteral("settings.ini")));
  settings.writeBool(QStringLiteral("SelectAllHebWiz"), true);
  auto form = std::make_unique<TForm1>(settings);
  form->show();
  form->NewForm();
  TWorkForm* w = form->AWForm();
  w->Memo1->setText(qmbench::hebrewPage(static_cast<std::size_t>(state.range(0))));
  TForm2* hw = form->Window<TForm2>();
  for (auto _ : state) {
    w->Memo1->setSelStart(0);
    hw->LoadFromDocument(w);
    QCoreApplication::processEvents();
  }
  hw->hide();
  w->Memo1->setModified(false);
}
BENCHMARK(BM_LoadWholePageIntoWindow)->Arg(1 << 20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

int main(int argc, char** argv) { return qmbench::runWindowBenchmarks(argc, argv); }
