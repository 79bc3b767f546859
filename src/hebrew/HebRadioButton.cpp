#include "hebrew/HebRadioButton.h"

THebRadioButton::THebRadioButton(QWidget* parent) : QRadioButton(parent) { setLayoutDirection(Qt::RightToLeft); }

THebRadioButton::THebRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
  setLayoutDirection(Qt::RightToLeft);
}
