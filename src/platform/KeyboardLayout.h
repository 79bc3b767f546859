#pragma once

#include <QString>
#include <memory>
#include <string_view>

namespace qm {

// Layout names as the program speaks of them.
inline constexpr const char* LayoutUsEnglish = "00000409";
inline constexpr const char* LayoutHebrew = "0000040d";

// The keyboard layouts of the session: which one is active, and switching to
// the next installed one. No target layout is ever named: with English and
// Hebrew installed, "next" is the other language.
class KeyboardLayouts {
 public:
  virtual ~KeyboardLayouts() = default;
  // "00000409" for US English, "0000040d" for Hebrew, another text (possibly
  // empty) for any other layout or when the platform cannot tell.
  virtual QString activeLayoutName() = 0;
  // Makes the layout after the active one active (wrapping around).
  virtual void activateNextLayout() = 0;
};

// The layouts in force: the X11 keyboard groups when the program runs on an
// X11 display, otherwise an implementation that reports no name and switches
// nothing. Created on first use.
KeyboardLayouts& keyboardLayouts();
// Installs an implementation (tests install a fake); returns the previous one.
std::unique_ptr<KeyboardLayouts> setKeyboardLayouts(std::unique_ptr<KeyboardLayouts> layouts);

// The keyboard language for Hebrew and for Latin text: switches to the next
// layout when the active one is the other language, else leaves it alone
// (a third layout the user chose stays).
void SetHebrew();
void SetEnglish();

// The program's name for a layout described by an XKB group name ("English
// (US)", "Hebrew") or a symbols name ("us", "il"): "00000409", "0000040d", or
// the description itself for anything else.
QString layoutNameForXkbGroup(std::string_view description);

}  // namespace qm
