// Start-up: the main window built on a fresh settings store, shown, and the
// event loop run until the window is exposed (offscreen platform).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWindow>

#include "app/About_F.h"
#include "app/Html_U.h"
#include "platform/Fonts.h"
#include "platform/SettingsStore.h"

namespace {

void showUntilExposed(QWidget& w) {
  w.show();
  QWindow* handle = w.windowHandle();
  while (!handle || !handle->isExposed()) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    handle = w.windowHandle();
  }
}

void BM_MainWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir;
    qm::SettingsStore settings(dir.filePath(QStringLiteral("settings.ini")));
    TForm1 form(settings);
    showUntilExposed(form);
    benchmark::DoNotOptimize(form.Action(QStringLiteral("N6")));
    state.PauseTiming();
    form.hide();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

// As the program starts: the main window and the splash over it.
void BM_MainWindowAndSplashShown(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir;
    qm::SettingsStore settings(dir.filePath(QStringLiteral("settings.ini")));
    TForm1 form(settings);
    showUntilExposed(form);
    TAbout_Form splash(form);
    showUntilExposed(splash);
    state.PauseTiming();
    splash.hide();
    form.hide();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MainWindowAndSplashShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  qm::installFontFallbacks();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
