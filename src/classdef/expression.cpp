#include "classdef/expression.h"

#include "classdef/source_place.h"
#include "model/number_text.h"

#include <cmath>

namespace kovrin {
namespace {

// Parentheses nest at most this deep; deeper ones are refused rather than recursed into.
constexpr int kMaxDepth = 64;

class Evaluator
{
public:
    explicit Evaluator(std::span<const Token> tokens)
        : m_tokens(tokens)
    {
    }

    Evaluated run()
    {
        if (m_tokens.empty())
            return {std::nullopt, "there is no value"};
        const auto value = sum(0);
        if (!m_why.empty())
            return {std::nullopt, m_why};
        if (m_pos < m_tokens.size())
            return {std::nullopt, quotedSpelling(m_tokens[m_pos].text) + " is not arithmetic"};
        if (!value || !std::isfinite(*value))
            return {std::nullopt, "the value is not a finite number"};
        return {value, {}};
    }

private:
    bool at(char c) const { return m_pos < m_tokens.size() && m_tokens[m_pos].is(c); }

    std::optional<double> fail(std::string why)
    {
        if (m_why.empty())
            m_why = std::move(why);
        return std::nullopt;
    }

    std::optional<double> sum(int depth)
    {
        auto left = product(depth);
        while (left && (at('+') || at('-'))) {
            const bool plus = at('+');
            ++m_pos;
            const auto right = product(depth);
            if (!right)
                return std::nullopt;
            left = plus ? *left + *right : *left - *right;
        }
        return left;
    }

    std::optional<double> product(int depth)
    {
        auto left = unary(depth);
        while (left && (at('*') || at('/'))) {
            const bool times = at('*');
            ++m_pos;
            const auto right = unary(depth);
            if (!right)
                return std::nullopt;
            left = times ? *left * *right : *left / *right;
        }
        return left;
    }

    std::optional<double> unary(int depth)
    {
        // Signs are counted, not recursed over, so a long run of them costs nothing.
        bool negative = false;
        while (at('-') || at('+')) {
            negative ^= at('-');
            ++m_pos;
        }
        const auto value = primary(depth);
        if (!value)
            return std::nullopt;
        return negative ? -*value : *value;
    }

    std::optional<double> primary(int depth)
    {
        if (m_pos >= m_tokens.size())
            return fail("a value is missing at the end");
        const Token &token = m_tokens[m_pos];
        if (token.is('(')) {
            if (depth >= kMaxDepth)
                return fail("parentheses nest more than " + std::to_string(kMaxDepth) + " deep");
            ++m_pos;
            const auto value = sum(depth + 1);
            if (!value)
                return std::nullopt;
            if (!at(')'))
                return fail("a closing parenthesis is missing");
            ++m_pos;
            return value;
        }
        if (token.kind == TokenKind::Number) {
            if (const auto value = parseDefinitionNumber(token.text)) {
                ++m_pos;
                return value;
            }
        }
        if (token.kind == TokenKind::Word)
            return fail(quotedSpelling(token.text) + " is not a number");
        return fail(quotedSpelling(token.text) + " is not arithmetic");
    }

    std::span<const Token> m_tokens;
    std::size_t m_pos = 0;
    std::string m_why;
};

} // namespace

Evaluated evaluateTokens(std::span<const Token> tokens)
{
    return Evaluator(tokens).run();
}

} // namespace kovrin
