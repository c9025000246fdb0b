#pragma once
// The names of the files a save makes beside its target: ".NAME.PID.1a2b3c4d.tmp" for the new
// bytes, ending ".old" for the copy a save in place keeps. Hidden where a leading dot hides, never
// the name of a design file, and telling which process made it, so that one left by a process
// that is gone can be told and removed. Both ways, making and reading, follow the one form below.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace kovrin {

inline constexpr std::string_view kTemporaryEnding = ".tmp";
inline constexpr std::string_view kKeptCopyEnding = ".old";

// NAME is the target's name, shortened (never inside a character) so the whole keeps within the
// name limit.
std::filesystem::path temporaryName(const std::filesystem::path &target, unsigned long process,
                                    std::uint32_t random,
                                    std::string_view ending = kTemporaryEnding);

// The process that made a temporary file (ending kTemporaryEnding), from its name; none for any
// other name.
std::optional<unsigned long> temporaryOwner(const std::filesystem::path &file);

} // namespace kovrin
