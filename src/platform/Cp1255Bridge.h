#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qm {

// Code-page 1255 bytes <-> QString, one UTF-16 unit per byte (see core/text/Cp1255.h).
QString fromCp1255(std::string_view bytes);
std::string toCp1255(const QString& text);

}  // namespace qm
