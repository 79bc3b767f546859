#pragma once

// A main window on temporary settings, scripted prompts and a temporary
// folder for the files a test opens and saves.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>
#include <string>

#include "app/Html_U.h"
#include "editor/Work_F.h"
#include "support/ScriptedPrompts.h"
#include "support/TempSettings.h"

namespace qmtest {

// Runs the event loop until `done` holds (or `ms` passed).
template <class Done>
bool waitFor(Done done, int ms = 60000) {
  const QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  return done();
}
inline QWebEngineView* viewOf(TWorkForm* w) { return w->WebBrowser1->findChild<QWebEngineView*>(); }
// Previews the page and waits until the browser has it.
inline bool previewed(TWorkForm* w) {
  w->Button3->click();
  QWebEngineView* v = viewOf(w);
  if (!v) return false;
  int result = -1;
  const auto c = QObject::connect(v, &QWebEngineView::loadFinished, [&](bool ok) { result = ok; });
  waitFor([&] { return result >= 0; });
  QObject::disconnect(c);
  return result == 1;
}
inline QString evaluate(QWebEngineView* v, const QString& script) {
  QString result = QStringLiteral("<no answer>");
  bool done = false;
  v->page()->runJavaScript(script, [&](const QVariant& r) {
    result = r.toString();
    done = true;
  });
  waitFor([&] { return done; });
  return result;
}

class DocFixture : public ::testing::Test {
 protected:
  DocFixture() {
    form = std::make_unique<TForm1>(settings.store());
    form->show();
  }
  ~DocFixture() override {
    form.reset();
    QDir::setCurrent(savedCwd);
  }

  QString path(const QString& name) const { return dir.filePath(name); }
  void writeFile(const QString& name, const std::string& bytes) const {
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::string readFile(const QString& name) const {
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll().toStdString();
  }
  // Chooses the Hebrew standard of new and converted text: visual (ISO1) or logical (N50).
  void setIso(bool iso) { form->Action(iso ? QStringLiteral("ISO1") : QStringLiteral("N50"))->setChecked(true); }
  TWorkForm* newDoc() {
    form->NewForm();
    return form->AWForm();
  }
  // A new document holding exactly `text`, with the given selection.
  TWorkForm* docWith(const std::string& text, int selStart = 0, int selLength = 0) {
    TWorkForm* w = newDoc();
    w->Memo1->setText(text);
    w->Memo1->select(selStart, selLength);
    return w;
  }
  // Writes `bytes` to a file and opens it as the user does (File / Open).
  TWorkForm* openPage(const QString& name, const std::string& bytes) {
    writeFile(name, bytes);
    prompts.files.push_back(path(name));
    form->OpenHtml(QString());
    return form->AWForm();
  }
  // Clicks a palette button or triggers a menu/tool-bar item, which must be enabled.
  void press(const char* name) {
    if (QAbstractButton* b = form->PaletteButton(QString::fromLatin1(name))) {
      ASSERT_TRUE(b->isEnabled()) << name;
      b->click();
      return;
    }
    QAction* a = form->Action(QString::fromLatin1(name));
    ASSERT_NE(a, nullptr) << name;
    ASSERT_TRUE(a->isEnabled()) << name;
    a->trigger();
  }
  // Types text into an editor key by key, as a user does.
  static void type(QWidget* editor, const QString& text) {
    for (const QChar ch : text)
      key(editor, ch == QChar('\r') ? static_cast<int>(Qt::Key_Return) : static_cast<int>(ch.unicode()),
          Qt::NoModifier, QString(ch));
  }
  static void key(QWidget* editor, int k, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, k, mods, text);
    QApplication::sendEvent(editor, &press);
    QKeyEvent release(QEvent::KeyRelease, k, mods, text);
    QApplication::sendEvent(editor, &release);
  }
  // Hebrew edit mode ended, `added` undo steps after `steps`, and one undo brings `before` back.
  static void expectUndoneTo(TWorkForm* w, int steps, int added, const std::string& before) {
    EXPECT_FALSE(w->InHebrewMode());
    EXPECT_EQ(w->UndoCount(), steps + added);
    w->RestoreUndoBuf();
    EXPECT_EQ(w->DocText(), before);
  }
  // Closes a document window as its close box does; true when it closed.
  static bool closeDoc(TWorkForm* w) { return w->SubWindow()->close(); }
  int documents() const { return form->DocumentCount(); }

  TempSettings settings;
  ScriptedPrompts& prompts = ScriptedPrompts::install();
  QTemporaryDir dir;
  QString savedCwd = QDir::currentPath();
  std::unique_ptr<TForm1> form;
};

}  // namespace qmtest
