#pragma once
// File and folder names on the wire are code-page 1255 bytes; the client and
// the session hold them as QString. One pair of conversions for both.
#include <QString>
#include <string>
#include <string_view>

#include "core/text/Cp1255.h"

namespace qm::net {

inline std::string toBytes(const QString& text) {
  return cp1255::encode(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

inline QString fromBytes(std::string_view bytes) {
  const std::u16string u = cp1255::decode(bytes);
  return QString(reinterpret_cast<const QChar*>(u.data()), static_cast<qsizetype>(u.size()));
}

}  // namespace qm::net
