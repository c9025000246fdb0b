#pragma once
// Which file a path names, whatever its spelling: the device and inode on POSIX, the volume
// serial number and file index on Windows. A command records every file it read, so that it
// never writes over one of them, however the output is spelled (another path, a link, a hard
// link).

#include "model/status.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

namespace kovrin {

struct FileIdentity
{
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    // How many names the file has; a save keeps them all by writing such a file in place.
    std::uint64_t links = 1;
    // The same file, whatever names it gained or lost since.
    bool operator==(const FileIdentity &other) const
    {
        return volume == other.volume && file == other.file;
    }
};

// None when the path names no existing file; a link is followed.
std::optional<FileIdentity> fileIdentityOf(const std::filesystem::path &path);

// The files a command or a session read, each with the path it was read by.
class FilesRead
{
public:
    void add(const std::filesystem::path &path);
    void add(const FilesRead &other);
    void clear() { m_files.clear(); }

    // The path a file read was read by when the path given names it, else none.
    std::optional<std::filesystem::path> readAs(const std::filesystem::path &path) const;

private:
    std::vector<std::pair<FileIdentity, std::filesystem::path>> m_files;
};

// Refuses an output that is one of the files read, naming both; nothing is to be written then.
Status outputIsNotRead(const FilesRead &read, const std::filesystem::path &output);

} // namespace kovrin
