#include "cli/item_scanner.h"

namespace kovrin {
namespace {

constexpr std::string_view kItemEnds = ",\r\n";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

ScannedItem ItemScanner::next()
{
    skipBlanks();
    ScannedItem item;
    const std::size_t begin = m_pos;
    if (!atEnd() && m_text[m_pos] == '"') {
        item.quoted = true;
        const std::size_t close = m_text.find('"', m_pos + 1);
        item.unclosed = close == std::string_view::npos;
        const std::size_t end = item.unclosed ? m_text.size() : close;
        for (std::size_t i = begin + 1; i < end; ++i) {
            if (m_text[i] == '\r' || m_text[i] == '\n') {
                if (m_text[i] == '\r' && i + 1 < end && m_text[i + 1] == '\n')
                    ++i;
                item.text += "\r\n";
            } else {
                item.text += m_text[i];
            }
        }
        m_pos = item.unclosed ? end : end + 1;
        const std::size_t restBegin = m_pos;
        skipToItemEnd();
        std::string_view rest = m_text.substr(restBegin, m_pos - restBegin);
        while (!rest.empty() && isBlank(rest.back()))
            rest.remove_suffix(1);
        while (!rest.empty() && isBlank(rest.front()))
            rest.remove_prefix(1);
        item.dropped = std::string(rest);
    } else {
        skipToItemEnd();
        std::size_t end = m_pos;
        while (end > begin && isBlank(m_text[end - 1]))
            --end;
        item.text = std::string(m_text.substr(begin, end - begin));
    }
    skipDelimiter();
    return item;
}

void ItemScanner::skipBlanks()
{
    while (!atEnd() && isBlank(m_text[m_pos]))
        ++m_pos;
}

void ItemScanner::skipToItemEnd()
{
    const std::size_t found = m_text.find_first_of(kItemEnds, m_pos);
    m_pos = found == std::string_view::npos ? m_text.size() : found;
}

void ItemScanner::skipDelimiter()
{
    if (atEnd())
        return;
    const char c = m_text[m_pos++];
    if (c == '\r' && !atEnd() && m_text[m_pos] == '\n')
        ++m_pos;
}

} // namespace kovrin
