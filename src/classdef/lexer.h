#pragma once
// Cuts one file's text into tokens: comments and blanks are skipped, a backslash before a line
// break joins the lines, a double-quoted string may run over line breaks. Unclosed comments and
// strings are reported where they open.

#include "classdef/source_place.h"
#include "classdef/token.h"

#include <string_view>

namespace kovrin {

class Lexer
{
public:
    Lexer(std::string_view text, std::uint32_t file, ReadProblems &problems);

    Token next();
    // The rest of the current line, for directives the preprocessor reads as plain text.
    bool atEnd() const { return m_pos >= m_text.size(); }

private:
    void skipBlanksAndComments(Token &token);
    void newLine();
    char at(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }
    SourcePlace here() const;

    std::string_view m_text;
    std::uint32_t m_file;
    ReadProblems &m_problems;
    std::size_t m_pos = 0;
    std::uint32_t m_line = 1;
    std::size_t m_lineStart = 0;
    bool m_first = true;
};

// Whether the character may stand in a word (a name, a bare word such as $STR_title).
bool isWordChar(char c);

} // namespace kovrin
