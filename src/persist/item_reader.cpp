#include "persist/item_reader.h"

#include "model/code_page.h"
#include "model/line_breaks.h"

namespace kovrin {
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

ItemSpan ItemReader::peek() const
{
    std::size_t pos = m_pos;
    while (pos < m_text.size() && isBlank(m_text[pos]))
        ++pos;
    ItemSpan span;
    if (pos < m_text.size() && m_text[pos] == '"') {
        span.quoted = true;
        const std::size_t begin = pos + 1; // after the opening quote
        const std::size_t close = m_text.find('"', begin);
        span.unclosed = close == std::string_view::npos;
        const std::size_t end = span.unclosed ? m_text.size() : close;
        span.text = m_text.substr(begin, end - begin);
        const std::size_t rest = span.unclosed ? end : end + 1;
        pos = itemEnd(rest);
        span.dropped = withoutBlanksAround(m_text.substr(rest, pos - rest));
    } else {
        const std::size_t begin = pos;
        pos = itemEnd(pos);
        std::size_t end = pos;
        while (end > begin && isBlank(m_text[end - 1]))
            --end;
        span.text = m_text.substr(begin, end - begin);
    }
    // Past the delimiter: a comma, CR, LF or CRLF.
    if (pos < m_text.size()) {
        const char c = m_text[pos++];
        if (c == '\r' && pos < m_text.size() && m_text[pos] == '\n')
            ++pos;
    }
    span.next = pos;
    return span;
}

void ItemReader::take(const ItemSpan &span, Item &item)
{
    decode(span, item);
    skip(span);
}

void ItemReader::decode(const ItemSpan &span, Item &item)
{
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

std::size_t ItemReader::itemEnd(std::size_t from) const
{
    // A plain loop: find_first_of searches the stop set once for every character.
    while (from < m_text.size() && m_text[from] != ',' && m_text[from] != '\r'
           && m_text[from] != '\n')
        ++from;
    return from;
}

} // namespace kovrin
