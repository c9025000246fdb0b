#pragma once
// The files the program reads and writes. Reading takes a whole file; writing replaces a file
// the way trusted editors save (file_replace.cpp, the one place that calls the platform):
//  - a symbolic link is saved through: the file it names gets the bytes, the link stays;
//  - a regular file is replaced whole or not at all: the bytes go to a temporary file created
//    exclusively beside it with its permissions, are flushed to disk, and the temporary file is
//    renamed over it (then the folder is flushed where the platform has that); a new file gets
//    the user's default permissions; a failed or interrupted save removes its temporary file;
//  - a read-only file is refused, naming it;
//  - a device or a named pipe (/dev/null, NUL, a pipe) is written to directly as a stream;
//  - a folder or any other kind of file is refused.

#include "model/status.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kovrin {

// The largest design file read: far above any real design (10,000 controls take a few MB), and
// what the reader can hold a few times over in memory.
inline constexpr std::size_t kMaxDesignFileBytes = 256u * 1024u * 1024u;

// The whole file, refused when it holds more than maxBytes: a regular file from its size, before
// anything is read; a device or a pipe as soon as more has come, so /dev/zero ends too.
Result<std::string> readWholeFile(const std::filesystem::path &path, std::size_t maxBytes);
// "256 MB" for whole megabytes, else "N bytes".
std::string sizeLimitText(std::size_t bytes);

// On failure the target is left as it was and the message names the file and the reason.
Status writeFileAtomically(const std::filesystem::path &path, std::string_view bytes);

// Whether two paths name one existing file, also through a link, another spelling of the path
// or a hard link.
bool isSameFile(const std::filesystem::path &first, const std::filesystem::path &second);

// A message about a file: its path quoted as messages quote paths, then the reason.
std::string fileProblem(const std::filesystem::path &path, std::string_view reason);

} // namespace kovrin
