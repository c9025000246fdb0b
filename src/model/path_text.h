#pragma once
// How a file's path reads in a message: UTF-8 on every platform, whatever the system's own form
// (wide characters on Windows, where a narrow conversion would go through the ANSI code page).

#include <filesystem>
#include <string>

namespace kovrin {

std::string pathText(const std::filesystem::path &path);

} // namespace kovrin
