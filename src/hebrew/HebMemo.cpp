#include "hebrew/HebMemo.h"

THebMemo::THebMemo(QWidget* parent) : QPlainTextEdit(parent) { setLayoutDirection(Qt::RightToLeft); }

THebMemo::THebMemo(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent) {
  setLayoutDirection(Qt::RightToLeft);
}
