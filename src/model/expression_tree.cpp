#include "model/expression_tree.h"

#include "model/ignoring_case.h"
#include "model/message_text.h"
#include "model/number_text.h"

#include <array>

namespace kovrin {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isWordStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isWordChar(char c)
{
    return isWordStart(c) || isDigit(c);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

enum class TokenKind : std::uint8_t { Number, Word, Text, Sign, End, Bad };

struct Token
{
    TokenKind kind = TokenKind::End;
    std::size_t at = 0;
    std::string_view text; // Text: between the quotes; Bad: why
};

// Where a quoted string that starts at `open` ends: the offset just past its closing quote, or
// none when it never closes. Inside, the quote doubled stands for itself.
std::optional<std::size_t> closingQuote(std::string_view text, std::size_t open,
                                        std::string_view quote)
{
    std::size_t pos = open + quote.size();
    while (pos < text.size()) {
        if (text.substr(pos, quote.size()) != quote) {
            ++pos;
        } else if (quote.size() == 1 && text.substr(pos + 1, 1) == quote) {
            pos += 2;
        } else {
            return pos + quote.size();
        }
    }
    return std::nullopt;
}

class Scanner
{
public:
    Scanner(std::string_view text, QuotedWhole quoted)
        : m_text(text)
        , m_end(text.size())
    {
        while (m_pos < m_end && isBlank(m_text[m_pos]))
            ++m_pos;
        while (m_end > m_pos && isBlank(m_text[m_end - 1]))
            --m_end;
        // A value written as one quoted string holds its expression inside; a string within it
        // is then written between doubled quotes.
        if (quoted == QuotedWhole::Expression && m_end - m_pos >= 2 && m_text[m_pos] == '"'
            && closingQuote(m_text.substr(0, m_end), m_pos, "\"") == m_end) {
            ++m_pos;
            --m_end;
            m_doubleQuote = "\"\"";
        }
    }

    Token next()
    {
        while (m_pos < m_end && isBlank(m_text[m_pos]))
            ++m_pos;
        Token token;
        token.at = m_pos;
        if (m_pos >= m_end)
            return token;
        const std::string_view rest = m_text.substr(0, m_end);
        const char c = m_text[m_pos];
        const std::size_t start = m_pos;
        if (isDigit(c) || (c == '.' && isDigit(at(m_pos + 1)))) {
            token.kind = TokenKind::Number;
            scanNumber();
        } else if (isWordStart(c)) {
            token.kind = TokenKind::Word;
            while (isWordChar(at(m_pos)))
                ++m_pos;
        } else if (c == '\'' || rest.substr(m_pos, m_doubleQuote.size()) == m_doubleQuote) {
            const std::string_view quote = c == '\'' ? std::string_view("'") : m_doubleQuote;
            const auto close = closingQuote(rest, m_pos, quote);
            if (!close) {
                m_pos = m_end;
                return {TokenKind::Bad, start, "the string opened here is never closed"};
            }
            m_pos = *close;
            return {TokenKind::Text, start,
                    m_text.substr(start + quote.size(), m_pos - start - 2 * quote.size())};
        } else {
            token.kind = TokenKind::Sign;
            ++m_pos;
            const char n = at(m_pos);
            if (n == '=' && (c == '<' || c == '>' || c == '=' || c == '!'))
                ++m_pos;
        }
        token.text = m_text.substr(start, m_pos - start);
        return token;
    }

private:
    char at(std::size_t pos) const { return pos < m_end ? m_text[pos] : '\0'; }

    void scanNumber()
    {
        while (isDigit(at(m_pos)) || at(m_pos) == '.')
            ++m_pos;
        const char e = at(m_pos);
        const char sign = at(m_pos + 1);
        if ((e == 'e' || e == 'E')
            && (isDigit(sign) || ((sign == '+' || sign == '-') && isDigit(at(m_pos + 2))))) {
            m_pos += 2;
            while (isDigit(at(m_pos)))
                ++m_pos;
        }
        // Letters run on ("0x1F", "2px"): the whole run is the spelling, read or refused as one.
        while (isWordChar(at(m_pos)))
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::string_view m_doubleQuote = "\"";
};

struct OperatorWord
{
    std::string_view spelling;
    BinaryOp op;
    int level; // 0 binds loosest
};

constexpr int kLevels = 4;

constexpr std::array kOperators {
    OperatorWord {"<", BinaryOp::Less, 0},
    OperatorWord {"<=", BinaryOp::LessOrEqual, 0},
    OperatorWord {">", BinaryOp::Greater, 0},
    OperatorWord {">=", BinaryOp::GreaterOrEqual, 0},
    OperatorWord {"==", BinaryOp::Equal, 0},
    OperatorWord {"!=", BinaryOp::NotEqual, 0},
    OperatorWord {"select", BinaryOp::Select, 1},
    OperatorWord {"getVariable", BinaryOp::GetVariable, 1},
    OperatorWord {"+", BinaryOp::Plus, 2},
    OperatorWord {"-", BinaryOp::Minus, 2},
    OperatorWord {"min", BinaryOp::Min, 2},
    OperatorWord {"max", BinaryOp::Max, 2},
    OperatorWord {"*", BinaryOp::Times, 3},
    OperatorWord {"/", BinaryOp::Divide, 3},
};

class Parser
{
public:
    Parser(std::string_view text, QuotedWhole quoted)
        : m_scanner(text, quoted)
    {
        advance();
    }

