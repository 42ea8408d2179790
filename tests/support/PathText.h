#pragma once
// A path as the window's commands and dialogs take it.
#include <QString>
#include <filesystem>

inline QString Q(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
