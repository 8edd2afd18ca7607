// Paths are byte strings; Qt shows them as text in the file system's encoding.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace codelume {

inline QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
inline std::string PathBytes(const QString& text) { return QFile::encodeName(text).toStdString(); }

}  // namespace codelume
