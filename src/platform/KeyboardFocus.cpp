// The keyboard language that follows the focus of a field. Apart from
// KeyboardLayout.cpp, whose X11 headers define FocusIn and FocusOut as macros.
#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

#include "platform/KeyboardLayout.h"

namespace qm {

namespace {

void setLanguage(Language language) {
  if (language == Language::Hebrew) SetHebrew();
  if (language == Language::English) SetEnglish();
}

class FocusLanguage : public QObject {
 public:
  FocusLanguage(QObject* parent, Language onEnter, Language onLeave)
      : QObject(parent), onEnter_(onEnter), onLeave_(onLeave) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    setLanguage(event->type() == QEvent::FocusIn ? onEnter_ : onLeave_);
    return false;
  }

 private:
  Language onEnter_;
  Language onLeave_;
};

}  // namespace

void switchLanguageOnFocus(QWidget* field, Language onEnter, Language onLeave) {
  field->installEventFilter(new FocusLanguage(field, onEnter, onLeave));
}

}  // namespace qm
