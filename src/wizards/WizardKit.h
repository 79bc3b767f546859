#pragma once

// What the wizard windows share: the tool-window frame, centring,
// named controls, the keyboard language of Hebrew fields, and the bytes of
// the controls' texts.
#include <QString>
#include <QWidget>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
namespace qm::wizard {

// A modeless tool window with a close box only, right to left, named `name`
// ("Form5"), with the caption given. It has no Qt parent, so its component
// names stay out of the main window's lookups.
void setUpToolWindow(QWidget* w, const char* name, const QString& caption);
// Sizes the window to its contents and centres it on the screen's free area
// (horizontally only when `top` is given: then that far from the top).
void centre(QWidget* w, int top = -1);

QLabel* label(QWidget* parent, const QString& caption, const char* name = nullptr);
QPushButton* button(QWidget* parent, const char* name, const QString& caption);
QLineEdit* edit(QWidget* parent, const char* name, const QString& text = QString());
// A right-to-left edit that switches the keyboard to Hebrew while it has the
// focus (SetHebrew on entering, SetEnglish on leaving).
QLineEdit* hebrewEdit(QWidget* parent, const char* name, const QString& text = QString());
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption);
QRadioButton* radio(QWidget* parent, const char* name, const QString& caption);
QComboBox* list(QWidget* parent, const char* name, const QStringList& items);
// A horizontal track bar with marks every `step`.
QSlider* trackBar(QWidget* parent, const char* name, int min, int max, int step, int value);

// The control's text as code-page 1255 bytes.
std::string bytes(const QLineEdit* e);
std::string bytes(const QString& s);

}  // namespace qm::wizard
