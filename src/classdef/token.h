#pragma once
// One token of the class-definition dialect, as the lexer finds it in a file and the
// preprocessor hands it on. Its spelling points into text that lives as long as the read.

#include "classdef/source_place.h"

#include <cstdint>
#include <string_view>

namespace kovrin {

enum class TokenKind : std::uint8_t {
    Word, // a name or a bare word: letters, digits, "_" and "$", not starting with a digit
    Number, // decimal with point and exponent, or hexadecimal "0x"
    String, // between double quotes, "" standing for one quote; spelling includes the quotes
    Punct, // any other single character
    End,
};

struct Token
{
    TokenKind kind = TokenKind::End;
    std::string_view text;
    SourcePlace place; // of the token, or of the macro call it came out of
    // Where it was written in its file: the token itself, or the whole macro call it came out
    // of. Values are quoted as written from this extent.
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    bool startsLine = false; // a line break (not a continued one) came before it
    bool spaceBefore = false;
    bool expanded = false; // came out of a macro
    bool painted = false; // names a macro that may not expand here any more

    bool is(char c) const { return kind == TokenKind::Punct && text.size() == 1 && text[0] == c; }
};

} // namespace kovrin
