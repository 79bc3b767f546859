// Colouring of a document window on generated Hebrew pages: the full
// colouring of a page that has none yet, after a change of the settings'
// colours, after typing; and one typed character with its key rule.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

#include "support/WindowBench.h"
#include "app/Html_U.h"
#include "corpus/Corpus.h"
#include "editor/Colouring.h"
#include "editor/Work_F.h"
#include "platform/Application.h"
#include "platform/SettingsStore.h"

namespace {

struct Env : qmbench::WindowEnv {
  QString page(std::size_t bytes) { return pageFile(bytes); }
  // Opens a page; with colouring off it comes up uncoloured.
  TWorkForm* open(std::size_t bytes, bool colouring) {
    coding(colouring);
    form->OpenHtml(page(bytes));
    TWorkForm* w = form->AWForm();
    w->SetFileName(w->Caption());
    w->Memo1->setFocus();
    QCoreApplication::processEvents();
    return w;
  }
  void coding(bool on) { form->Action(QStringLiteral("N38"))->setChecked(on); }
};

Env& env() {
  static Env e;
  return e;
}

using qmbench::typeKey;

// Every block carries formats, the last one too: the colouring is complete.
void checkComplete(benchmark::State& state, TWorkForm* w) {
  const QTextDocument* doc = w->Memo1->document();
  QTextBlock last = doc->lastBlock();
  while (last.isValid() && last.length() <= 1) last = last.previous();
  const bool complete = last.isValid() && !last.layout()->formats().isEmpty();
  state.counters["complete"] = complete ? 1 : 0;
  state.counters["blocks"] = doc->blockCount();
  if (!complete) state.SkipWithError("the last block has no formats");
}

// The first full colouring of a page (colour coding switched on with the
// page open): every block formatted, and the view repainted.
void BM_DoHighLightFirst(benchmark::State& state) {
  Env& e = env();
  TWorkForm* w = e.open(static_cast<std::size_t>(state.range(0)), false);
  e.coding(true);
  for (auto _ : state) {
    w->DoHighLight();
    QCoreApplication::processEvents();
    state.PauseTiming();
    checkComplete(state, w);
    w->ColourCodingSwitched(false);
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  e.closeAll();
}
BENCHMARK(BM_DoHighLightFirst)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// A full colouring after the settings' colours changed: every block again.
void BM_DoHighLightNewColours(benchmark::State& state) {
  Env& e = env();
  TWorkForm* w = e.open(static_cast<std::size_t>(state.range(0)), true);
  int i = 0;
  for (auto _ : state) {
    qm::EditorSettings s = e.form->Editor();
    s.TagColor = ++i % 2 ? 0x0000C0 : 0xFF0000;
    e.form->SetEditorSettings(s);  // every open page recolours
    QCoreApplication::processEvents();
  }
  checkComplete(state, w);
  e.closeAll();
}
BENCHMARK(BM_DoHighLightNewColours)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The full colouring the change pipeline starts after some typing: the
// colours the key rules set are dropped.
void BM_DoHighLightAfterTyping(benchmark::State& state) {
  Env& e = env();
  TWorkForm* w = e.open(static_cast<std::size_t>(state.range(0)), true);
  w->Memo1->setSelStart(w->DocLength() / 2);
  for (auto _ : state) {
    state.PauseTiming();
    for (const char* k : {"<", "b", ">", "x", "<", "/", "b", ">"}) typeKey(w->Memo1, Qt::Key_A, QString::fromLatin1(k));
    QCoreApplication::processEvents();
    state.ResumeTiming();
    w->DoHighLight();
    QCoreApplication::processEvents();
  }
  checkComplete(state, w);
  e.closeAll();
}
BENCHMARK(BM_DoHighLightAfterTyping)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// One typed character with its key rule on a coloured page: "<" (forward
// colouring through the next ">"), then Backspace after it (forward colouring
// in the text colour), each with the edit, the mirror, the undo snapshot, the
// recolouring of the lines it reaches and the repaint.
void BM_TypedCharWithRule(benchmark::State& state) {
  Env& e = env();
  TWorkForm* w = e.open(static_cast<std::size_t>(state.range(0)), true);
  // In the text of a line in the middle of the page.
  const auto& lines = w->LineBuf();
  std::size_t line = lines.lineCount() / 2;
  while (line < lines.lineCount() && lines.line(line).find('<') != std::string_view::npos) ++line;
  w->Memo1->setSelStart(static_cast<std::int32_t>(lines.lineStart(line)));
  typeKey(w->Memo1, Qt::Key_A, QStringLiteral("a"));
  QCoreApplication::processEvents();
  int i = 0;
  for (auto _ : state) {
    if (++i % 2)
      typeKey(w->Memo1, Qt::Key_Less, QStringLiteral("<"));
    else
      typeKey(w->Memo1, Qt::Key_Backspace, QStringLiteral("\b"));
    QCoreApplication::processEvents();
  }
  state.counters["undo_snapshots"] = w->UndoCount();
  e.closeAll();
}
BENCHMARK(BM_TypedCharWithRule)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) { return qmbench::runWindowBenchmarks(argc, argv); }
