#pragma once

#include <QPlainTextEdit>

// The program's own multi-line plain-text edit for Hebrew user-interface text: the base control
// unchanged, except that it reads right to left and does not take its
// direction from its parent. Call unsetLayoutDirection() on an instance that
// should follow its parent after all.
class THebMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit THebMemo(QWidget* parent = nullptr);
  explicit THebMemo(const QString& text, QWidget* parent = nullptr);
};
