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

// The same for bytes seen a piece at a time.
class UndecodableBytes
{
public:
    void see(std::string_view piece);
    std::optional<std::string> reason() const;

private:
    bool m_nul = false;
    int m_undefined = -1; // the first byte Windows-1252 leaves undefined
};

// A record that shows the file to be a design: a dialog header, or a control of a kind Kovrin
// knows. A file with records but none of these is refused.
bool showsDesign(const ScannedRecord &record);

// The file holds nothing, or its version line alone: what Save writes for an empty set. It has
// no record, and loads as an empty set.
bool holdsEmptyDesign(std::string_view text);

// The same for bytes seen a piece at a time, without holding them.
class EmptyDesignWatch
{
public:
    void see(std::string_view piece);
    bool holdsEmptyDesign() const;

private:
    void seeInFirstLine(char c);

    bool m_any = false;
    bool m_inFirstLine = true;
    bool m_restBlank = true; // after the first line, nothing but line ends and blanks
    // The first line without the blanks around it: its length, first and last character, the
    // blanks seen after its last character, and which characters it holds.
    std::size_t m_length = 0;
    std::size_t m_pendingBlanks = 0;
    char m_first = 0;
    char m_last = 0;
    bool m_firstOther = false; // its first character is neither a digit nor a point
    std::size_t m_others = 0; // such characters after the first, blanks inside it included
    bool m_point = false;
    bool m_digit = false;
};

// Why a file with neither an empty design nor a record that shows one is refused.
inline constexpr std::string_view kNoDesignRecord
    = "it holds no dialog header and no control of a kind Kovrin knows";

// The refusal, naming the file.
std::string notADesignFile(const std::filesystem::path &path, std::string_view reason);

} // namespace kovrin
