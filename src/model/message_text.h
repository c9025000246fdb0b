#pragma once
// How every message shows what a user or a file supplied: a message must never drive the
// terminal or flood the screen, whatever the file held. Control characters are spelt out, long
// quotations are cut, and a list of problems names the first ones and counts the rest.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kovrin {

// Characters of a quoted name or value shown before it is cut with "…".
inline constexpr std::size_t kLongestQuotation = 60;

// UTF-8 text with every control character spelt out: "\r", "\n", "\t", "\x1b" for the others
// below 32 and DEL, "\u009b" for the C1 controls; a byte that is no UTF-8 is shown as "\xNN".
// Everything else, backslashes included, stays as it is, so escaping twice changes nothing.
std::string escapedControls(std::string_view utf8);

// A name or value between double quotes, escaped, its first 60 characters and "…" when longer.
std::string quotedText(std::string_view utf8);

// The text up to its first line break: a report that names a line of a file quotes nothing of
// the lines after it.
std::string_view firstLine(std::string_view text);

// A path between double quotes, escaped; a long one keeps its end, where the file's name is.
std::string quotedPath(const std::filesystem::path &path);

} // namespace kovrin
