#pragma once
// The files the program reads and writes. Reading takes a whole file; writing replaces a file
// the way trusted editors save (file_replace.cpp, the one place that calls the platform):
//  - a symbolic link is saved through: the file it names gets the bytes, the link stays;
//  - a regular file is replaced whole or not at all: the bytes go to a temporary file created
//    exclusively beside it with its permissions, are flushed to disk, and the temporary file is
//    renamed over it (then the folder is flushed where the platform has that); a new file gets
//    the user's default permissions; a failed or interrupted save removes its temporary file,
//    also when a signal ends the program at any moment of it. The temporary file's name holds
//    the number of the process that made it and keeps within the 255-unit name limit;
//  - a regular file with several names (hard links) is written in place, so that every name
//    sees the new bytes: its old bytes are first copied to a private file beside it, then the
//    new bytes are written from the start, the file is cut to their size and flushed; on a
//    failure the old bytes are put back from the copy (the message says so, or names the copy
//    when even that fails); on success the copy goes. A program ended during such a save leaves
//    the copy, ".NAME.PID.RANDOM.old";
//  - a read-only file is refused, naming it;
//  - a device or a named pipe (/dev/null, NUL, a pipe) is written to directly as a stream;
//  - a folder or any other kind of file is refused.

#include "model/status.h"
#include "persist/byte_source.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kovrin {

// The largest design file read: far above any real design (10,000 controls take a few MB), and
// what the reader can hold a few times over in memory.
inline constexpr std::size_t kMaxDesignFileBytes = 256u * 1024u * 1024u;

// The whole file, refused when it holds more than maxBytes: a regular file from its size, before
// anything is read; a device or a pipe as soon as more has come, so /dev/zero ends too.
Result<std::string> readWholeFile(const std::filesystem::path &path, std::size_t maxBytes);
// The same file to be read a piece at a time (byte_source.h): a regular file stays on disk and is
// read as the reader asks, so only a piece of it is held; a device or a pipe, which cannot be read
// twice, is read whole first. Refused as readWholeFile refuses it. Before the source is given,
// each piece passes through `see` once, in order, so whatever must be known of the whole file (a
// byte no design holds) is known before anything is made of it.
Result<std::unique_ptr<ByteSource>> openFileBytes(const std::filesystem::path &path,
                                                  std::size_t maxBytes, std::size_t pieceSize,
                                                  const std::function<void(std::string_view)> &see);
// "it is larger than 256 MB, the most Kovrin reads", naming the file.
std::string tooLargeProblem(const std::filesystem::path &path, std::size_t maxBytes);

// The note of which design file a piece of autosaved work belongs to: one path, far below this.
inline constexpr std::size_t kMaxSourceNoteBytes = 64u * 1024u;

// A file the program keeps for itself (autosaved work, its note) is used only when it is a
// regular file, not a link, of at most maxBytes: a device or a pipe put in its place is refused
// without being opened. No file at all is no problem.
Status checkOwnFile(const std::filesystem::path &path, std::size_t maxBytes);

// "256 MB" for whole megabytes, else "N bytes".
std::string sizeLimitText(std::size_t bytes);

// The longest name of a file in a folder, in the units of the system's names (bytes on POSIX,
// UTF-16 units on Windows).
inline constexpr std::size_t kLongestFileName = 255;

// On failure the target is left as it was and the message names the file and the reason.
Status writeFileAtomically(const std::filesystem::path &path, std::string_view bytes);

// Removes from folder the temporary files of saves whose process no longer runs; how many.
std::size_t removeLeftTemporaries(const std::filesystem::path &folder);

// Whether two paths name one existing file, also through a link, another spelling of the path
// or a hard link.
bool isSameFile(const std::filesystem::path &first, const std::filesystem::path &second);

// A message about a file: its path quoted as messages quote paths, then the reason.
std::string fileProblem(const std::filesystem::path &path, std::string_view reason);

} // namespace kovrin
