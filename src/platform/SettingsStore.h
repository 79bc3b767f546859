#pragma once

#include <QSettings>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace qm {

// A setting's name with its default: every setting read or written in more
// than one place is declared once here.
template <class T>
struct Setting {
  const char* name;
  T def;
};

namespace setting {
inline constexpr Setting<bool> WinMax{"WinMax", true};
inline constexpr Setting<bool> MainWinMax{"MainWinMax", true};
inline constexpr Setting<bool> QuickEdit{"QuickEdit", true};
inline constexpr Setting<bool> IncludePathName{"IncludePathName", true};
inline constexpr Setting<bool> UseColorCode{"UseColorCode", true};
inline constexpr Setting<bool> TextIndentation{"TextIndentation", true};
inline constexpr Setting<bool> ToolBar1{"ToolBar1", false};  // the tool bar docked at the bottom
inline constexpr Setting<bool> SelectAllHebWiz{"SelectAllHebWiz", false};
inline constexpr Setting<std::int32_t> EE{"EE", 0};  // the splash's picture counter
// The main window's place when it is not maximized (the defaults depend on the screen).
inline constexpr Setting<std::int32_t> MainTop{"MainTop", 0};
inline constexpr Setting<std::int32_t> MainLeft{"MainLeft", 0};
inline constexpr Setting<std::int32_t> MainWidth{"MainWidth", 0};
inline constexpr Setting<std::int32_t> MainHeight{"MainHeight", 0};
// The folder that was current when the program started.
inline constexpr Setting<const char*> ExecDir{"EXECDIR", ""};
// The recent documents of R1..R5 (index = slot; 0 unused).
inline constexpr std::array<Setting<const char*>, 6> RecentFile{{{"", ""},
                                                                  {"RecentFile1", ""},
                                                                  {"RecentFile2", ""},
                                                                  {"RecentFile3", ""},
                                                                  {"RecentFile4", ""},
                                                                  {"RecentFile5", ""}}};
// Previewed pages may reach the network (off: nothing leaves the machine).
inline constexpr Setting<bool> PreviewNetwork{"PreviewNetwork", false};
// The look of the source editor (read and written as a whole by EditorSettings).
inline constexpr Setting<std::int32_t> FontSize{"FontSize", 8};  // points
inline constexpr Setting<const char*> EnglishFont{"EnglishFont", "MS Sans Serif"};
inline constexpr Setting<const char*> HebrewFont{"HebrewFont", "MS Sans Serif"};
inline constexpr Setting<std::uint32_t> TextColor{"TextColor", 0x000000};  // colours 0x00BBGGRR
inline constexpr Setting<std::uint32_t> TagColor{"TagColor", 0xFF0000};
inline constexpr Setting<std::uint32_t> RemarksColor{"RemarksColor", 0x707070};
inline constexpr Setting<std::uint32_t> MemoBackground{"MemoBackground", 0xFFFFFF};
inline constexpr Setting<std::int32_t> RefreshEveryXChrs{"RefreshEveryXChrs", 60};
inline constexpr Setting<bool> LineNumbers{"LineNumbers", true};  // numbers beside the source lines
// The FTP window's last host and user (the password is never stored).
inline constexpr Setting<const char*> LastHost{"LastHost", ""};
inline constexpr Setting<const char*> UserID{"UserID", ""};
// Its last choice of passive mode (the data connection opened by the program,
// which works behind home routers and firewalls).
inline constexpr Setting<bool> LastPassive{"LastPassive", true};
// ... and of FTP over TLS.
inline constexpr Setting<bool> LastTls{"LastTls", false};
// The floor under the rate of an FTP listing or transfer: it fails when fewer
// bytes than this arrive in that many seconds.
inline constexpr Setting<std::int32_t> FtpMinRateBytes{"FtpMinRateBytes", 1024};
inline constexpr Setting<std::int32_t> FtpMinRateSeconds{"FtpMinRateSeconds", 30};
}  // namespace setting

// The per-user settings: section "Quillmark" of key "SoftWare". Every value is
// a string; numbers and colours as decimal text, booleans as "1"/"0". A value
// that is missing, or not a number where one is expected, reads as the default.
// Values are written (and flushed) at the moment they change.
class SettingsStore {
 public:
  // The store of the platform: the registry on Windows; elsewhere an INI file
  // in the user's configuration folder, or the file named by the environment
  // variable QUILLMARK_SETTINGS.
  SettingsStore();
  // An INI file at the given path (tests use a temporary file).
  explicit SettingsStore(const QString& iniPath);

  QString readString(const QString& name, const QString& def) const;
  std::int32_t readInt(const QString& name, std::int32_t def) const;
  bool readBool(const QString& name, bool def) const;
  bool contains(const QString& name) const;

  void writeString(const QString& name, const QString& value);
  void writeInt(const QString& name, std::int32_t value);
  void writeBool(const QString& name, bool value);

  // Typed access to the declared settings. Colours are stored as decimal
  // numbers of their 24 bits.
  bool read(const Setting<bool>& s) const { return readBool(QString::fromLatin1(s.name), s.def); }
  std::int32_t read(const Setting<std::int32_t>& s) const { return readInt(QString::fromLatin1(s.name), s.def); }
  // With a default worked out at run time (the window's place on this screen).
  std::int32_t read(const Setting<std::int32_t>& s, std::int32_t def) const { return readInt(QString::fromLatin1(s.name), def); }
  std::uint32_t read(const Setting<std::uint32_t>& s) const;
  QString read(const Setting<const char*>& s) const;
  void write(const Setting<bool>& s, bool v) { writeBool(QString::fromLatin1(s.name), v); }
  void write(const Setting<std::int32_t>& s, std::int32_t v) { writeInt(QString::fromLatin1(s.name), v); }
  void write(const Setting<std::uint32_t>& s, std::uint32_t v);
  void write(const Setting<const char*>& s, const QString& v) { writeString(QString::fromLatin1(s.name), v); }

  QString fileName() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace qm
