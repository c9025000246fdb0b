#include "persist/design_recognition.h"

#include "model/code_page.h"
#include "model/control_kind.h"
#include "model/message_text.h"

#include <algorithm>
#include <cstdio>

namespace kovrin {
namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isDigitOrPoint(char c)
{
    return c == '.' || (c >= '0' && c <= '9');
}

} // namespace

std::optional<std::string> undecodableReason(std::string_view bytes)
{
    UndecodableBytes check;
    check.see(bytes);
    return check.reason();
}

void UndecodableBytes::see(std::string_view piece)
{
    m_nul = m_nul || piece.find('\0') != std::string_view::npos;
    if (m_undefined >= 0)
        return;
    if (const std::size_t undefined = findUndefinedCp1252(piece);
        undefined != std::string_view::npos)
        m_undefined = static_cast<int>(static_cast<unsigned char>(piece[undefined]));
}

std::optional<std::string> UndecodableBytes::reason() const
{
    if (m_nul)
        return "it holds a NUL byte";
    if (m_undefined < 0)
        return std::nullopt;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(m_undefined) & 0xFFu);
    return "it holds the byte " + std::string(hex) + ", which Windows-1252 does not define";
}

bool showsDesign(const ScannedRecord &record)
{
    return record.header || kindFromWord(record.slots[design::CtrlType].text).has_value();
}

bool holdsEmptyDesign(std::string_view text)
{
    EmptyDesignWatch watch;
    watch.see(text);
    return watch.holdsEmptyDesign();
}

void EmptyDesignWatch::see(std::string_view piece)
{
    m_any = m_any || !piece.empty();
    std::size_t i = 0;
    for (; m_inFirstLine && i < piece.size(); ++i) {
        if (isLineEnd(piece[i]))
            m_inFirstLine = false;
        else
            seeInFirstLine(piece[i]);
    }
    for (; m_restBlank && i < piece.size(); ++i)
        m_restBlank = isLineEnd(piece[i]) || isBlank(piece[i]);
}

void EmptyDesignWatch::seeInFirstLine(char c)
{
    if (isBlank(c)) {
        // Blanks before the line's first character are not part of it; those before a later
        // character are, and no version holds them.
        if (m_length > 0)
            ++m_pendingBlanks;
        return;
    }
    m_others += m_pendingBlanks;
    m_pendingBlanks = 0;
    if (m_length == 0) {
        m_first = c;
        m_firstOther = !isDigitOrPoint(c);
    } else if (!isDigitOrPoint(c)) {
        ++m_others;
    }
    m_last = c;
    ++m_length;
    m_point = m_point || c == '.';
    m_digit = m_digit || (c >= '0' && c <= '9');
}

// The first line is a version: digits with a point among them ("0.61"), quoted or not.
bool EmptyDesignWatch::holdsEmptyDesign() const
{
    if (!m_any)
        return true;
    const bool quoted = m_length >= 2 && m_first == '"' && m_last == '"';
    // Quoted, the closing quote is the one other character allowed after the first.
    const bool digitsAndPoints = quoted ? m_others == 1 : !m_firstOther && m_others == 0;
    return m_restBlank && digitsAndPoints && m_point && m_digit;
}

std::string notADesignFile(const std::filesystem::path &path, std::string_view reason)
{
    return quotedPath(path) + " is not a Kovrin design file: " + std::string(reason) + ".";
}

} // namespace kovrin
