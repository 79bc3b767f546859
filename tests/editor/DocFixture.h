#pragma once

// A main window on temporary settings, scripted prompts and a temporary
// folder for the files a test opens and saves.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/Html_U.h"
#include "editor/Work_F.h"
#include "support/ScriptedPrompts.h"
#include "support/TempSettings.h"

namespace qmtest {

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
    for (const QChar ch : text) {
      const int key = ch == QChar('\r') ? static_cast<int>(Qt::Key_Return) : static_cast<int>(ch.unicode());
      const QString t = ch == QChar('\r') ? QStringLiteral("\r") : QString(ch);
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, t);
      QApplication::sendEvent(editor, &press);
      QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, t);
      QApplication::sendEvent(editor, &release);
    }
  }
  static void key(QWidget* editor, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, k, mods);
    QApplication::sendEvent(editor, &press);
    QKeyEvent release(QEvent::KeyRelease, k, mods);
    QApplication::sendEvent(editor, &release);
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
