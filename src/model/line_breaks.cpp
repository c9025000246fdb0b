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

namespace {

// Each run between line breaks goes to appendRun whole; most texts have no break at all.
template<typename AppendRun>
void appendRunsWithCrlf(std::string &out, std::string_view text, AppendRun appendRun)
{
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = i;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        appendRun(out, text.substr(i, end - i));
        if (end == text.size())
            return;
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        out += "\r\n";
        i = end + 1;
    }
}

} // namespace

void appendWithCrlfLineBreaks(std::string &out, std::string_view text)
{
    appendRunsWithCrlf(out, text, [](std::string &to, std::string_view run) { to.append(run); });
}

void appendDecodedWithCrlfLineBreaks(std::string &out, std::string_view bytes)
{
    // Line breaks are ASCII, which decoding keeps as it is: the runs between them decode alone.
    appendRunsWithCrlf(out, bytes, appendDecodedCp1252);
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
