#include "model/code_page.h"

#include "model/ignoring_case.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace kovrin {
namespace {

// Unicode of the bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kHighTable {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Where the run of ASCII bytes from `from` on ends; eight bytes are looked at together while
// none of them has its top bit set.
std::size_t asciiRun(std::string_view text, std::size_t from)
{
    constexpr std::uint64_t topBits = 0x8080808080808080u;
    while (from + 8 <= text.size()) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, text.data() + from, 8);
        if ((eight & topBits) != 0)
            break;
        from += 8;
    }
    while (from < text.size() && static_cast<std::uint8_t>(text[from]) < 0x80)
        ++from;
    return from;
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at i; an ill-formed one yields U+FFFD and advances one byte.
char32_t nextCodePoint(std::string_view s, std::size_t &i)
{
    const auto byte = [&](std::size_t k) {
        return static_cast<std::uint8_t>(s[k]);
    };
    const std::uint8_t b0 = byte(i);
    int length = 0;
    char32_t cp = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        cp = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(length) > s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < length; ++k) {
        const std::uint8_t b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

int cp1252Byte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t k = 0; k < kHighTable.size(); ++k) {
        if (kHighTable[k] == cp)
            return static_cast<int>(0x80 + k);
    }
    return -1;
}

} // namespace

EncodedText encodeCp1252(std::string_view utf8)
{
    EncodedText out;
    out.bytes.reserve(utf8.size());
    out.replaced = appendCp1252(out.bytes, utf8);
    return out;
}

bool appendCp1252(std::string &out, std::string_view utf8)
{
    bool replaced = false;
    std::size_t i = 0;
    while (i < utf8.size()) {
        // A run of ASCII, the common case, is the same in both and goes over whole.
        const std::size_t run = asciiRun(utf8, i);
        out.append(utf8, i, run - i);
        i = run;
        if (i == utf8.size())
            break;
        const int mapped = cp1252Byte(nextCodePoint(utf8, i));
        if (mapped < 0) {
            out += '?';
            replaced = true;
        } else {
            out += static_cast<char>(mapped);
        }
    }
    return replaced;
}

std::string decodeCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    appendDecodedCp1252(out, bytes);
    return out;
}

void appendDecodedCp1252(std::string &out, std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t run = asciiRun(bytes, i);
        out.append(bytes, i, run - i);
        i = run;
        if (i == bytes.size())
            break;
        const auto b = static_cast<std::uint8_t>(bytes[i++]);
        appendUtf8(out, b < 0xA0 ? kHighTable[b - 0x80] : b);
    }
}

std::size_t decodedCp1252Size(std::string_view bytes)
{
    std::size_t size = bytes.size();
    std::size_t i = 0;
    while (i < bytes.size()) {
        i = asciiRun(bytes, i);
        if (i == bytes.size())
            break;
        const auto b = static_cast<std::uint8_t>(bytes[i++]);
        // Latin-1 takes two bytes; most of 0x80..0x9F stand for characters that take three.
        size += b >= 0xA0 || kHighTable[b - 0x80] < 0x800 ? 1 : 2;
    }
    return size;
}

std::size_t findUndefinedCp1252(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        // The table maps exactly the undefined bytes to the code point of their own number.
        if (b >= 0x80 && b < 0xA0 && kHighTable[b - 0x80] == b)
            return i;
    }
    return std::string_view::npos;
}

bool fitsCp1252(std::string_view utf8)
{
    return !encodeCp1252(utf8).replaced;
}

std::string_view encodingWord(CodeEncoding encoding)
{
    return encoding == CodeEncoding::Utf8 ? "utf-8" : "windows-1252";
}

std::optional<CodeEncoding> encodingOfWord(std::string_view word)
{
    for (std::string_view utf8 : {"utf-8", "utf8"}) {
        if (equalIgnoringCase(word, utf8))
            return CodeEncoding::Utf8;
    }
    for (std::string_view cp1252 : {"windows-1252", "cp1252"}) {
        if (equalIgnoringCase(word, cp1252))
            return CodeEncoding::Windows1252;
    }
    return std::nullopt;
}

} // namespace kovrin
