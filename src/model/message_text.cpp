#include "model/message_text.h"

#include "model/utf8_sequence.h"

#include <array>

namespace kovrin {
namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

void appendHex(std::string &out, std::string_view prefix, unsigned value, int digits)
{
    static constexpr std::array<char, 16> kDigits {'0', '1', '2', '3', '4', '5', '6', '7',
                                                   '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    out += prefix;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xF];
}

// The first `characters` characters of a text (a byte that is no UTF-8 counts as one).
std::string_view firstCharacters(std::string_view text, std::size_t characters, bool &cut)
{
    std::size_t at = 0;
    for (std::size_t count = 0; at < text.size(); ++count) {
        if (count == characters) {
            cut = true;
            return text.substr(0, at);
        }
        const std::size_t length = utf8SequenceLength(text, at);
        at += length == 0 ? 1 : length;
    }
    cut = false;
    return text;
}

// The last `characters` characters of a text.
std::string_view lastCharacters(std::string_view text, std::size_t characters, bool &cut)
{
    std::size_t at = text.size();
    for (std::size_t count = 0; at > 0 && count < characters; ++count) {
        // Back over one character: a lead byte and up to three continuation bytes.
        std::size_t step = 0;
        do {
            --at;
            ++step;
        } while (at > 0 && step < 4 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
    }
    cut = at > 0;
    return text.substr(at);
}

} // namespace

std::string escapedControls(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = utf8SequenceLength(utf8, at);
        if (length == 0) {
            appendHex(out, "\\x", byte, 2);
            ++at;
            continue;
        }
        if (byte == '\r')
            out += "\\r";
        else if (byte == '\n')
            out += "\\n";
        else if (byte == '\t')
            out += "\\t";
        else if (byte < 0x20 || byte == 0x7F)
            appendHex(out, "\\x", byte, 2);
        else if (byte == 0xC2 && static_cast<unsigned char>(utf8[at + 1]) < 0xA0)
            appendHex(out, "\\u00", static_cast<unsigned char>(utf8[at + 1]), 2);
        else
            out.append(utf8.substr(at, length));
        at += length;
    }
    return out;
}

std::string_view firstLine(std::string_view text)
{
    return text.substr(0, text.find_first_of("\r\n"));
}

std::string quotedText(std::string_view utf8)
{
    bool cut = false;
    const std::string_view shown = firstCharacters(utf8, kLongestQuotation, cut);
    std::string out = "\"" + escapedControls(shown);
    if (cut)
        out += kEllipsis;
    return out + "\"";
}

std::string quotedPath(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    const std::string_view utf8(reinterpret_cast<const char *>(text.data()), text.size());
    bool cut = false;
    const std::string_view shown = lastCharacters(utf8, kLongestQuotation, cut);
    std::string out = "\"";
    if (cut)
        out += kEllipsis;
    return out + escapedControls(shown) + "\"";
}

} // namespace kovrin
