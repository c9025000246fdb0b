#pragma once
// The bytes of a file of class definitions as text, and where such files come from. A file is
// UTF-8 when it says so with a byte-order mark or reads as UTF-8 with at least one non-ASCII
// character; otherwise it is in the Windows-1252 code page, as Kovrin writes its code.

#include "model/path_text.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kovrin {

std::string decodeSourceBytes(std::string_view bytes);

// An #include names its file in the text's UTF-8, whatever the platform's own narrow encoding;
// reports name files through pathText, in UTF-8 too.
std::filesystem::path pathOf(std::string_view utf8);

// Reads one file's bytes; none when it cannot be read. Tests and the fuzzer pass their own.
using SourceLoader = std::function<std::optional<std::string>(const std::filesystem::path &)>;

// The files on disk; anything but a readable regular file is none.
SourceLoader diskSourceLoader();

} // namespace kovrin
