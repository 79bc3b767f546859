#include "hebrew/HebLabel.h"

THebLabel::THebLabel(QWidget* parent) : QLabel(parent) { setLayoutDirection(Qt::RightToLeft); }

THebLabel::THebLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setLayoutDirection(Qt::RightToLeft);
}
