// The same generated Hebrew page in windows-1255 and in UTF-8: opening it to
// an editable window and one keystroke; and the conversion of a visual page
// to logical UTF-8.
#include <benchmark/benchmark.h>

#include <QFile>

#include "core/text/Encoding.h"
#include "support/WindowBench.h"

namespace {

using qm::encoding::Charset;

struct Env : qmbench::WindowEnv {
  // The generated page of about `bytes` in windows-1255, or the same page in UTF-8.
  QString page(std::size_t bytes, bool utf8) {
    if (!utf8) return pageFile(bytes);
    const QString path = dir.filePath(QStringLiteral("utf8-%1.htm").arg(bytes));
    if (!QFile::exists(path)) {
      const std::string text =
          qm::encoding::convertPage(qmbench::hebrewPage(bytes), Charset::Utf8).bytes;
      QFile f(path);
      f.open(QIODevice::WriteOnly);
      f.write(text.data(), static_cast<qint64>(text.size()));
    }
    return path;
  }
};

Env& env() {
  static Env e;
  return e;
}

// Arg: 0 windows-1255, 1 UTF-8.
void BM_OpenPageIn(benchmark::State& state) {
  Env& e = env();
  const QString path = e.page(10 << 20, state.range(0) == 1);
  for (auto _ : state) {
    e.form->OpenHtml(path);
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(e.form->AWForm());
    state.PauseTiming();
    e.closeAll();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenPageIn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_KeystrokeIn(benchmark::State& state) {
  Env& e = env();
  e.form->OpenHtml(e.page(10 << 20, state.range(0) == 1));
  TWorkForm* w = e.form->AWForm();
  w->SetFileName(w->Caption());
  w->Memo1->setFocus();
  w->Memo1->setSelStart(static_cast<std::int32_t>(w->LineBuf().lineStart(w->LineBuf().lineCount() / 2)));
  QCoreApplication::processEvents();
  int i = 0;
  for (auto _ : state) {
    if (++i % 2) qmbench::typeKey(w->Memo1, 0x05D0, QStringLiteral("א"));
    else qmbench::typeKey(w->Memo1, Qt::Key_Backspace, QStringLiteral("\b"));
    QCoreApplication::processEvents();
  }
  w->Memo1->setModified(false);
  e.closeAll();
}
BENCHMARK(BM_KeystrokeIn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A 10 MB visual ISO-8859-8 page to logical UTF-8 (what qmtool convert does between reading and writing).
void BM_ConvertVisualPage(benchmark::State& state) {
  const std::string visual = qm::encoding::rewriteDeclaration(qmbench::hebrewPage(10 << 20), Charset::Iso8859_8);
  for (auto _ : state) {
    const auto c = qm::encoding::convertPage(visual, Charset::Utf8);
    benchmark::DoNotOptimize(c.bytes.data());
    state.counters["runs"] = static_cast<double>(c.runs);
  }
}
BENCHMARK(BM_ConvertVisualPage)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return qmbench::runWindowBenchmarks(argc, argv); }
