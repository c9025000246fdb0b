#pragma once
// The bytes of a file of class definitions as text, and where such files come from. A file is
// UTF-8 when it says so with a byte-order mark or reads as UTF-8 with at least one non-ASCII
// character; otherwise it is in the Windows-1252 code page, as Kovrin writes its code.

#include "classdef/include_folders.h"
#include "model/path_text.h"
#include "model/status.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

std::string decodeSourceBytes(std::string_view bytes);

// An #include names its file in the text's UTF-8, whatever the platform's own narrow encoding;
// reports name files through pathText, in UTF-8 too.
std::filesystem::path pathOf(std::string_view utf8);

class FilesRead;

// Where the files come from. Tests and the fuzzer pass their own.
struct SourceLoader
{
    // One file's bytes, or why not, said as it goes on after the include's name.
    std::function<Result<std::string>(const std::filesystem::path &)> read;
    // The file a path names as the game's file system finds it, letter case aside where the
    // exact name is missing (existingIgnoringCase); none when there is none.
    std::function<std::optional<std::filesystem::path>(const std::filesystem::path &)> find;
    // Where an include is looked for when it is not beside the including file, and <file>
    // after the folder of the file imported; a path of the game or a mod (\a3\..., \x\...)
    // only there.
    std::vector<std::filesystem::path> folders;
    std::string howToAdd; // how a folder is added to them, for reports
};

// The files on disk: the file imported when it is a regular file, an include only when it is a
// regular file under that file's folder or one of the folders given, whose links are resolved
// once, when the loader is made. Each file read is added to read, when one is given.
SourceLoader diskSourceLoader(const std::filesystem::path &mainFile, IncludeFolders folders,
                              FilesRead *read = nullptr);

// Files held in memory by their paths with "/" between folders, and nothing else.
SourceLoader memorySourceLoader(std::map<std::string, std::string> files);

} // namespace kovrin
