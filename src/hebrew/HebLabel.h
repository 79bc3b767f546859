#pragma once

#include <QLabel>

// The program's own static text label for Hebrew user-interface text: the base control
// unchanged, except that it reads right to left and does not take its
// direction from its parent. Call unsetLayoutDirection() on an instance that
// should follow its parent after all.
class THebLabel : public QLabel {
  Q_OBJECT
 public:
  explicit THebLabel(QWidget* parent = nullptr);
  explicit THebLabel(const QString& text, QWidget* parent = nullptr);
};
