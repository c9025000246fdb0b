#pragma once
// Whether bytes can be a design file at all. The reader takes any bytes leniently and lists what
// it had to replace, which suits a design with a few damaged records; a picture or a letter
// chosen by mistake would instead replace the set on screen with a dialog of a garbled name.
// Such a file is refused whole, before anything is loaded.

#include "persist/record_scanner.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kovrin {

// What the raw bytes hold that no design file holds: a NUL byte, or a byte Windows-1252 leaves
// undefined. None when they hold neither.
std::optional<std::string> undecodableReason(std::string_view bytes);

// A record that shows the file to be a design: a dialog header, or a control of a kind Kovrin
// knows. A file with records but none of these is refused.
bool showsDesign(const ScannedRecord &record);

// The file holds nothing, or its version line alone: what Save writes for an empty set. It has
// no record, and loads as an empty set.
bool holdsEmptyDesign(std::string_view text);

// Why a file with neither an empty design nor a record that shows one is refused.
inline constexpr std::string_view kNoDesignRecord
    = "it holds no dialog header and no control of a kind Kovrin knows";

// The refusal, naming the file.
std::string notADesignFile(const std::filesystem::path &path, std::string_view reason);

} // namespace kovrin
