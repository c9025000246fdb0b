#include "model/line_breaks.h"

#include "model/code_page.h"

namespace kovrin {

std::string withCrlfLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    appendWithCrlfLineBreaks(out, text);
    return out;
}

void appendWithCrlfLineBreaks(std::string &out, std::string_view text)
{
    splitAtLineBreaks(
        text, [&out](std::string_view line) { out += line; }, [&out] { out += "\r\n"; });
}

void appendDecodedWithCrlfLineBreaks(std::string &out, std::string_view bytes)
{
    // Line breaks are ASCII, which decoding keeps as it is: the runs between them decode alone.
    splitAtLineBreaks(
        bytes, [&out](std::string_view line) { appendDecodedCp1252(out, line); },
        [&out] { out += "\r\n"; });
}

std::size_t crlfGrowth(std::string_view text)
{
    std::size_t lone = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        else if (text[i] == '\r' || text[i] == '\n')
            ++lone;
    }
    return lone;
}

bool hasLineBreak(std::string_view text)
{
    for (char c : text) {
        if (c == '\r' || c == '\n')
            return true;
    }
    return false;
}

std::string withLfLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += '\n';
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace kovrin
