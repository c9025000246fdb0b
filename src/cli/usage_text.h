#pragma once
// What --help and --version print.

#include <string>
#include <string_view>

namespace kovrin {

// Product name, then the version as the title bar shows it.
inline constexpr std::string_view kVersionLine = "Kovrin v0.61 BETA\n";

// The name the program was started by, without folder or ".exe"; "kovrin" when there is none.
std::string programName(const char *argv0);

// The usage, naming the program as it was started ("kovrin", "kovrin-cli"). The designer also
// opens with no argument or with a design file to load.
std::string usageText(std::string_view program, bool designer);

} // namespace kovrin
