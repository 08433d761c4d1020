#pragma once

#include "core/file_name.h"

#include <QString>

#include <filesystem>

// Paths in the windows' text, through the core's UTF-8 spelling, which never fails.
namespace marunda::ui {

inline QString pathQText(const std::filesystem::path& path) {
    return QString::fromStdString(pathText(path));
}

inline std::filesystem::path pathFromQText(const QString& text) {
    return pathFromText(text.toStdString());
}

} // namespace marunda::ui
