#pragma once
// Line breaks inside texts. The design file and the generated code both end every line with
// CRLF, also inside a multi-line text, whichever break the text was typed or stored with.

#include <cstddef>
#include <string>
#include <string_view>

namespace kovrin {

// The text with every line break ("\r\n", a lone "\r" or a lone "\n") made "\r\n".
std::string withCrlfLineBreaks(std::string_view text);
// The same, appended to out.
void appendWithCrlfLineBreaks(std::string &out, std::string_view text);
// The same for Windows-1252 bytes, decoded to UTF-8 as they are appended.
void appendDecodedWithCrlfLineBreaks(std::string &out, std::string_view bytes);
// How many bytes making every line break CRLF adds: one for each lone CR or LF.
std::size_t crlfGrowth(std::string_view text);

// Calls eachLine with every run of the text between line breaks ("\r\n", a lone "\r" or a lone
// "\n"), in order, and eachBreak once between two runs. The runs are views of the text: nothing
// is copied, however large it is.
template<typename EachLine, typename EachBreak>
void splitAtLineBreaks(std::string_view text, EachLine eachLine, EachBreak eachBreak)
{
    std::size_t i = 0;
    while (i < text.size()) {
        // Most texts have no break at all and go over as one run.
        std::size_t end = i;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        eachLine(text.substr(i, end - i));
        if (end == text.size())
            return;
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        eachBreak();
        i = end + 1;
    }
}

// Whether the text holds a CR or an LF.
bool hasLineBreak(std::string_view text);

// The text with every line break made "\n", as a text widget shows it.
std::string withLfLineBreaks(std::string_view text);

} // namespace kovrin
