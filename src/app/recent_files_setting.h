#pragma once
// The recently used design files, kept in the settings store as "SETTINGS/RECENTFILES": the
// most recent first, UTF-8 paths.

#include <string>
#include <vector>

namespace kovrin {

std::vector<std::string> readRecentFiles();
void writeRecentFiles(const std::vector<std::string> &paths);

} // namespace kovrin
