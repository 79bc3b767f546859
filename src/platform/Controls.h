#pragma once

// Naming controls after their components, and bringing a window forward: the
// few steps every window takes when it builds and shows itself.
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QString>
#include <QWidget>
#include <utility>

namespace qm {

// Gives a widget or action its component name (none when `name` is null) and
// returns it.
template <class W>
W* named(W* w, const char* name) {
  if (name) w->setObjectName(QString::fromLatin1(name));
  return w;
}

// A new control W(args..., parent) with its component name.
template <class W, class... Args>
W* makeNamed(QWidget* parent, const char* name, Args&&... args) {
  return named(new W(std::forward<Args>(args)..., parent), name);
}

inline QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
  return named(new QPushButton(caption, parent), name);
}

// Escape anywhere in the window does what its cancel button does (clicks it),
// or closes the window when it has none or the button is not showing, as a
// dialog's Escape does.
inline void cancelOnEscape(QWidget* window, QAbstractButton* cancel = nullptr) {
  auto* key = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  key->setContext(Qt::WindowShortcut);
  QObject::connect(key, &QShortcut::activated, window, [window, cancel] {
    if (cancel && cancel->isVisible() && cancel->isEnabled())
      cancel->click();
    else
      window->close();
  });
}

// Shows a window and brings it forward.
inline void present(QWidget* w) {
  w->show();
  w->raise();
  w->activateWindow();
}

}  // namespace qm
