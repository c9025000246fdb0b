#pragma once
// A path as the core holds it and back, through Qt's own conversion to the platform's native form
// (wide characters on Windows), never through a narrow string in the system's code page.

#include <QString>

#include <filesystem>

namespace kovrin {

std::filesystem::path toFsPath(const QString &path);
QString fromFsPath(const std::filesystem::path &path);

} // namespace kovrin
