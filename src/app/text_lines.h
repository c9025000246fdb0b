#pragma once
// The lines of a long read-only text, indexed once: where each line starts, which line holds a
// position, and the columns of a fixed-pitch layout (a tab runs to the next multiple of eight).
// A line runs up to its line feed; the last line is what follows the last line feed.

#include <QString>

#include <vector>

namespace kovrin {

class TextLines
{
public:
    static constexpr int kTabColumns = 8;

    void index(const QString &text);

    const QString &text() const { return m_text; }
    int count() const { return static_cast<int>(m_starts.size()); }
    int start(int line) const { return m_starts[static_cast<std::size_t>(line)]; }
    // Where the line ends: its line feed, or the end of the text for the last line.
    int end(int line) const;
    int lineOf(int position) const;

    // The column at which the character at `position` stands.
    int columnOf(int position) const;
    // The position in the line nearest to a column, which may fall inside a character.
    int positionAt(int line, double column) const;
    // The most columns any line takes.
    int widestColumns() const { return m_widestColumns; }
    bool hasTabs() const { return m_hasTabs; }

private:
    QString m_text;
    std::vector<int> m_starts {0};
    int m_widestColumns = 0;
    bool m_hasTabs = false;
};

// The column after a character that starts at `column`.
inline int nextColumn(QChar c, int column)
{
    return c == QLatin1Char('\t') ? (column / TextLines::kTabColumns + 1) * TextLines::kTabColumns
                                  : column + 1;
}

} // namespace kovrin
