#include "platform/Cp1255Bridge.h"

#include "core/text/Cp1255.h"

namespace qm {

QString fromCp1255(std::string_view bytes) {
  QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* data = out.data();
  for (std::size_t i = 0; i < bytes.size(); ++i) data[i] = QChar(cp1255::toUnicode(static_cast<unsigned char>(bytes[i])));
  return out;
}

std::string toCp1255(const QString& text) {
  return cp1255::encode(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

}  // namespace qm
