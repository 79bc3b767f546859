#include "platform/KeyboardLayout.h"

#include <QGuiApplication>

#ifdef QM_HAVE_XKB
#include <X11/XKBlib.h>
#endif

namespace qm {
namespace {

// Used where no keyboard layout can be read or switched (no display, a
// platform other than X11): the quick-edit line and the wizards go on working
// with whatever the user's keyboard does.
class NoKeyboardLayouts : public KeyboardLayouts {
 public:
  QString activeLayoutName() override { return {}; }
  void activateNextLayout() override {}
};

#ifdef QM_HAVE_XKB
// The groups of the core keyboard of the X server: each installed layout is a
// group, and the locked group is the active layout. A connection of our own
// keeps this independent of how the toolkit talks to the server.
class XkbKeyboardLayouts : public KeyboardLayouts {
 public:
  static std::unique_ptr<KeyboardLayouts> open() {
    int event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion, reason = 0;
    Display* display = XkbOpenDisplay(nullptr, &event, &error, &major, &minor, &reason);
    if (!display) return nullptr;
    return std::unique_ptr<KeyboardLayouts>(new XkbKeyboardLayouts(display));
  }
  ~XkbKeyboardLayouts() override { XCloseDisplay(display_); }

  QString activeLayoutName() override {
    XkbStateRec state{};
    if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success) return {};
    return layoutNameForXkbGroup(groupName(state.group));
  }

  void activateNextLayout() override {
    XkbStateRec state{};
    if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success) return;
    const int groups = groupCount();
    if (groups < 2) return;
    XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>((state.group + 1) % groups));
    XFlush(display_);
  }

 private:
  explicit XkbKeyboardLayouts(Display* display) : display_(display) {}

  int groupCount() {
    XkbDescPtr desc = XkbAllocKeyboard();
    if (!desc) return 0;
    int groups = 0;
    if (XkbGetControls(display_, XkbGroupsWrapMask, desc) == Success && desc->ctrls) groups = desc->ctrls->num_groups;
    XkbFreeKeyboard(desc, 0, True);
    return groups;
  }

  std::string groupName(int group) {
    std::string name;
    XkbDescPtr desc = XkbAllocKeyboard();
    if (!desc) return name;
    if (XkbGetNames(display_, XkbGroupNamesMask, desc) == Success && desc->names && group >= 0 &&
        group < XkbNumKbdGroups && desc->names->groups[group] != None) {
      if (char* text = XGetAtomName(display_, desc->names->groups[group])) {
        name = text;
        XFree(text);
      }
    }
    XkbFreeKeyboard(desc, 0, True);
    return name;
  }

  Display* display_;
};
#endif

std::unique_ptr<KeyboardLayouts> createDefault() {
#ifdef QM_HAVE_XKB
  if (QGuiApplication::platformName() == QStringLiteral("xcb"))
    if (auto xkb = XkbKeyboardLayouts::open()) return xkb;
#endif
  return std::make_unique<NoKeyboardLayouts>();
}

std::unique_ptr<KeyboardLayouts>& current() {
  static std::unique_ptr<KeyboardLayouts> layouts;
  return layouts;
}

}  // namespace

KeyboardLayouts& keyboardLayouts() {
  auto& layouts = current();
  if (!layouts) layouts = createDefault();
  return *layouts;
}

std::unique_ptr<KeyboardLayouts> setKeyboardLayouts(std::unique_ptr<KeyboardLayouts> layouts) {
  auto previous = std::move(current());
  current() = std::move(layouts);
  return previous;
}

void SetHebrew() {
  KeyboardLayouts& layouts = keyboardLayouts();
  if (layouts.activeLayoutName() == QLatin1String(LayoutUsEnglish)) layouts.activateNextLayout();
}

void SetEnglish() {
  KeyboardLayouts& layouts = keyboardLayouts();
  if (layouts.activeLayoutName() == QLatin1String(LayoutHebrew)) layouts.activateNextLayout();
}

QString layoutNameForXkbGroup(std::string_view description) {
  const QString d = QString::fromUtf8(description.data(), static_cast<qsizetype>(description.size())).trimmed();
  const QString lower = d.toLower();
  // A group name ("English (US)") or a symbols name ("us", "us(intl)").
  auto isSymbols = [&lower](const char* code) {
    const QString c = QString::fromLatin1(code);
    return lower == c || lower.startsWith(c + QLatin1Char('('));
  };
  if (lower == QStringLiteral("english (us)") || lower == QStringLiteral("english") || lower == QStringLiteral("usa") ||
      isSymbols("us"))
    return QString::fromLatin1(LayoutUsEnglish);
  if (lower.startsWith(QStringLiteral("hebrew")) || lower == QStringLiteral("israelian") || isSymbols("il")) return QString::fromLatin1(LayoutHebrew);
  return d;
}

}  // namespace qm
