#include "platform/Prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

namespace qm {
namespace {

std::unique_ptr<Prompts>& current() {
  static std::unique_ptr<Prompts> p = std::make_unique<QtPrompts>();
  return p;
}

QString title() { return QApplication::applicationName(); }

QMessageBox::StandardButton ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::Question, title(), text, buttons, parent);
  box.setLayoutDirection(Qt::RightToLeft);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString filterString(const QStringList& filters) {
  QStringList parts;
  for (const QString& f : filters) {
    const auto bar = f.indexOf('|');
    if (bar < 0) {
      parts << f;
      continue;
    }
    // Show the caption; the pattern goes in parentheses where the toolkit reads it.
    QString pattern = f.mid(bar + 1);
    pattern.replace(';', ' ');
    parts << f.left(bar) + " [" + pattern + "] (" + pattern + ")";
  }
  return parts.join(QStringLiteral(";;"));
}

std::optional<FileDialogResult> runFileDialog(QWidget* parent, const FileDialogRequest& req, bool save) {
  QFileDialog dlg(parent, req.title, req.directory, filterString(req.filters));
  dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // Overwrite questions are the program's own.
  dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!req.defaultSuffix.isEmpty()) dlg.setDefaultSuffix(req.defaultSuffix);
  const QStringList names = dlg.nameFilters();
  if (req.filterIndex >= 0 && req.filterIndex < names.size()) dlg.selectNameFilter(names[req.filterIndex]);
  if (!req.fileName.isEmpty()) dlg.selectFile(req.fileName);
  QComboBox* choice = nullptr;
  if (!req.choices.isEmpty()) {
    // The toolkit's own dialog, which has a layout to take the extra row.
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    if (auto* grid = qobject_cast<QGridLayout*>(dlg.layout())) {
      choice = new QComboBox(&dlg);
      choice->addItems(req.choices);
      const int row = grid->rowCount();
      grid->addWidget(new QLabel(req.choiceLabel, &dlg), row, 0);
      grid->addWidget(choice, row, 1);
    }
  }
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return FileDialogResult{dlg.selectedFiles().first(), static_cast<int>(names.indexOf(dlg.selectedNameFilter())),
                          choice ? choice->currentIndex() : 0};
}

}  // namespace

Prompts& prompts() { return *current(); }

QString notAnIntegerText(const QString& typed) {
  return QStringLiteral("'%1' אינו מספר שלם").arg(typed);
}

std::unique_ptr<Prompts> setPrompts(std::unique_ptr<Prompts> p) {
  auto old = std::move(current());
  current() = std::move(p);
  return old;
}

void QtPrompts::message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parent);
  box.setLayoutDirection(Qt::RightToLeft);
  box.exec();
}

void QtPrompts::error(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, title(), text, QMessageBox::Ok, parent);
  box.setLayoutDirection(Qt::RightToLeft);
  box.exec();
}

Answer QtPrompts::yesNoCancel(QWidget* parent, const QString& text) {
  switch (ask(parent, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

Answer QtPrompts::yesNo(QWidget* parent, const QString& text) {
  return ask(parent, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtPrompts::okCancel(QWidget* parent, const QString& text) {
  return ask(parent, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<FileDialogResult> QtPrompts::openFile(QWidget* parent, const FileDialogRequest& req) {
  return runFileDialog(parent, req, false);
}

std::optional<FileDialogResult> QtPrompts::saveFile(QWidget* parent, const FileDialogRequest& req) {
  return runFileDialog(parent, req, true);
}

std::optional<QColor> QtPrompts::color(QWidget* parent, const QColor& initial) {
  const QColor c = QColorDialog::getColor(initial, parent);
  if (!c.isValid()) return std::nullopt;
  return c;
}

void QtPrompts::beep() { QApplication::beep(); }

const QStringList& pictureFilters() {
  static const QStringList f = {
      QStringLiteral("All image files (*.jpg,*.jpeg,*.bmp,*.gif)|*.jpg;*.jpeg;*.bmp;*.gif"),
      QStringLiteral("Jpeg image (*.jpeg,*.jpg)|*.jpeg;*.jpg"),
      QStringLiteral("Gif image (*.gif)|*.gif"),
  };
  return f;
}

}  // namespace qm