    ExpressionTree run()
    {
        if (m_token.kind == TokenKind::End) {
            fail(m_token.at, "there is no value");
        } else if (const auto root = level(0, 0)) {
            m_tree.root = *root;
            if (m_token.kind != TokenKind::End)
                unexpected();
        }
        return std::move(m_tree);
    }

private:
    void advance() { m_token = m_scanner.next(); }

    bool isSign(char c) const
    {
        return m_token.kind == TokenKind::Sign && m_token.text.size() == 1 && m_token.text[0] == c;
    }

    std::optional<std::size_t> fail(std::size_t at, std::string why)
    {
        if (!m_tree.problem)
            m_tree.problem = ExpressionProblem {at, std::move(why)};
        return std::nullopt;
    }

    std::optional<std::size_t> unexpected()
    {
        if (m_token.kind == TokenKind::Bad)
            return fail(m_token.at, std::string(m_token.text));
        if (m_token.kind == TokenKind::End)
            return fail(m_token.at, "a value is missing at the end");
        return fail(m_token.at, quotedText(m_token.text) + " was not expected here");
    }

    std::size_t add(ExpressionNode node)
    {
        m_tree.nodes.push_back(std::move(node));
        return m_tree.nodes.size() - 1;
    }

    std::optional<BinaryOp> operatorAt(int wanted) const
    {
        if (m_token.kind != TokenKind::Sign && m_token.kind != TokenKind::Word)
            return std::nullopt;
        for (const OperatorWord &word : kOperators) {
            if (word.level == wanted && equalIgnoringCase(word.spelling, m_token.text))
                return word.op;
        }
        return std::nullopt;
    }

    std::optional<std::size_t> level(int wanted, int depth)
    {
        if (wanted == kLevels)
            return signed_(depth);
        const auto first = level(wanted + 1, depth);
        if (!first || !operatorAt(wanted))
            return first;
        ExpressionNode chain;
        chain.kind = NodeKind::Chain;
        chain.at = m_tree.nodes[*first].at;
        chain.items.push_back(*first);
        while (const auto op = operatorAt(wanted)) {
            chain.ops.push_back(*op);
            chain.opAt.push_back(m_token.at);
            advance();
            const auto next = level(wanted + 1, depth);
            if (!next)
                return std::nullopt;
            chain.items.push_back(*next);
        }
        return add(std::move(chain));
    }

    // Signs are counted, not recursed over, so a long run of them costs nothing.
    std::optional<std::size_t> signed_(int depth)
    {
        const std::size_t at = m_token.at;
        bool sign = false;
        bool negative = false;
        while (isSign('-') || isSign('+')) {
            negative ^= isSign('-');
            sign = true;
            advance();
        }
        const auto operand = primary(depth);
        if (!operand || !sign)
            return operand;
        ExpressionNode node;
        node.kind = NodeKind::Signed;
        node.at = at;
        node.negative = negative;
        node.items.push_back(*operand);
        return add(std::move(node));
    }

    std::optional<std::size_t> primary(int depth)
    {
        const Token token = m_token;
        ExpressionNode node;
        node.at = token.at;
        node.spelling = token.text;
        switch (token.kind) {
        case TokenKind::Number:
            if (!parseDefinitionNumber(token.text))
                return fail(token.at, quotedText(token.text) + " is not a number");
            advance();
            node.kind = NodeKind::Number;
            return add(std::move(node));
        case TokenKind::Word:
            advance();
            node.kind = NodeKind::Name;
            return add(std::move(node));
        case TokenKind::Text:
            advance();
            node.kind = NodeKind::Text;
            return add(std::move(node));
        default:
            break;
        }
        if (!isSign('(') && !isSign('['))
            return unexpected();
        if (depth >= kExpressionNesting) {
            return fail(token.at,
                        "brackets nest more than " + std::to_string(kExpressionNesting) + " deep");
        }
        const bool array = isSign('[');
        advance();
        if (!array) {
            const auto inner = level(0, depth + 1);
            if (!inner)
                return std::nullopt;
            if (!isSign(')'))
                return fail(m_token.at, "a closing parenthesis is missing");
            advance();
            return inner;
        }
        node.kind = NodeKind::Array;
        node.spelling = {};
        while (!isSign(']')) {
            const auto item = level(0, depth + 1);
            if (!item)
                return std::nullopt;
            node.items.push_back(*item);
            if (isSign(']'))
                break;
            if (!isSign(','))
                return fail(m_token.at, "a closing bracket is missing");
            advance();
            if (isSign(']'))
                return unexpected();
        }
        advance();
        return add(std::move(node));
    }

    Scanner m_scanner;
    Token m_token;
    ExpressionTree m_tree;
};

} // namespace

ExpressionTree parseExpression(std::string_view text, QuotedWhole quoted)
{
    return Parser(text, quoted).run();
}

std::string_view operatorSpelling(BinaryOp op)
{
    for (const OperatorWord &word : kOperators) {
        if (word.op == op)
            return word.spelling;
    }
    return {};
}

std::string placeText(std::string_view text, std::size_t at)
{
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < at && i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
            ++line;
            lineStart = i + 1;
        }
    }
    return std::to_string(line) + ":" + std::to_string(at - lineStart + 1);
}

} // namespace kovrin
