#pragma once
// The 8-bit code page of the design file and the generated code (Windows-1252). Text inside the
// program is UTF-8; conversion happens only at the file boundary.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kovrin {

struct EncodedText
{
    std::string bytes;
    bool replaced = false; // a character the code page cannot hold was written as "?"
};

EncodedText encodeCp1252(std::string_view utf8);
// The same, appended to out; true when a character was written as "?".
bool appendCp1252(std::string &out, std::string_view utf8);

// Every byte has a character: the five bytes Windows-1252 leaves undefined map to the control
// characters of the same number, so they survive a round trip.
std::string decodeCp1252(std::string_view bytes);
// The same, appended to out.
void appendDecodedCp1252(std::string &out, std::string_view bytes);
// How many bytes of UTF-8 those bytes decode to, so that room for them is made at once.
std::size_t decodedCp1252Size(std::string_view bytes);

// Where the first of those five undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stands; npos
// when there is none. Text written by the program never holds one.
std::size_t findUndefinedCp1252(std::string_view bytes);

// The code page the generated code is written in: Windows-1252 like the design file (the game's
// own tools read it), or UTF-8 for texts that code page cannot hold.
enum class CodeEncoding { Windows1252, Utf8 };

// The word the command line and the settings take: "windows-1252", "utf-8".
std::string_view encodingWord(CodeEncoding encoding);
// The word in any case, "cp1252" and "utf8" too; none for any other.
std::optional<CodeEncoding> encodingOfWord(std::string_view word);

// Whether a UTF-8 text can be written without replacement.
bool fitsCp1252(std::string_view utf8);

} // namespace kovrin
