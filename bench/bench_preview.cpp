// From the preview command to the page rendered in the browser, for a 100 KB
// generated page: the first time (the browser engine starts) and again.
#include <QEventLoop>
#include <QTimer>
#include <QPushButton>
#include <QWebEngineView>

#include "support/WindowBench.h"

namespace {

qmbench::WindowEnv& env() {
  static qmbench::WindowEnv e;
  return e;
}

// Previews and waits for the page to be loaded; false on failure.
bool previewOnce(TWorkForm* w) {
  w->PreviewMode();
  auto* view = w->WebBrowser1->findChild<QWebEngineView*>();
  bool loaded = false;
  QEventLoop loop;
  QObject::connect(view, &QWebEngineView::loadFinished, &loop, [&](bool ok) {
    loaded = ok;
    loop.quit();
  });
  QTimer::singleShot(60000, &loop, &QEventLoop::quit);
  loop.exec();
  w->EditMode();
  return loaded;
}

TWorkForm* openPage() {
  qmbench::WindowEnv& e = env();
  if (TWorkForm* w = e.form->AWForm()) return w;
  e.form->SetCommandLineFile(e.pageFile(100 << 10));
  e.form->OpenCommandLineFile();
  return e.form->AWForm();
}

void BM_PreviewFirst(benchmark::State& state) {
  TWorkForm* w = openPage();
  for (auto _ : state)
    if (!previewOnce(w)) state.SkipWithError("the preview did not load");
}
BENCHMARK(BM_PreviewFirst)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PreviewAgain(benchmark::State& state) {
  TWorkForm* w = openPage();
  for (auto _ : state)
    if (!previewOnce(w)) state.SkipWithError("the preview did not load");
  env().closeAll();
}
BENCHMARK(BM_PreviewAgain)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  return qmbench::runWindowBenchmarks(argc, argv);
}
