#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Prompts.h"

namespace qmtest {

// Records every prompt and answers from a script. A prompt that the script
// does not answer fails the running test (and is answered Cancel), so a
// test never blocks on a dialog it did not expect.
class ScriptedPrompts : public qm::Prompts {
 public:
  struct Call {
    std::string kind;  // "message", "error", "yesNoCancel", "yesNo", "okCancel", "open", "save", "color"
    QString text;      // message text, or the dialog title
  };

  std::vector<Call> calls;
  std::deque<qm::Answer> answers;
  std::deque<std::optional<QString>> files;   // nullopt: the dialog was cancelled
  std::deque<int> fileFilters;                // filter the user picks in the next file dialog (else the offered one)
  std::deque<int> fileChoices;                // the extra choice picked in the next file dialog (else the first)
  std::deque<std::optional<QColor>> colors;
  std::vector<qm::FileDialogRequest> fileRequests;
  int beeps = 0;

  // Installs a fresh ScriptedPrompts for the life of the returned object.
  static ScriptedPrompts& install();

  void message(QWidget*, const QString& text) override;
  void error(QWidget*, const QString& text) override;
  qm::Answer yesNoCancel(QWidget*, const QString& text) override;
  qm::Answer yesNo(QWidget*, const QString& text) override;
  qm::Answer okCancel(QWidget*, const QString& text) override;
  std::optional<qm::FileDialogResult> openFile(QWidget*, const qm::FileDialogRequest& req) override;
  std::optional<qm::FileDialogResult> saveFile(QWidget*, const qm::FileDialogRequest& req) override;
  std::optional<QColor> color(QWidget*, const QColor& initial) override;
  void beep() override { ++beeps; }

  // Texts of the calls of one kind, in order.
  std::vector<QString> texts(const std::string& kind) const;

 private:
  qm::Answer nextAnswer(const char* kind, const QString& text, qm::Answer fallback);
  std::optional<qm::FileDialogResult> nextFile(const char* kind, const qm::FileDialogRequest& req);
};

}  // namespace qmtest
