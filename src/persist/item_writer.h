#pragma once
// Builds the bytes of a design file one item per line: text items between double quotes, number
// items bare, CRLF after each, Windows-1252 throughout. Keeps note of every text that the code
// page could not hold and of every text that would not read back whole, so the user can be told.
// Every item goes straight into the one buffer; a text's place is only spelt out for a note.

#include "model/colour_value.h"
#include "persist/design_fields.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace kovrin {

// Places named once each, in the order first met.
class PlaceNotes
{
public:
    void add(const design::Place &where);
    const std::vector<std::string> &lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
    std::unordered_set<std::string> m_named;
};

class ItemWriter
{
public:
    // Room for about this many bytes, so the buffer grows once.
    void reserve(std::size_t bytes) { m_bytes.reserve(bytes); }

    // `where` names the text in a report should its characters not fit the code page or should
    // it not read back (a double quote inside, or a whole "###"). A line break inside the text
    // ("\n", "\r\n" or "\r") is written as CRLF.
    void text(std::string_view utf8, const design::Place &where);
    // A fixed text of the format (version, grid key, end mark), never reported.
    void mark(std::string_view text);
    // A 32-bit field in its 7-digit form, a whole number as decimal digits.
    void number(float value);
    void number(std::int32_t value);
    // A number component as a number item, a text component as a text item unchanged, an unset
    // colour as four items 0.
    void colour(const ColourValue &colour, const design::Place &where);

    const std::string &bytes() const { return m_bytes; }
    std::string takeBytes() { return std::move(m_bytes); }
    const std::vector<std::string> &replacedTexts() const { return m_replaced.lines(); }
    const std::vector<std::string> &unreadableTexts() const { return m_unreadable.lines(); }
    // For texts that read back changed for reasons only the caller knows.
    void noteUnreadable(const design::Place &where) { m_unreadable.add(where); }

private:
    void endLine();
    std::string m_bytes;
    PlaceNotes m_replaced;
    PlaceNotes m_unreadable;
};

} // namespace kovrin
