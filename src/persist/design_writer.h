#pragma once
// The design-file writer: the version line, then per dialog its header and one 38-line record
// per control, CRLF line ends, Windows-1252. A line break inside a text is CRLF in the record
// as in the file; a lone CR or LF is written as CRLF too.

#include "model/dialog_set.h"
#include "model/status.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kovrin {

struct DesignBytes
{
    std::string bytes;
    std::vector<std::string> replacedTexts; // texts that held characters written as "?"
    // Texts the format cannot carry back whole (a double quote, a whole "###", an Action holding
    // "&quot"): written as they are, but the user should be told.
    std::vector<std::string> unreadableTexts;
};

DesignBytes designBytes(const DialogSet &set);

struct WriteOutcome
{
    Status status;
    std::vector<std::string> replacedTexts;
    std::vector<std::string> unreadableTexts;
};

// Writes atomically; on failure the old file is untouched and the message says why.
WriteOutcome writeDesign(const DialogSet &set, const std::filesystem::path &path);

} // namespace kovrin
