#include "platform/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace qm {

namespace {

enum class Kind { ByRole, Sans, Mono, Serif };

struct Foreign {
  const char* name;
  Kind kind;
  const char* culmus;  // the Culmus family of the same design, or null
};

// The families of another system the settings, the windows and the font
// wizard name. "MS Sans Serif" is the stock font of everything there: what it
// stands for depends on where it is used.
constexpr std::array kForeign = {
    Foreign{"MS Sans Serif", Kind::ByRole, nullptr},   Foreign{"Microsoft Sans Serif", Kind::ByRole, nullptr},
    Foreign{"System", Kind::ByRole, nullptr},          Foreign{"Arial", Kind::Sans, nullptr},
    Foreign{"Arial Hebrew", Kind::Sans, nullptr},      Foreign{"Tahoma", Kind::Sans, nullptr},
    Foreign{"Verdana", Kind::Sans, nullptr},           Foreign{"Helvetica", Kind::Sans, nullptr},
    Foreign{"Courier New", Kind::Mono, nullptr},       Foreign{"Courier", Kind::Mono, nullptr},
    Foreign{"Fixedsys", Kind::Mono, nullptr},          Foreign{"Lucida Console", Kind::Mono, nullptr},
    Foreign{"Times New Roman", Kind::Serif, nullptr},  Foreign{"Times", Kind::Serif, nullptr},
    Foreign{"David", Kind::Serif, "David CLM"},        Foreign{"Narkisim", Kind::Serif, "Frank Ruehl CLM"},
    Foreign{"FrankRuehl", Kind::Serif, "Frank Ruehl CLM"}, Foreign{"Miriam", Kind::Sans, "Miriam CLM"},
    Foreign{"Miriam Fixed", Kind::Mono, "Miriam Mono CLM"}, Foreign{"Aharoni", Kind::Sans, "Aharoni CLM"},
};

// Installed candidates, best first.
QStringList candidates(Kind kind, FontRole role) {
  if (role == FontRole::Hebrew) {
    switch (kind) {
      case Kind::Serif: return {"David CLM", "Frank Ruehl CLM", "Drugulin CLM"};
      // Miriam is the stock Hebrew sans; Nachlieli comes only in light and bold.
      case Kind::Sans: return {"Miriam CLM", "Simple CLM", "Nachlieli CLM"};
      default: return {"Miriam Mono CLM", "Miriam CLM", "Nachlieli CLM"};
    }
  }
  switch (kind) {
    case Kind::Mono: return {"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono", "Nimbus Mono PS", "Miriam Mono CLM"};
    case Kind::Serif: return {"DejaVu Serif", "Liberation Serif", "Nimbus Roman", "Frank Ruehl CLM"};
    default: return {"DejaVu Sans", "Liberation Sans", "Nimbus Sans", "FreeSans", "Nachlieli CLM"};
  }
}

QString firstInstalled(const QStringList& wanted, const QStringList& installed) {
  for (const QString& w : wanted)
    for (const QString& i : installed)
      if (i.compare(w, Qt::CaseInsensitive) == 0) return i;
  return {};
}

}  // namespace

QString installedFamily(const QString& family, FontRole role) {
  const QStringList installed = QFontDatabase::families();
  if (installed.contains(family, Qt::CaseInsensitive)) return family;
  Kind kind = Kind::ByRole;
  const char* culmus = nullptr;
  for (const Foreign& f : kForeign) {
    if (family.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0) {
      kind = f.kind;
      culmus = f.culmus;
    }
  }
  if (culmus && installed.contains(QLatin1String(culmus))) return QLatin1String(culmus);
  // The stock font is proportional: Hebrew runs in the source keep a
  // proportional Hebrew face (a monospaced one spreads the letters apart).
  if (kind == Kind::ByRole) kind = role == FontRole::Source ? Kind::Mono : Kind::Sans;
  // The interface and the Hebrew runs need Hebrew letters.
  const QStringList usable = role == FontRole::Source ? installed : QFontDatabase::families(QFontDatabase::Hebrew);
  QString found = firstInstalled(candidates(kind, role), usable);
  if (found.isEmpty() && kind == Kind::Mono && role == FontRole::Source)
    found = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  if (found.isEmpty() && !usable.isEmpty()) found = usable.first();
  if (found.isEmpty() && !installed.isEmpty()) found = installed.first();
  return found;
}

QString hebrewFallbackFamily() { return installedFamily(QStringLiteral("MS Sans Serif"), FontRole::Interface); }

QString installFontFallbacks() {
  const QStringList installed = QFontDatabase::families();
  QString standIn;
  for (const Foreign& f : kForeign) {
    const QString name = QLatin1String(f.name);
    if (installed.contains(name, Qt::CaseInsensitive)) continue;
    const QString family = installedFamily(name, FontRole::Interface);
    if (family.isEmpty()) continue;
    QFont::insertSubstitution(name, family);
    if (name == QLatin1String("MS Sans Serif")) standIn = family;
  }
  return standIn;
}

}  // namespace qm
