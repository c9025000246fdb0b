#pragma once
// The design-file writer: the version line, then per dialog its header and one 38-line record
// per control, CRLF line ends, Windows-1252.

#include "model/dialog_set.h"
#include "model/status.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kovrin {

struct DesignBytes {
    std::string bytes;
    std::vector<std::string> replacedTexts; // texts that held characters written as "?"
};

DesignBytes designBytes(const DialogSet &set);

struct WriteOutcome {
    Status status;
    std::vector<std::string> replacedTexts;
};

// Writes atomically; on failure the old file is untouched and the message says why.
WriteOutcome writeDesign(const DialogSet &set, const std::filesystem::path &path);

} // namespace kovrin
