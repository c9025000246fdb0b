#pragma once
// Arithmetic of the class-definition dialect: numbers (decimal, exponent, hexadecimal) joined by
// + - * / with parentheses and signs, evaluated once macros are expanded.

#include "classdef/token.h"

#include <optional>
#include <span>
#include <string>

namespace kovrin {

struct Evaluated
{
    std::optional<double> value;
    std::string why; // what stopped the evaluation, quoting the word or sign it met
};

Evaluated evaluateTokens(std::span<const Token> tokens);

} // namespace kovrin
