#include "wizards/WizardKit.h"
#include "platform/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>

#include "platform/KeyboardLayout.h"
#include "hebrew/HebEdit.h"
#include "platform/Cp1255Bridge.h"

namespace qm::wizard {

namespace {

// Switches the keyboard language as the focus enters and leaves a Hebrew
// field. Focus that comes and goes with the whole window or a popup menu is
// no entering or leaving: the layout is shared with other programs.
class KeyboardLanguage : public QObject {
 public:
  explicit KeyboardLanguage(QObject* parent) : QObject(parent) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    if (event->type() == QEvent::FocusIn)
      qm::SetHebrew();
    else
      qm::SetEnglish();
    return false;
  }
};


}  // namespace

void setUpToolWindow(QWidget* w, const char* name, const QString& caption) {
  w->setObjectName(QString::fromLatin1(name));
  w->setWindowTitle(caption);
  w->setLayoutDirection(Qt::RightToLeft);
  w->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  w->setAttribute(Qt::WA_QuitOnClose, false);
}

void centre(QWidget* w, int top) {
  w->adjustSize();
  const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                        : QRect(0, 0, 1024, 768);
  w->move(screen.x() + (screen.width() - w->width()) / 2,
          top >= 0 ? screen.y() + top : screen.y() + (screen.height() - w->height()) / 2);
}

QLabel* label(QWidget* parent, const QString& caption, const char* name) {
  auto* l = named(new QLabel(caption, parent), name);
  l->setTextFormat(Qt::PlainText);
  return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = named(new QPushButton(caption, parent), name);
  b->setAutoDefault(false);
  return b;
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& text) {
  auto* e = named(new QLineEdit(text, parent), name);
  e->setLayoutDirection(Qt::LeftToRight);
  return e;
}

QLineEdit* hebrewEdit(QWidget* parent, const char* name, const QString& text) {
  auto* e = named(new THebEdit(text, parent), name);
  e->installEventFilter(new KeyboardLanguage(e));
  return e;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption) {
  return named(new QCheckBox(caption, parent), name);
}

QRadioButton* radio(QWidget* parent, const char* name, const QString& caption) {
  return named(new QRadioButton(caption, parent), name);
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items) {
  auto* c = named(new QComboBox(parent), name);
  c->setEditable(false);
  c->addItems(items);
  c->setCurrentIndex(-1);
  return c;
}

QSlider* trackBar(QWidget* parent, const char* name, int min, int max, int step, int value) {
  auto* s = named(new QSlider(Qt::Horizontal, parent), name);
  s->setRange(min, max);
  s->setTickInterval(step);
  s->setTickPosition(QSlider::TicksBelow);
  s->setPageStep(step);
  s->setValue(value);
  return s;
}

std::string bytes(const QLineEdit* e) { return toCp1255(e->text()); }
std::string bytes(const QString& s) { return toCp1255(s); }

}  // namespace qm::wizard
