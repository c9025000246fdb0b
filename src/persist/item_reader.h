#pragma once
// Splits the bytes of a design file (Windows-1252) into items, decoding each to UTF-8 only as it
// is taken; the separators are ASCII, which reads the same in both. Items end at a line end or at a
// comma outside quotes; blanks before an item are skipped. An item that opens with a double quote
// is a text item running to the next double quote, across line ends, and whatever follows its
// closing quote up to the next comma or line end is skipped; the item keeps note of what was
// dropped, so that a text cut short can be told. An empty line is an empty item.
//
// The bytes come a piece at a time (byte_source.h). An item that lies whole in the piece at hand
// is found there; a longer one, which only a text of a piece's size or more makes, is found and
// decoded piece by piece, so it is never held both as bytes and as text.

#include "persist/byte_source.h"

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
    // Views of the piece at hand, valid until the reader moves on; an item longer than a piece
    // leaves them empty but for a short text, held by the reader so that it can be compared.
    std::string_view text;
    std::string_view dropped;
    // Where the text and the dropped characters stand in the bytes, which can be read again.
    std::size_t textAt = 0;
    std::size_t textSize = 0;
    std::size_t droppedAt = 0;
    std::size_t droppedSize = 0;
    std::size_t decodedSize = 0; // at least the bytes of its text decoded, line breaks made CRLF
    bool quoted = false;
    bool unclosed = false;
    bool inPiece = true; // text and dropped are views of the piece at hand
    std::size_t next = 0; // where the item after it starts
};

class ItemReader
{
public:
    // Bytes already held, all in one piece.
    explicit ItemReader(std::string_view bytes);
    explicit ItemReader(ByteSource &source);
    ItemReader(const ItemReader &) = delete;
    ItemReader &operator=(const ItemReader &) = delete;

    bool atEnd() const { return m_at >= m_size; }
    // Whether the file ends right after the item.
    bool endsFile(const ItemSpan &span) const { return span.next >= m_size; }
    // Back to the first item.
    void restart() { m_at = 0; }

    // The next item; at the end of the text, an empty one.
    Item next();
    // The same into an item whose texts are overwritten, so their room is used again.
    void next(Item &item);

    // The next item found but not taken, so a caller can look before it copies.
    ItemSpan peek();
    // Past a found item, decoding it into `item` or not.
    void take(const ItemSpan &span, Item &item);
    void skip(const ItemSpan &span) { m_at = span.next; }

    // An item found earlier decoded again into `item`, read from its place in the bytes; the
    // reading stays where it is.
    void decodeAgain(const ItemSpan &span, Item &item);

private:
    // Into a span as made: false, when the item runs past the piece, with the span half written.
    bool findInPiece(ItemSpan &span) const;
    ItemSpan findLong();
    void decode(const ItemSpan &span, Item &item);
    void decodeFromBytes(const ItemSpan &span, Item &item);
    // After the source was read elsewhere: its piece is gone, and a file that shrank is shorter.
    void dropPiece()
    {
        m_piece = {};
        m_size = m_source->size();
    }

    MemoryBytes m_held;
    ByteSource *m_source;
    std::size_t m_size; // of the bytes, asked once rather than at every item
    std::string_view m_piece; // the piece at hand
    std::size_t m_pieceAt = 0; // where it starts in the bytes
    std::size_t m_at = 0; // where the next item starts
    std::string m_shortText; // a long item's text when it is short (blanks around it)
};

} // namespace kovrin
