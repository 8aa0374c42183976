#pragma once
#include <QString>
#include <string_view>

namespace lumivox {

// The logic's UTF-8 text as Qt's, at the edge of every window.
inline QString toQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace lumivox
