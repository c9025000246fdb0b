#pragma once
// Splits the bytes of a design file (Windows-1252) into items, decoding each to UTF-8 only as it
// is taken; the separators are ASCII, which reads the same in both. Items end at a line end or at a
// comma outside quotes; blanks before an item are skipped. An item that opens with a double quote
// is a text item running to the next double quote, across line ends, and whatever follows its
// closing quote up to the next comma or line end is skipped; the item keeps note of what was
// dropped, so that a text cut short can be told. An empty line is an empty item.

#include <cstddef>
#include <string>
#include <string_view>

namespace kovrin {

// Blanks are spaces and tabs; they stand around items and number values.
bool isBlank(char c);
std::string_view withoutBlanksAround(std::string_view text);

struct Item
{
    std::string text; // UTF-8; line breaks inside a text item are CRLF
    bool quoted = false;
    // A text item only: the non-blank characters dropped between its closing quote and the end of
    // the item (a double quote inside a text ends it early), and whether it ran to the end of the
    // file without its closing quote.
    std::string dropped;
    bool unclosed = false;
};

// Where the next item stands, found without copying any of it.
struct ItemSpan
{
    // The bytes as they stand: not decoded, and a text item's line breaks not made CRLF yet.
    std::string_view text;
    std::string_view dropped;
    bool quoted = false;
    bool unclosed = false;
    std::size_t next = 0; // where the item after it starts
};

class ItemReader
{
public:
    explicit ItemReader(std::string_view bytes)
        : m_text(bytes)
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    // The next item; at the end of the text, an empty one.
    Item next();
    // The same into an item whose texts are overwritten, so their room is used again.
    void next(Item &item);

    // The next item found but not taken, so a caller can look before it copies.
    ItemSpan peek() const;
    // Past a found item, decoding it into `item` or not.
    void take(const ItemSpan &span, Item &item);
    void skip(const ItemSpan &span) { m_pos = span.next; }

    // A found item decoded into `item`, whose texts are overwritten; the reading stays where it
    // is. Its room is made at once, so a long text is never held twice while it grows.
    static void decode(const ItemSpan &span, Item &item);

private:
    std::size_t itemEnd(std::size_t from) const; // the next comma or line end

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace kovrin
