#include "codegen/code_out.h"

#include "model/code_page.h"
#include "model/line_breaks.h"

namespace kovrin {
namespace {

// Code is handed on in pieces of about this size: large enough that handing on costs nothing
// next to making, small enough that a piece is no matter beside the design.
constexpr std::size_t kPieceBytes = 64 * 1024;

void appendConverted(std::string &out, std::string_view text, bool doubleQuotes)
{
    const std::size_t start = out.size();
    appendWithCrlfLineBreaks(out, text);
    if (!doubleQuotes || out.find('"', start) == std::string::npos)
        return;
    const std::string raw = out.substr(start);
    out.resize(start);
    for (char c : raw) {
        out += c;
        if (c == '"')
            out += '"';
    }
}

// Where a piece of text from `from` ends: never inside a character, nor between the CR and the
// LF of one line break, so each piece converts as it would within the whole.
std::size_t pieceEnd(std::string_view text, std::size_t from)
{
    if (text.size() - from <= kPieceBytes)
        return text.size();
    std::size_t end = from + kPieceBytes;
    for (int back = 0; back < 3 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80; ++back)
        --end;
    if (text[end - 1] == '\r' && text[end] == '\n')
        --end;
    return end;
}

} // namespace

void EncodingSink::write(std::string_view piece)
{
    if (m_encoding == CodeEncoding::Utf8)
        m_bytes += piece;
    else
        m_replaced = appendCp1252(m_bytes, piece) || m_replaced;
}

void CodeOut::appendText(std::string_view text, bool doubleQuotes)
{
    if (text.size() <= kPieceBytes) {
        appendConverted(m_line, text, doubleQuotes);
        return;
    }
    flush();
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = pieceEnd(text, from);
        appendConverted(m_line, text.substr(from, end - from), doubleQuotes);
        flush();
        from = end;
    }
}

void CodeOut::endLine()
{
    m_line += "\r\n";
    if (m_line.size() >= kPieceBytes)
        flush();
    m_indentAt = m_line.size();
    m_line += m_indent;
}

void CodeOut::setIndent(std::string indent)
{
    if (m_line.size() == m_indentAt + m_indent.size()) {
        m_line.resize(m_indentAt);
        m_line += indent;
    }
    m_indent = std::move(indent);
}

void CodeOut::flush()
{
    if (m_line.empty())
        return;
    m_sink.write(m_line);
    m_line.clear();
    m_indentAt = 0;
}

} // namespace kovrin
