#pragma once

#include <QRadioButton>

// The program's own radio button for Hebrew user-interface text: the base control
// unchanged, except that it reads right to left and does not take its
// direction from its parent. Call unsetLayoutDirection() on an instance that
// should follow its parent after all.
class THebRadioButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit THebRadioButton(QWidget* parent = nullptr);
  explicit THebRadioButton(const QString& text, QWidget* parent = nullptr);
};
