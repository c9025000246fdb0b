#pragma once
// The script text of a position value read into a tree: numbers, names, strings, arrays, signs,
// and runs of binary operators of one precedence, in the game's order (comparisons lowest, then
// every other binary command such as select, then + - min max, then * /; signs bind tightest).
// A run of one precedence is one node and brackets nest at most kExpressionNesting deep, so a
// walk of the tree recurses no deeper than the brackets do, whatever the length of the text.
// A whole value in double quotes reads as the text inside, "" standing for one quote, where a
// position's value is read; a script's value in quotes is a text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

// Brackets and parentheses nest at most this deep; deeper text is refused, not recursed into.
inline constexpr int kExpressionNesting = 64;

enum class NodeKind : std::uint8_t {
    Number, // spelling is the number as written
    Name, // spelling is the word
    Text, // a quoted string; spelling is what stands between its quotes
    Array, // items are the elements
    Signed, // items[0] is the operand; negative when an odd number of minus signs stand before it
    Chain, // items joined left to right by ops
};

enum class BinaryOp : std::uint8_t {
    Times,
    Divide,
    Plus,
    Minus,
    Min,
    Max,
    Select,
    GetVariable,
    Less,
    LessOrEqual,
    Greater,
    GreaterOrEqual,
    Equal,
    NotEqual,
};

struct ExpressionNode
{
    NodeKind kind = NodeKind::Number;
    std::size_t at = 0; // byte offset of its first character in the text
    std::string_view spelling;
    bool negative = false;
    std::vector<std::size_t> items; // indices into ExpressionTree::nodes
    std::vector<BinaryOp> ops; // ops[i] joins items[i] and items[i + 1]
    std::vector<std::size_t> opAt; // where each operator is written
};

struct ExpressionProblem
{
    std::size_t at = 0; // byte offset the message is about
    std::string why;
};

struct ExpressionTree
{
    std::vector<ExpressionNode> nodes;
    std::size_t root = 0;
    std::optional<ExpressionProblem> problem; // the text is no expression; nodes are then unusable
};

// How a value written wholly between double quotes reads.
enum class QuotedWhole : std::uint8_t {
    Expression, // the expression inside, as a position's value holds it
    Text, // a text, as a script's value is one
};

ExpressionTree parseExpression(std::string_view text, QuotedWhole quoted = QuotedWhole::Expression);

// How the operator is written: "*", "select".
std::string_view operatorSpelling(BinaryOp op);

// "LINE:COLUMN" of a byte offset, both counted from 1; CR LF, LF and CR each end a line.
std::string placeText(std::string_view text, std::size_t at);

} // namespace kovrin
