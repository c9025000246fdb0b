#pragma once
// Turns the words after the program name into one request, or says in one line what is wrong.

#include "model/code_page.h"
#include "model/status.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kovrin {

struct CliRequest
{
    enum class Action { None, Help, Version, Generate, Convert, Check, Import };
    Action action = Action::None;
    std::vector<std::filesystem::path> files; // generate, check, import: one; convert: in and out
    std::optional<std::filesystem::path> output; // generate -o, import -o
    std::vector<std::filesystem::path> includeFolders; // import -I, in the order given
    CodeEncoding encoding = CodeEncoding::Windows1252; // generate --encoding
    std::optional<std::filesystem::path> report = std::nullopt; // import --report FILE
};

// None: no argument, or a first argument that is neither a subcommand nor a "--" option (a
// design file, or the toolkit's own options, for the designer to take).
Result<CliRequest> parseArguments(const std::vector<std::string> &args);

} // namespace kovrin
