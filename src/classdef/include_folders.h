#pragma once
// Where an #include may take its file from: the folder of the file imported and the folders the
// user named (-I on the command line, the designer's include folders). Anything else, a file
// outside those folders (also through a link), a folder, a device, a pipe or a missing file, is
// refused before it is opened, so class definitions from anywhere cannot pull a private file
// into a design.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

struct IncludeFolders
{
    std::vector<std::filesystem::path> folders; // searched in this order
    std::string howToAdd; // how a refused file's folder is allowed
};

// The folders with every link resolved, as includeRefusal compares them: made once for all the
// includes of an import. A folder that does not exist allows nothing and is left out.
std::vector<std::filesystem::path>
resolvedFolders(const std::vector<std::filesystem::path> &folders);

// None when the path names a regular file under one of the resolved folders, compared on its
// path with every link resolved; else the one report, which goes on after the include's name.
std::optional<std::string> includeRefusal(const std::filesystem::path &path,
                                          const std::vector<std::filesystem::path> &resolved,
                                          std::string_view howToAdd);

// The names in folders listed so far, by their caseKey, kept for the lookups of one import.
using FolderListings
    = std::map<std::filesystem::path, std::map<std::string, std::filesystem::path>>;

// What the path names, found as the game's file system finds it: the exact name of each folder
// step and of the file where it exists, else an entry that equals it ignoring the case of A to
// Z. None when a step matches nothing. It only looks names up: whether the file found may be
// read is includeRefusal's to say.
std::optional<std::filesystem::path> existingIgnoringCase(const std::filesystem::path &path,
                                                          FolderListings &listings);

} // namespace kovrin
