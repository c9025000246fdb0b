#include "model/line_breaks.h"

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
