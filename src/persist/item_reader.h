#pragma once
// Splits the text of a design file into items. Items end at a line end or at a comma outside
// quotes; blanks before an item are skipped. An item that opens with a double quote is a text
// item running to the next double quote, across line ends, and whatever follows its closing
// quote up to the next comma or line end is skipped. An empty line is an empty item.

#include <cstddef>
#include <string>
#include <string_view>

namespace kovrin {

struct Item
{
    std::string text; // line breaks inside a text item are CRLF
    bool quoted = false;
};

class ItemReader
{
public:
    explicit ItemReader(std::string_view text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    // The next item; at the end of the text, an empty one.
    Item next();

private:
    Item quotedItem();
    Item bareItem();
    void skipTo(std::string_view stops);
    void skipDelimiter();

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace kovrin
