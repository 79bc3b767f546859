#pragma once

// What the window benchmarks share: a main window on fresh settings in a
// temporary folder, generated pages on disk, closing every document, typing,
// and a main that runs the benchmarks inside the application object.
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "app/Html_U.h"
#include "corpus/Corpus.h"
#include "editor/Work_F.h"
#include "platform/Application.h"
#include "platform/RichEdit.h"
#include "platform/SettingsStore.h"

namespace qmbench {

struct WindowEnv {
  QTemporaryDir dir;
  std::unique_ptr<qm::SettingsStore> settings;
  std::unique_ptr<TForm1> form;

  WindowEnv() {
    settings = std::make_unique<qm::SettingsStore>(dir.filePath("settings.ini"));
    form = std::make_unique<TForm1>(*settings);
    form->resize(1000, 700);
    form->show();
    QCoreApplication::processEvents();
  }

  // A generated page of about that size, written once into the folder.
  QString pageFile(std::size_t bytes) {
    const QString path = dir.filePath(QStringLiteral("page%1.htm").arg(bytes));
    if (!QFile::exists(path)) {
      const std::string text = hebrewPage(bytes);
      QFile f(path);
      f.open(QIODevice::WriteOnly);
      f.write(text.data(), static_cast<qint64>(text.size()));
    }
    return path;
  }

  // Closes every document window without a save question.
  void closeAll() {
    for (QMdiSubWindow* s : form->mdiArea()->subWindowList()) {
      if (auto* w = qobject_cast<TWorkForm*>(s->widget())) w->Memo1->setModified(false);
      delete s;
    }
    QCoreApplication::processEvents();
  }
};

inline void typeKey(QWidget* w, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(w, &release);
}

inline int runWindowBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qm::Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace qmbench
