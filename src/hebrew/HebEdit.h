#pragma once

#include <QLineEdit>

// The program's own single-line edit for Hebrew user-interface text: the base control
// unchanged, except that it reads right to left and does not take its
// direction from its parent. Call unsetLayoutDirection() on an instance that
// should follow its parent after all.
class THebEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit THebEdit(QWidget* parent = nullptr);
  explicit THebEdit(const QString& text, QWidget* parent = nullptr);
};
