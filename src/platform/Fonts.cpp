#include "platform/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace qm {

QString hebrewFallbackFamily() {
  const QStringList hebrew = QFontDatabase::families(QFontDatabase::Hebrew);
  for (const char* preferred : {"Arial", "Nachlieli CLM", "Liberation Sans", "DejaVu Sans", "FreeSans"}) {
    const QString name = QString::fromLatin1(preferred);
    if (hebrew.contains(name, Qt::CaseInsensitive)) return name;
  }
  return hebrew.isEmpty() ? QString() : hebrew.first();
}

QString installFontFallbacks() {
  const QStringList installed = QFontDatabase::families();
  QString fallback;
  for (const char* foreign : {"MS Sans Serif", "Arial Hebrew"}) {
    const QString name = QString::fromLatin1(foreign);
    if (installed.contains(name, Qt::CaseInsensitive)) continue;
    if (fallback.isEmpty()) fallback = hebrewFallbackFamily();
    if (fallback.isEmpty()) return {};
    QFont::insertSubstitution(name, fallback);
  }
  return fallback;
}

}  // namespace qm
