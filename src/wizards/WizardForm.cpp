#include "wizards/WizardForm.h"

#include <QEvent>
#include <QEventLoop>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLayout>
#include <QScreen>

#include "host/InsertTarget.h"
#include "platform/KeyboardLayout.h"

TWizardForm::TWizardForm(qm::InsertTarget& host, const char* objectName, const QString& caption)
    : QWidget(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      host_(host) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(caption);
  setLayoutDirection(Qt::RightToLeft);
  setAttribute(Qt::WA_QuitOnClose, false);
}

void TWizardForm::FitAndCentre() {
  // The window follows its contents (the link wizard's effects panel and
  // content fields come and go).
  if (layout()) layout()->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  const QRect screen =
      QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect(0, 0, 1024, 768);
  move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
}

bool TWizardForm::WaitForConfirmation() {
  if (loop_ || !isVisible()) return false;
  ResultState = 0;
  host_.SetTextRequestActive(true);
  QEventLoop loop;
  loop_ = &loop;
  // A nested loop rather than a busy wait: hiding the window (by "הוסף",
  // "סגור", the close box or the program) ends it.
  loop.exec();
  loop_ = nullptr;
  hide();
  host_.SetTextRequestActive(false);
  return ResultState == 2;
}

void TWizardForm::FollowLanguage(QWidget* field, bool hebrewIn, bool englishOut) {
  languages_.push_back({field, hebrewIn, englishOut});
  field->installEventFilter(this);
}

bool TWizardForm::event(QEvent* e) {
  const bool result = QWidget::event(e);
  if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) FormActivate();
  return result;
}

void TWizardForm::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  if (loop_ && !e->spontaneous()) loop_->quit();
}

bool TWizardForm::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
    // Focus that comes and goes with the whole window is no entering or
    // leaving of the field (the keyboard layout is shared with other programs).
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      for (const Language& l : languages_) {
        if (l.field != watched) continue;
        if (e->type() == QEvent::FocusIn)
          l.hebrewIn ? qm::SetHebrew() : qm::SetEnglish();
        else if (l.englishOut)
          qm::SetEnglish();
      }
    }
  }
  return QWidget::eventFilter(watched, e);
}

