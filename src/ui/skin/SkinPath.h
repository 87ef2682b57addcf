// Paths between Qt and the platform layer.
#pragma once

#include <QString>
#include <filesystem>

namespace skin {

inline std::filesystem::path toPath(const QString &path) {
    return std::filesystem::path(path.toStdU16String());
}

inline QString toQString(const std::filesystem::path &path) {
    return QString::fromStdU16String(path.u16string());
}

}  // namespace skin
