#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QWidget;

namespace qm {

enum class Answer { Yes, No, Cancel, Ok };

struct FileDialogRequest {
  QString title;
  QString directory;
  QString fileName;       // proposed name (save) or empty
  QStringList filters;    // "Html Documents (*.HTM , *.HTML ,*.SHTML)|*.*htm*" pairs as caption|pattern
  int filterIndex = 0;    // 0-based
  QString defaultSuffix;  // appended when the user typed none (save)
  // A further choice offered beside the name (save: the encoding), with its label.
  QString choiceLabel;
  QStringList choices;
};

// The picture chooser's filters (JPEG, GIF), as the wizards and the script
// library offer them.
const QStringList& pictureFilters();

struct FileDialogResult {
  QString path;
  int filterIndex = 0;
  int choice = 0;  // index into the request's choices
};

// Every message box, question and file or colour dialog goes through here, so
// the windows stay testable: tests install a scripted implementation.
class Prompts {
 public:
  virtual ~Prompts() = default;
  // A notice with one OK button.
  virtual void message(QWidget* parent, const QString& text) = 0;
  // The standard error box for an exception that ended a command.
  virtual void error(QWidget* parent, const QString& text) = 0;
  virtual Answer yesNoCancel(QWidget* parent, const QString& text) = 0;
  virtual Answer yesNo(QWidget* parent, const QString& text) = 0;
  virtual Answer okCancel(QWidget* parent, const QString& text) = 0;
  virtual std::optional<FileDialogResult> openFile(QWidget* parent, const FileDialogRequest& req) = 0;
  virtual std::optional<FileDialogResult> saveFile(QWidget* parent, const FileDialogRequest& req) = 0;
  virtual std::optional<QColor> color(QWidget* parent, const QColor& initial) = 0;
  // The platform's beep.
  virtual void beep() = 0;
};

// The prompts in force (the real dialogs unless a test installed others).
Prompts& prompts();
// Installs an implementation; returns the previous one.
std::unique_ptr<Prompts> setPrompts(std::unique_ptr<Prompts> p);

// The error shown for a number field whose text is not a whole number.
QString notAnIntegerText(const QString& typed);

// The real dialogs of the toolkit.
class QtPrompts : public Prompts {
 public:
  void message(QWidget* parent, const QString& text) override;
  void error(QWidget* parent, const QString& text) override;
  Answer yesNoCancel(QWidget* parent, const QString& text) override;
  Answer yesNo(QWidget* parent, const QString& text) override;
  Answer okCancel(QWidget* parent, const QString& text) override;
  std::optional<FileDialogResult> openFile(QWidget* parent, const FileDialogRequest& req) override;
  std::optional<FileDialogResult> saveFile(QWidget* parent, const FileDialogRequest& req) override;
  std::optional<QColor> color(QWidget* parent, const QColor& initial) override;
  void beep() override;
};

}  // namespace qm
