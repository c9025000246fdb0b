#include "app/text_lines.h"

#include <algorithm>

namespace kovrin {

void TextLines::index(const QString &text)
{
    m_text = text;
    m_starts.assign(1, 0);
    m_widestColumns = 0;
    m_hasTabs = false;
    // One pass over the text: the line starts and the widest line together.
    int column = 0;
    const QChar *characters = m_text.constData();
    const int size = static_cast<int>(m_text.size());
    for (int i = 0; i < size; ++i) {
        const QChar c = characters[i];
        if (c == QLatin1Char('\n')) {
            m_widestColumns = std::max(m_widestColumns, column);
            column = 0;
            m_starts.push_back(i + 1);
            continue;
        }
        if (c == QLatin1Char('\t'))
            m_hasTabs = true;
        column = nextColumn(c, column);
    }
    m_widestColumns = std::max(m_widestColumns, column);
}

int TextLines::end(int line) const
{
    return line + 1 < count() ? start(line + 1) - 1 : static_cast<int>(m_text.size());
}

int TextLines::lineOf(int position) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    return static_cast<int>(after - m_starts.begin()) - 1;
}

int TextLines::columnOf(int position) const
{
    const int from = start(lineOf(position));
    if (!m_hasTabs)
        return position - from;
    int column = 0;
    for (int i = from; i < position; ++i)
        column = nextColumn(m_text[i], column);
    return column;
}

int TextLines::positionAt(int line, double column) const
{
    const int from = start(line);
    const int to = end(line);
    if (!m_hasTabs) {
        const int offset = static_cast<int>(column + 0.5);
        return std::clamp(from + offset, from, to);
    }
    int at = 0;
    for (int i = from; i < to; ++i) {
        const int next = nextColumn(m_text[i], at);
        // Past the middle of the character: the position after it.
        if (column < (at + next) / 2.0)
            return i;
        at = next;
    }
    return to;
}

} // namespace kovrin
