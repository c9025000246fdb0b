#pragma once
// Splits the text of a design file into items. Items end at a line end or at a comma outside
// quotes; blanks before an item are skipped. An item that opens with a double quote is a text
// item running to the next double quote, across line ends, and whatever follows its closing
// quote up to the next comma or line end is skipped; the item keeps note of what was dropped, so
// that a text cut short can be told. An empty line is an empty item.

#include <cstddef>
#include <string>
#include <string_view>

namespace kovrin {

struct Item
{
    std::string text; // line breaks inside a text item are CRLF
    bool quoted = false;
    // A text item only: the non-blank characters dropped between its closing quote and the end of
    // the item (a double quote inside a text ends it early), and whether it ran to the end of the
    // file without its closing quote.
    std::string dropped;
    bool unclosed = false;
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
