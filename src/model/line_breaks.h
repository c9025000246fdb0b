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

// Whether the text holds a CR or an LF.
bool hasLineBreak(std::string_view text);

// The text with every line break made "\n", as a text widget shows it.
std::string withLfLineBreaks(std::string_view text);

} // namespace kovrin
