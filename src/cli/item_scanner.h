#pragma once
// Splits a design file into items by the same rules as the reader, and also keeps what the reader
// silently drops: the characters after a text item's closing quote (a double quote inside a text
// ends it early) and whether a text item ran to the end of the file without its closing quote.

#include <cstddef>
#include <string>
#include <string_view>

namespace kovrin {

struct ScannedItem
{
    std::string text; // as the reader takes it
    bool quoted = false;
    std::string dropped; // non-blank characters between the closing quote and the item's end
    bool unclosed = false;
};

class ItemScanner
{
public:
    explicit ItemScanner(std::string_view text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    ScannedItem next();

private:
    void skipBlanks();
    void skipToItemEnd();
    void skipDelimiter();

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace kovrin
