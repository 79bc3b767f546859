#pragma once

#include <QGroupBox>

// The program's own group box for Hebrew user-interface text: the base control
// unchanged, except that it reads right to left and does not take its
// direction from its parent. Call unsetLayoutDirection() on an instance that
// should follow its parent after all.
class THebGroupBox : public QGroupBox {
  Q_OBJECT
 public:
  explicit THebGroupBox(QWidget* parent = nullptr);
  explicit THebGroupBox(const QString& text, QWidget* parent = nullptr);
};
