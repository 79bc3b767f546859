#pragma once

// Small helpers the page-structure wizards (body, META, frames, tables) share
// to make their named controls.
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <cstdint>

namespace qm::wizards {

// A control of the given kind, named after its component.
template <class W, class... Args>
W* named(QWidget* parent, const char* name, Args&&... args) {
  auto* w = new W(std::forward<Args>(args)..., parent);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

// A top-level tool window: no Qt parent (its component names stay out of the
// main window's lookups), never keeps the program running.
inline void makeToolWindow(QWidget* w, const char* objectName, const QString& caption) {
  w->setObjectName(QString::fromLatin1(objectName));
  w->setWindowTitle(caption);
  w->setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  w->setAttribute(Qt::WA_QuitOnClose, false);
}

// Places a window at the middle of the screen's width and, unless `top` is
// given, of its height.
inline void centre(QWidget* w, int top = -1) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size = w->frameGeometry().size();
  w->move(area.x() + (area.width() - size.width()) / 2,
          top >= 0 ? area.y() + top : area.y() + (area.height() - size.height()) / 2);
}

// Shows a window and brings it forward.
inline void present(QWidget* w) {
  w->show();
  w->raise();
  w->activateWindow();
}

// Paints a label's text in an 0x00RRGGBB colour.
inline void paintText(QLabel* label, std::uint32_t rgb) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, QColor::fromRgb(static_cast<QRgb>(rgb)));
  label->setPalette(p);
}

}  // namespace qm::wizards
