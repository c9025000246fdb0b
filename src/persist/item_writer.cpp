#include "persist/item_writer.h"

#include "model/code_page.h"
#include "model/line_breaks.h"
#include "model/number_text.h"
#include "persist/design_fields.h"

#include <algorithm>

namespace kovrin {
namespace {

void noteOnce(std::vector<std::string> &notes, std::string_view where)
{
    if (std::find(notes.begin(), notes.end(), where) == notes.end())
        notes.emplace_back(where);
}

} // namespace

void ItemWriter::text(std::string_view utf8, std::string_view where)
{
    // A reader ends a text item at the next double quote and a record at a whole "###".
    if (utf8.find('"') != std::string_view::npos || utf8 == design::kEndMark)
        noteOnce(m_unreadable, where);
    const EncodedText encoded = encodeCp1252(withCrlfLineBreaks(utf8));
    if (encoded.replaced)
        noteOnce(m_replaced, where);
    m_bytes += '"';
    m_bytes += encoded.bytes;
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

void ItemWriter::noteUnreadable(std::string_view where)
{
    noteOnce(m_unreadable, where);
}

void ItemWriter::number(std::string_view digits)
{
    m_bytes += digits;
    endLine();
}

void ItemWriter::colour(const ColourValue &colour, std::string_view where)
{
    for (std::size_t i = 0; i < 4; ++i) {
        if (!colour) {
            number("0");
            continue;
        }
        const ColourComponent &component = (*colour)[i];
        if (const double *value = std::get_if<double>(&component))
            number(doubleText(*value, '.'));
        else
            text(std::get<std::string>(component), where);
    }
}

void ItemWriter::endLine()
{
    m_bytes += "\r\n";
}

} // namespace kovrin
