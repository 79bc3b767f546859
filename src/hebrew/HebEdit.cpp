#include "hebrew/HebEdit.h"

THebEdit::THebEdit(QWidget* parent) : QLineEdit(parent) { setLayoutDirection(Qt::RightToLeft); }

THebEdit::THebEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
  setLayoutDirection(Qt::RightToLeft);
}
