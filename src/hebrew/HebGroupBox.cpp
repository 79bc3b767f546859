#include "hebrew/HebGroupBox.h"

THebGroupBox::THebGroupBox(QWidget* parent) : QGroupBox(parent) { setLayoutDirection(Qt::RightToLeft); }

THebGroupBox::THebGroupBox(const QString& text, QWidget* parent) : QGroupBox(text, parent) {
  setLayoutDirection(Qt::RightToLeft);
}
