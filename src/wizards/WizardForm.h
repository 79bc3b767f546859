#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class QEventLoop;
namespace qm {
class InsertTarget;
}  // namespace qm

// What the hyperlink and image wizards share: a modeless tool window with a
// close box only, centred on the screen, shown and hidden, never destroyed;
// the result state of a text request and its wait; the keyboard language
// that follows the focus of some fields.
class TWizardForm : public QWidget {
  Q_OBJECT
 public:
  // 0 while a text request waits, 1 after "סגור" or the close box, 2 after "הוסף".
  int ResultState = 1;
  // A text request is waiting for the user.
  bool Waiting() const { return loop_ != nullptr; }

 protected:
  TWizardForm(qm::InsertTarget& host, const char* objectName, const QString& caption);
  // Sizes the window to its contents and centres it on the screen.
  void FitAndCentre();
  // A text request: sets the host's text-request flag, waits (the interface
  // staying alive) until the window is confirmed, closed or hidden, then hides
  // it and clears the flag. True when confirmed. A window that is not showing,
  // or already waiting, gives false at once.
  bool WaitForConfirmation();
  // Entering `field` switches the keyboard to Hebrew (`hebrewIn`) or English;
  // with `englishOut`, leaving it switches to English.
  void FollowLanguage(QWidget* field, bool hebrewIn, bool englishOut);
  // Called on every activation (and on every showing).
  virtual void FormActivate() {}

  bool event(QEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

  qm::InsertTarget& host_;

 private:
  QEventLoop* loop_ = nullptr;
  struct Language {
    QWidget* field;
    bool hebrewIn, englishOut;
  };
  std::vector<Language> languages_;
};

