#pragma once
// Builds the bytes of a design file one item per line: text items between double quotes, number
// items bare, CRLF after each, Windows-1252 throughout. Keeps note of every text that the code
// page could not hold and of every text that would not read back whole, so the user can be told.

#include "model/colour_value.h"

#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

class ItemWriter
{
public:
    // `where` names the text in a report should its characters not fit the code page or should
    // it not read back (a double quote inside, or a whole "###"). A line break inside the text
    // ("\n", "\r\n" or "\r") is written as CRLF.
    void text(std::string_view utf8, std::string_view where);
    // A fixed text of the format (version, grid key, end mark), never reported.
    void mark(std::string_view text);
    void number(std::string_view digits);
    // A number component as a number item, a text component as a text item unchanged, an unset
    // colour as four items 0.
    void colour(const ColourValue &colour, std::string_view where);

    const std::string &bytes() const { return m_bytes; }
    std::string takeBytes() { return std::move(m_bytes); }
    const std::vector<std::string> &replacedTexts() const { return m_replaced; }
    const std::vector<std::string> &unreadableTexts() const { return m_unreadable; }
    // For texts that read back changed for reasons only the caller knows.
    void noteUnreadable(std::string_view where);

private:
    void endLine();
    std::string m_bytes;
    std::vector<std::string> m_replaced;
    std::vector<std::string> m_unreadable;
};

} // namespace kovrin
