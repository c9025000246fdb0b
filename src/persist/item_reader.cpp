#include "persist/item_reader.h"

#include "model/code_page.h"
#include "model/line_breaks.h"

#include <algorithm>

namespace kovrin {
namespace {

bool endsItem(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

// The next comma or line end from `from` on, or the end of the text. A plain loop: find_first_of
// searches the stop set once for every character.
std::size_t itemEnd(std::string_view text, std::size_t from)
{
    while (from < text.size() && !endsItem(text[from]))
        ++from;
    return from;
}

// Reads the bytes from `from` on, piece by piece, up to the first byte `stop` holds for or the
// end of the bytes, and passes each piece up to there to `each` with its place. Returns where it
// stopped.
template<typename Stop, typename Each>
std::size_t readUntil(ByteSource &source, std::size_t from, Stop stop, Each each)
{
    while (from < source.size()) {
        const std::string_view piece = source.bytesAt(from, source.pieceSize());
        if (piece.empty())
            break;
        std::size_t i = 0;
        while (i < piece.size() && !stop(piece[i]))
            ++i;
        each(piece.substr(0, i), from);
        if (i < piece.size())
            return from + i;
        from += piece.size();
    }
    return std::min(from, source.size());
}

// Room for bytes decoded with their line breaks made CRLF: a CR ending one piece and the LF
// starting the next count twice, which only leaves a byte to spare.
std::size_t decodedRoom(std::string_view piece, bool crlf)
{
    return decodedCp1252Size(piece) + (crlf ? crlfGrowth(piece) : 0);
}

// A short text of an item longer than a piece is held, so that a caller can compare it.
constexpr std::size_t kHeldShortText = 64;

} // namespace

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view withoutBlanksAround(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

ItemReader::ItemReader(std::string_view bytes)
    : m_held(bytes)
    , m_source(&m_held)
    , m_size(m_source->size())
{
}

ItemReader::ItemReader(ByteSource &source)
    : m_held({})
    , m_source(&source)
    , m_size(source.size())
{
}

Item ItemReader::next()
{
    Item item;
    next(item);
    return item;
}

void ItemReader::next(Item &item)
{
    take(peek(), item);
}

ItemSpan ItemReader::peek()
{
    // One span returned on every path, so that it is made in place rather than copied.
    ItemSpan span;
    if (findInPiece(span))
        return span;
    if (m_piece.empty() || m_pieceAt != m_at) {
        // The piece that starts with the item.
        m_piece = m_source->bytesAt(m_at, m_source->pieceSize());
        m_pieceAt = m_at;
        m_size = m_source->size();
        span = ItemSpan {};
        if (findInPiece(span))
            return span;
    }
    span = findLong();
    return span;
}

bool ItemReader::findInPiece(ItemSpan &span) const
{
    if (m_at < m_pieceAt || m_at - m_pieceAt > m_piece.size())
        return false;
    const std::string_view text = m_piece;
    const bool endsFile = m_pieceAt + text.size() >= m_size;
    std::size_t pos = m_at - m_pieceAt;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    std::size_t begin = pos;
    std::size_t end = pos;
    if (pos < text.size() && text[pos] == '"') {
        span.quoted = true;
        begin = pos + 1; // after the opening quote
        const std::size_t close = text.find('"', begin);
        if (close == std::string_view::npos && !endsFile)
            return false;
        span.unclosed = close == std::string_view::npos;
        end = span.unclosed ? text.size() : close;
        const std::size_t rest = span.unclosed ? end : end + 1;
        pos = itemEnd(text, rest);
        std::size_t dropped = rest;
        std::size_t droppedEnd = pos;
        while (dropped < droppedEnd && isBlank(text[dropped]))
            ++dropped;
        while (droppedEnd > dropped && isBlank(text[droppedEnd - 1]))
            --droppedEnd;
        span.dropped = text.substr(dropped, droppedEnd - dropped);
        span.droppedAt = m_pieceAt + dropped;
        span.droppedSize = droppedEnd - dropped;
    } else {
        pos = itemEnd(text, pos);
        end = pos;
        while (end > begin && isBlank(text[end - 1]))
            --end;
    }
    // Past the delimiter: a comma, CR, LF or CRLF; a CR at the end of the piece may have its LF
    // in the next.
    if (pos < text.size()) {
        const char c = text[pos++];
        if (c == '\r' && pos == text.size() && !endsFile)
            return false;
        if (c == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
    } else if (!endsFile) {
        return false;
    }
    span.text = text.substr(begin, end - begin);
    span.textAt = m_pieceAt + begin;
    span.textSize = end - begin;
    span.next = m_pieceAt + pos;
    return true;
}

ItemSpan ItemReader::findLong()
{
    ByteSource &source = *m_source;
    const auto none = [](std::string_view, std::size_t) {
    };
    ItemSpan span;
    span.inPiece = false;
    std::size_t begin = readUntil(
        source, m_at, [](char c) { return !isBlank(c); }, none);
    std::size_t end = begin;
    std::size_t itemStop = begin; // the comma or line end after the item
    if (begin < source.size() && source.bytesAt(begin, 1) == "\"") {
        span.quoted = true;
        ++begin;
        const std::size_t close = readUntil(
            source, begin, [](char c) { return c == '"'; },
            [&span](std::string_view piece, std::size_t) {
                span.decodedSize += decodedRoom(piece, true);
            });
        span.unclosed = close >= source.size();
        end = close;
        const std::size_t rest = span.unclosed ? close : close + 1;
        std::size_t first = std::string_view::npos;
        std::size_t last = rest;
        itemStop = readUntil(source, rest, endsItem, [&](std::string_view piece, std::size_t at) {
            for (std::size_t i = 0; i < piece.size(); ++i) {
                if (isBlank(piece[i]))
                    continue;
                first = std::min(first, at + i);
                last = at + i + 1;
            }
        });
        span.droppedAt = first == std::string_view::npos ? rest : first;
        span.droppedSize = first == std::string_view::npos ? 0 : last - first;
    } else {
        std::size_t last = begin;
        std::size_t decoded = 0;
        itemStop = readUntil(source, begin, endsItem, [&](std::string_view piece, std::size_t at) {
            decoded += decodedCp1252Size(piece);
            const std::size_t nonBlank = piece.find_last_not_of(" \t");
            if (nonBlank != std::string_view::npos)
                last = at + nonBlank + 1;
        });
        end = last;
        // The blanks after the text decode to one byte each.
        span.decodedSize = decoded - (itemStop - end);
    }
    std::size_t next = itemStop;
    if (next < source.size()) {
        const std::string_view delimiter = source.bytesAt(next, 2);
        next += delimiter.substr(0, 2) == "\r\n" ? 2 : 1;
    }
    span.textAt = begin;
    span.textSize = end - begin;
    span.next = next;
    m_shortText.clear();
    if (span.textSize <= kHeldShortText)
        m_shortText = source.bytesAt(span.textAt, span.textSize);
    span.text = m_shortText;
    dropPiece();
    return span;
}

void ItemReader::take(const ItemSpan &span, Item &item)
{
    decode(span, item);
    skip(span);
}

void ItemReader::decode(const ItemSpan &span, Item &item)
{
    if (!span.inPiece) {
        decodeFromBytes(span, item);
        return;
    }
    item.quoted = span.quoted;
    item.unclosed = span.unclosed;
    // Cleared and appended: for short texts far cheaper than assigning through a replace.
    item.dropped.clear();
    appendDecodedCp1252(item.dropped, span.dropped);
    item.text.clear();
    const std::size_t decoded = decodedCp1252Size(span.text);
    if (decoded == span.text.size()) {
        // ASCII, the common case, reads as it stands.
        if (span.quoted)
            appendWithCrlfLineBreaks(item.text, span.text);
        else
            item.text.append(span.text);
        return;
    }
    if (span.quoted) {
        // Records hold line breaks as CRLF, as the file does; a lone CR or LF from a file edited
        // by hand becomes one too.
        item.text.reserve(decoded + crlfGrowth(span.text));
        appendDecodedWithCrlfLineBreaks(item.text, span.text);
    } else {
        item.text.reserve(decoded);
        appendDecodedCp1252(item.text, span.text);
    }
}

void ItemReader::decodeAgain(const ItemSpan &span, Item &item)
{
    decodeFromBytes(span, item);
}

// Piece by piece, into room made at once: a long text is never held twice while it grows.
void ItemReader::decodeFromBytes(const ItemSpan &span, Item &item)
{
    ByteSource &source = *m_source;
    // A CR ending a piece is held over to the next, where its LF may stand.
    const auto eachPiece = [&source](std::size_t at, std::size_t size, bool crlf, auto use) {
        const std::size_t end = at + size;
        while (at < end) {
            std::string_view piece = source.bytesAt(at, std::min(end - at, source.pieceSize()));
            if (piece.empty())
                break;
            if (crlf && piece.size() > 1 && at + piece.size() < end && piece.back() == '\r')
                piece.remove_suffix(1);
            use(piece);
            at += piece.size();
        }
    };
    item.quoted = span.quoted;
    item.unclosed = span.unclosed;
    item.dropped.clear();
    eachPiece(span.droppedAt, span.droppedSize, false,
              [&item](std::string_view piece) { appendDecodedCp1252(item.dropped, piece); });
    item.text.clear();
    std::size_t room = span.decodedSize;
    if (room == 0)
        eachPiece(span.textAt, span.textSize, span.quoted, [&room, &span](std::string_view piece) {
            room += decodedRoom(piece, span.quoted);
        });
    item.text.reserve(room);
    eachPiece(span.textAt, span.textSize, span.quoted, [&item, &span](std::string_view piece) {
        if (span.quoted)
            appendDecodedWithCrlfLineBreaks(item.text, piece);
        else
            appendDecodedCp1252(item.text, piece);
    });
    dropPiece();
}

} // namespace kovrin
