// The find window on generated Hebrew pages: replace all of 10,000
// occurrences in a 1 MB page (the whole command: one pass, one change of the
// page, one undo snapshot, one colouring) and find next through a 10 MB page.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "app/Search_f.h"
#include "core/text/FindReplace.h"
#include "core/text/Lines.h"
#include "corpus/Corpus.h"
#include "platform/Prompts.h"
#include "support/WindowBench.h"

namespace {

// Messages are counted and remembered, not shown.
class SilentPrompts : public qm::QtPrompts {
 public:
  void message(QWidget*, const QString& text) override { last = text; }
  QString last;
};

SilentPrompts* silent = nullptr;

struct Env : qmbench::WindowEnv {
  Env() {
    auto p = std::make_unique<SilentPrompts>();
    silent = p.get();
    qm::setPrompts(std::move(p));
  }
  TWorkForm* page(const std::string& text) {
    closeAll();
    form->NewForm();
    TWorkForm* w = form->AWForm();
    w->Memo1->setText(text);
    w->SaveToUndoBuf();
    QCoreApplication::processEvents();
    return w;
  }
};

Env& env() {
  static Env e;
  return e;
}

// The generated page with `marker` put in front of `count` lines spread evenly over it.
std::string pageWithMarkers(std::size_t bytes, const std::string& marker, std::size_t count) {
  std::vector<std::string> lines = qm::lines::split(qmbench::hebrewPage(bytes));
  for (std::size_t k = 0; k < count; ++k) lines[k * lines.size() / count].insert(0, marker);
  return qm::lines::joinTerminated(lines);
}

const std::string kMarker = "QMARK";

// "החלף" with 10,000 occurrences of "QMARK" in a 1 MB page, replaced by "<B>x</B>".
void BM_ReplaceAll10kIn1MB(benchmark::State& state) {
  Env& e = env();
  const std::string text = pageWithMarkers(1 << 20, kMarker, 10000);
  TWorkForm* w = e.page(text);
  e.form->runCommand(QStringLiteral("N35"));
  auto* win = e.form->findChild<TForm9*>(QStringLiteral("Form9"));
  win->Edit1->setText(QString::fromStdString(kMarker));
  win->Edit2->setText(QStringLiteral("<B>x</B>"));
  int steps = 0;
  for (auto _ : state) {
    state.PauseTiming();
    w->Memo1->setText(text);
    w->SaveToUndoBuf();
    steps = w->UndoCount();
    e.form->runCommand(QStringLiteral("N35"));
    QCoreApplication::processEvents();
    state.ResumeTiming();
    win->Button1->click();
    QCoreApplication::processEvents();
  }
  state.counters["replaced"] = silent->last.section(QLatin1Char(' '), 0, 0).toDouble();
  state.counters["undo_steps_added"] = w->UndoCount() - steps;
  state.counters["page_mb"] = static_cast<double>(text.size()) / (1 << 20);
  e.closeAll();
}
BENCHMARK(BM_ReplaceAll10kIn1MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// "החלף" of "font" (typed in lower case, case-blind) with 50,000 lower-case
// occurrences in a 4 MB page, replaced by "span": the whole command.
void BM_ReplaceAll50kLowerCaseIn4MB(benchmark::State& state) {
  Env& e = env();
  const std::string text = pageWithMarkers(4 << 20, "font", 50000);
  TWorkForm* w = e.page(text);
  e.form->runCommand(QStringLiteral("N35"));
  auto* win = e.form->findChild<TForm9*>(QStringLiteral("Form9"));
  win->Edit1->setText(QStringLiteral("font"));
  win->Edit2->setText(QStringLiteral("span"));
  for (auto _ : state) {
    state.PauseTiming();
    w->Memo1->setText(text);
    w->SaveToUndoBuf();
    e.form->runCommand(QStringLiteral("N35"));
    QCoreApplication::processEvents();
    state.ResumeTiming();
    win->Button1->click();
    QCoreApplication::processEvents();
  }
  state.counters["replaced"] = silent->last.section(QLatin1Char(' '), 0, 0).toDouble();
  e.closeAll();
}
BENCHMARK(BM_ReplaceAll50kLowerCaseIn4MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The pure pass alone (core/text/FindReplace), for comparison.
void BM_ReplaceAllPass10kIn1MB(benchmark::State& state) {
  const std::string text = pageWithMarkers(1 << 20, kMarker, 10000);
  const qm::find::Pattern p = qm::find::makePattern(kMarker, false, qm::HebrewStandard::IsoVisual);
  for (auto _ : state) benchmark::DoNotOptimize(qm::find::replaceAll(text, p, "<B>x</B>"));
}
BENCHMARK(BM_ReplaceAllPass10kIn1MB)->Unit(benchmark::kMillisecond);

// One click of "חפש" / "חפש שוב" on a 10 MB page. Arg 0: "QMARK", 20 occurrences
// spread over the page (each find moves about 500 KB on; after the last the
// not-found message and the start again). Arg 1: a Hebrew word that is not in
// the page, so each click scans the whole page for both its forms.
void BM_FindNextIn10MB(benchmark::State& state) {
  Env& e = env();
  TWorkForm* w = e.page(pageWithMarkers(10 << 20, kMarker, 20));
  e.form->runCommand(QStringLiteral("N19"));
  auto* win = e.form->findChild<TForm9*>(QStringLiteral("Form9"));
  win->Edit1->setText(state.range(0) == 0 ? QString::fromStdString(kMarker) : QStringLiteral("זזזזז"));
  QCoreApplication::processEvents();
  for (auto _ : state) {
    win->Button1->click();
    QCoreApplication::processEvents();
  }
  benchmark::DoNotOptimize(w->Memo1->selStart());
  e.closeAll();
}
BENCHMARK(BM_FindNextIn10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return qmbench::runWindowBenchmarks(argc, argv); }
