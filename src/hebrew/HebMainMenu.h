#pragma once

#include <QMenuBar>

// The program's own main menu bar for Hebrew user-interface text: the base control
// unchanged, except that it reads right to left and does not take its
// direction from its parent. Call unsetLayoutDirection() on an instance that
// should follow its parent after all.
class THebMainMenu : public QMenuBar {
  Q_OBJECT
 public:
  explicit THebMainMenu(QWidget* parent = nullptr);
};
