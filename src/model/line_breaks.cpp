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
    std::size_t i = 0;
    while (i < text.size()) {
        // The run up to the next break goes over whole; most texts have no break at all.
        std::size_t end = i;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        out.append(text, i, end - i);
        if (end == text.size())
            return;
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        out += "\r\n";
        i = end + 1;
    }
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
