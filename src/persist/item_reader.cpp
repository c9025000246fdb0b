#include "persist/item_reader.h"

#include "model/line_breaks.h"

namespace kovrin {
namespace {

constexpr std::string_view kItemEnds = ",\r\n";

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
    const std::size_t begin = m_pos + 1; // after the opening quote
    const std::size_t close = m_text.find('"', begin);
    item.unclosed = close == std::string_view::npos;
    const std::size_t end = item.unclosed ? m_text.size() : close;
    // Records hold line breaks as CRLF, as the file does; a lone CR or LF from a file edited by
    // hand becomes one too.
    item.text = withCrlfLineBreaks(m_text.substr(begin, end - begin));
    m_pos = item.unclosed ? end : end + 1;
    const std::size_t rest = m_pos;
    skipTo(kItemEnds);
    item.dropped = std::string(withoutBlanksAround(m_text.substr(rest, m_pos - rest)));
    return item;
}

Item ItemReader::bareItem()
{
    const std::size_t begin = m_pos;
    skipTo(kItemEnds);
    std::size_t end = m_pos;
    while (end > begin && isBlank(m_text[end - 1]))
        --end;
    Item item;
    item.text = std::string(m_text.substr(begin, end - begin));
    return item;
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
