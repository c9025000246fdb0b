#pragma once
// Whole-file reading and the atomic write every saved file goes through: the bytes go to a
// temporary file beside the target, which replaces the target only once every byte was written.

#include "model/status.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kovrin {

Result<std::string> readWholeFile(const std::filesystem::path &path);

// On failure the target is left as it was and the message names the file and the reason.
Status writeFileAtomically(const std::filesystem::path &path, std::string_view bytes);

} // namespace kovrin
