#pragma once
// Where the generated code goes as it is made. Values are appended to the line being made; a
// text of any size goes through appendText, which hands a large one on in pieces, so the code
// of a design is never held whole unless its sink keeps it: the code window keeps the UTF-8
// text, a file encodes each piece to the code page as it comes.

#include "model/code_page.h"

#include <string>
#include <string_view>

namespace kovrin {

// Takes the code piece by piece; every piece ends on a whole character.
class CodeSink
{
public:
    virtual ~CodeSink() = default;
    virtual void write(std::string_view piece) = 0;
};

// The code kept whole as its UTF-8 text.
class TextSink final : public CodeSink
{
public:
    explicit TextSink(std::string &text)
        : m_text(text)
    {
    }
    void write(std::string_view piece) override { m_text += piece; }

private:
    std::string &m_text;
};

// The code encoded to the code page as it comes, as it is written to a file.
class EncodingSink final : public CodeSink
{
public:
    explicit EncodingSink(CodeEncoding encoding = CodeEncoding::Windows1252)
        : m_encoding(encoding)
    {
    }
    void write(std::string_view piece) override;
    std::string &bytes() { return m_bytes; }
    // A character the code page cannot hold was written as "?".
    bool replaced() const { return m_replaced; }

private:
    CodeEncoding m_encoding;
    std::string m_bytes;
    bool m_replaced = false;
};

class CodeOut
{
public:
    explicit CodeOut(CodeSink &sink)
        : m_sink(sink)
    {
    }
    CodeOut(const CodeOut &) = delete;
    CodeOut &operator=(const CodeOut &) = delete;

    // The line being made, for the helpers that append a value's text to a string.
    std::string &line() { return m_line; }
    CodeOut &operator+=(std::string_view piece)
    {
        m_line += piece;
        return *this;
    }
    CodeOut &operator+=(char c)
    {
        m_line += c;
        return *this;
    }
    // A text as held with its line breaks made CRLF, each double quote doubled when asked.
    void appendText(std::string_view text, bool doubleQuotes);
    // CRLF; what is made so far is handed on once it has grown past a piece.
    void endLine();
    // The blanks that open every line from the next one on (the current one too while nothing
    // was written on it): the classes inside a controls group stand deeper than the dialog's.
    void setIndent(std::string indent);
    // Hands on all that is made: the last call of whoever writes the code.
    void flush();

private:
    CodeSink &m_sink;
    std::string m_line;
    std::string m_indent;
    std::size_t m_indentAt = 0; // where the indent of the line being made starts in m_line
};

} // namespace kovrin
