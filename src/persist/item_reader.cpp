#include "persist/item_reader.h"

namespace kovrin {
namespace {

constexpr std::string_view kItemEnds = ",\r\n";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

Item ItemReader::next()
{
    while (!atEnd() && isBlank(m_text[m_pos]))
        ++m_pos;
    Item item = (!atEnd() && m_text[m_pos] == '"') ? quotedItem() : bareItem();
    skipDelimiter();
    return item;
}

Item ItemReader::quotedItem()
{
    Item item;
    item.quoted = true;
    ++m_pos; // the opening quote
    while (!atEnd() && m_text[m_pos] != '"') {
        const char c = m_text[m_pos++];
        if (c == '\r' || c == '\n') {
            // Records hold line breaks as CRLF, as the file does; a lone CR or LF from a file
            // edited by hand becomes one too.
            if (c == '\r' && !atEnd() && m_text[m_pos] == '\n')
                ++m_pos;
            item.text += "\r\n";
        } else {
            item.text += c;
        }
    }
    if (!atEnd())
        ++m_pos; // the closing quote
    skipTo(kItemEnds);
    return item;
}

Item ItemReader::bareItem()
{
    const std::size_t begin = m_pos;
    skipTo(kItemEnds);
    std::size_t end = m_pos;
    while (end > begin && isBlank(m_text[end - 1]))
        --end;
    return Item {std::string(m_text.substr(begin, end - begin)), false};
}

void ItemReader::skipTo(std::string_view stops)
{
    const std::size_t found = m_text.find_first_of(stops, m_pos);
    m_pos = found == std::string_view::npos ? m_text.size() : found;
}

void ItemReader::skipDelimiter()
{
    if (atEnd())
        return;
    const char c = m_text[m_pos++];
    if (c == '\r' && !atEnd() && m_text[m_pos] == '\n')
        ++m_pos;
}

} // namespace kovrin
