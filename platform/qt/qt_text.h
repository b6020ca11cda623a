// UTF-8 texts of the core to Qt strings and back.
#pragma once

#include <QString>
#include <string>

namespace verlo {

inline QString Q(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string U(const QString& text) {
  return text.toUtf8().toStdString();
}

}  // namespace verlo
