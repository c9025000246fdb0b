#include "persist/item_writer.h"

#include "model/code_page.h"
#include "model/line_breaks.h"
#include "model/number_text.h"

#include <charconv>

namespace kovrin {

void PlaceNotes::add(const design::Place &where)
{
    std::string line = where.text();
    if (m_named.insert(line).second)
        m_lines.push_back(std::move(line));
}

void ItemWriter::text(std::string_view utf8, const design::Place &where)
{
    // A reader ends a text item at the next double quote and a record at a whole "###".
    if (utf8.find('"') != std::string_view::npos || utf8 == design::kEndMark)
        m_unreadable.add(where);
    m_bytes += '"';
    // Line by line, each break written as CRLF: a huge text is never copied first.
    bool replaced = false;
    splitAtLineBreaks(
        utf8,
        [this, &replaced](std::string_view line) {
            replaced = appendCp1252(m_bytes, line) || replaced;
        },
        [this] { m_bytes += "\r\n"; });
    if (replaced)
        m_replaced.add(where);
    m_bytes += '"';
    endLine();
}

void ItemWriter::mark(std::string_view text)
{
    m_bytes += '"';
    m_bytes += text;
    m_bytes += '"';
    endLine();
}

void ItemWriter::number(float value)
{
    appendSingleText(m_bytes, value, '.');
    endLine();
}

void ItemWriter::number(std::int32_t value)
{
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value);
    m_bytes.append(digits, end.ptr);
    endLine();
}

void ItemWriter::colour(const ColourValue &colour, const design::Place &where)
{
    for (std::size_t i = 0; i < 4; ++i) {
        if (!colour) {
            m_bytes += '0';
            endLine();
            continue;
        }
        const ColourComponent &component = (*colour)[i];
        if (const double *value = std::get_if<double>(&component)) {
            appendDoubleText(m_bytes, *value, '.');
            endLine();
        } else {
            text(std::get<std::string>(component), where);
        }
    }
}

void ItemWriter::endLine()
{
    m_bytes += "\r\n";
}

} // namespace kovrin
