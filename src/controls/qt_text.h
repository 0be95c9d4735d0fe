#pragma once
// Store text is Windows-1252 bytes; Qt works in Unicode. Every widget
// converts at this one boundary. File paths are UTF-8, as the system keeps
// them.
#include <QString>
#include <string>

#include "base/cp1252.h"

namespace cgt {

inline QString ToQt(const std::string& bytes) {
    return QString::fromStdString(Cp1252ToUtf8(bytes));
}
inline std::string FromQt(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}
// A file's path is the system's bytes (UTF-8), not store text.
inline QString PathToQt(const std::string& path) {
    return QString::fromStdString(path);
}

}  // namespace cgt
