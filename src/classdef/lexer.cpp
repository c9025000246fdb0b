#include "classdef/lexer.h"

namespace kovrin {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isWordStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$';
}

} // namespace

bool isWordChar(char c)
{
    return isWordStart(c) || isDigit(c);
}

Lexer::Lexer(std::string_view text, std::uint32_t file, ReadProblems &problems)
    : m_text(text)
    , m_file(file)
    , m_problems(problems)
{
}

SourcePlace Lexer::here() const
{
    return {m_file, m_line, static_cast<std::uint32_t>(m_pos - m_lineStart + 1)};
}

void Lexer::newLine()
{
    // CR LF, a lone LF and a lone CR each end one line.
    if (at(m_pos) == '\r' && at(m_pos + 1) == '\n')
        ++m_pos;
    ++m_pos;
    ++m_line;
    m_lineStart = m_pos;
}

void Lexer::skipBlanksAndComments(Token &token)
{
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos];
        if (c == '\n' || c == '\r') {
            newLine();
            token.startsLine = true;
            token.spaceBefore = true;
        } else if (c == ' ' || c == '\t' || c == '\f' || c == '\v') {
            ++m_pos;
            token.spaceBefore = true;
        } else if (c == '\\' && (at(m_pos + 1) == '\n' || at(m_pos + 1) == '\r')) {
            ++m_pos; // a continued line: the break does not count as one
            newLine();
            token.spaceBefore = true;
        } else if (c == '/' && at(m_pos + 1) == '/') {
            while (m_pos < m_text.size() && m_text[m_pos] != '\n' && m_text[m_pos] != '\r')
                ++m_pos;
        } else if (c == '/' && at(m_pos + 1) == '*') {
            const SourcePlace opened = here();
            m_pos += 2;
            bool closed = false;
            while (m_pos < m_text.size()) {
                if (m_text[m_pos] == '*' && at(m_pos + 1) == '/') {
                    m_pos += 2;
                    closed = true;
                    break;
                }
                if (m_text[m_pos] == '\n' || m_text[m_pos] == '\r') {
                    newLine();
                    token.startsLine = true;
                } else {
                    ++m_pos;
                }
            }
            if (!closed)
                m_problems.add(opened, "the comment opened here is never closed",
                               ReadCause::Syntax);
            token.spaceBefore = true;
        } else {
            return;
        }
    }
}

Token Lexer::next()
{
    Token token;
    token.startsLine = m_first;
    m_first = false;
    skipBlanksAndComments(token);
    token.place = here();
    token.begin = static_cast<std::uint32_t>(m_pos);
    if (m_pos >= m_text.size()) {
        token.kind = TokenKind::End;
        token.end = token.begin;
        return token;
    }
    const std::size_t start = m_pos;
    const char c = m_text[m_pos];
    if (isWordStart(c)) {
        token.kind = TokenKind::Word;
        while (m_pos < m_text.size() && isWordChar(m_text[m_pos]))
            ++m_pos;
    } else if (isDigit(c) || (c == '.' && isDigit(at(m_pos + 1)))) {
        token.kind = TokenKind::Number;
        if (c == '0' && (at(m_pos + 1) == 'x' || at(m_pos + 1) == 'X')
            && isHexDigit(at(m_pos + 2))) {
            m_pos += 2;
            while (isHexDigit(at(m_pos)))
                ++m_pos;
        } else {
            while (isDigit(at(m_pos)) || at(m_pos) == '.')
                ++m_pos;
            const char e = at(m_pos);
            const char after = at(m_pos + 1);
            if ((e == 'e' || e == 'E')
                && (isDigit(after) || ((after == '+' || after == '-') && isDigit(at(m_pos + 2))))) {
                m_pos += 2;
                while (isDigit(at(m_pos)))
                    ++m_pos;
            }
        }
        // Digits run into letters ("2x", "1st"): the whole run is one bare word.
        if (isWordChar(at(m_pos))) {
            token.kind = TokenKind::Word;
            while (m_pos < m_text.size() && isWordChar(m_text[m_pos]))
                ++m_pos;
        }
    } else if (c == '"') {
        token.kind = TokenKind::String;
        const SourcePlace opened = here();
        ++m_pos;
        bool closed = false;
        while (m_pos < m_text.size()) {
            const char d = m_text[m_pos];
            if (d == '"') {
                ++m_pos;
                if (at(m_pos) != '"') {
                    closed = true;
                    break;
                }
                ++m_pos; // "" is one quote inside the string
            } else if (d == '\n' || d == '\r') {
                newLine();
            } else {
                ++m_pos;
            }
        }
        if (!closed)
            m_problems.add(opened, "the string opened here is never closed", ReadCause::Syntax);
    } else {
        token.kind = TokenKind::Punct;
        ++m_pos;
    }
    token.text = m_text.substr(start, m_pos - start);
    token.end = static_cast<std::uint32_t>(m_pos);
    return token;
}

} // namespace kovrin
