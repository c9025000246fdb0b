#include "model/position_expression.h"

#include "model/expression_tree.h"
#include "model/ignoring_case.h"
#include "model/message_text.h"
#include "model/number_text.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace kovrin {
namespace {

struct Value
{
    enum class Type : std::uint8_t { Number, Boolean, Array, Text, Namespace };
    Type type = Type::Number;
    double number = 0;
    bool flag = false;
    std::vector<Value> items;
    std::string text; // Text

    bool isNumber() const { return type == Type::Number; }
};

Value ofType(Value::Type type)
{
    Value value;
    value.type = type;
    return value;
}

Value number(double v)
{
    return {Value::Type::Number, v, false, {}, {}};
}

Value boolean(bool b)
{
    return {Value::Type::Boolean, 0, b, {}, {}};
}

Value numbers(std::initializer_list<double> list)
{
    Value array = ofType(Value::Type::Array);
    for (const double v : list)
        array.items.push_back(number(v));
    return array;
}

// getResolution: the typical resolution's pixels, the 4:3 screen area in pixels, the aspect, the
// interface scale, and the field of view at the game's default of 0.75 high.
Value resolution(const ReferenceScreen &screen)
{
    const PixelResolution pixels = typicalResolution(screen.aspect);
    const double width = pixels.width;
    const double height = pixels.height;
    constexpr double fovTop = 0.75;
    return numbers({width, height, roundHalfEven(width / screen.safezoneW()),
                    roundHalfEven(height / screen.safezoneH()), width / height,
                    interfaceScale(screen.size), fovTop, fovTop * width / height});
}

struct NamedValue
{
    std::string_view name;
    Value (*of)(const ReferenceScreen &);
};

// One monitor is assumed, so the whole-desktop safe zone (the "Abs" names) equals the safe zone.
const std::array kNames {
    NamedValue {"safezoneX",
                [](const ReferenceScreen &s) {
                    return number(s.safezoneX());
                }},
    NamedValue {"safezoneY",
                [](const ReferenceScreen &s) {
                    return number(s.safezoneY());
                }},
    NamedValue {"safezoneW",
                [](const ReferenceScreen &s) {
                    return number(s.safezoneW());
                }},
    NamedValue {"safezoneH",
                [](const ReferenceScreen &s) {
                    return number(s.safezoneH());
                }},
    NamedValue {"safezoneXAbs",
                [](const ReferenceScreen &s) {
                    return number(s.safezoneX());
                }},
    NamedValue {"safezoneWAbs",
                [](const ReferenceScreen &s) {
                    return number(s.safezoneW());
                }},
    NamedValue {"pixelW",
                [](const ReferenceScreen &s) {
                    return number(s.pixelW());
                }},
    NamedValue {"pixelH",
                [](const ReferenceScreen &s) {
                    return number(s.pixelH());
                }},
    NamedValue {"pixelGrid",
                [](const ReferenceScreen &s) {
                    return number(s.pixelGrid());
                }},
    NamedValue {"getResolution", resolution},
    NamedValue {"true",
                [](const ReferenceScreen &) {
                    return boolean(true);
                }},
    NamedValue {"false",
                [](const ReferenceScreen &) {
                    return boolean(false);
                }},
    NamedValue {"profileNamespace",
                [](const ReferenceScreen &) {
                    return ofType(Value::Type::Namespace);
                }},
    NamedValue {"uiNamespace",
                [](const ReferenceScreen &) {
                    return ofType(Value::Type::Namespace);
                }},
    NamedValue {"missionNamespace",
                [](const ReferenceScreen &) {
                    return ofType(Value::Type::Namespace);
                }},
};

class Evaluator
{
public:
    Evaluator(std::string_view text, const ExpressionTree &tree, const ReferenceScreen &screen,
              const ScriptVariables *variables = nullptr)
        : m_text(text)
        , m_tree(tree)
        , m_screen(screen)
        , m_variables(variables)
    {
    }

    std::optional<Value> valueOf(std::size_t index)
    {
        const ExpressionNode &node = m_tree.nodes[index];
        switch (node.kind) {
        case NodeKind::Number:
            return number(parseDefinitionNumber(node.spelling).value_or(0));
        case NodeKind::Name:
            for (const NamedValue &named : kNames) {
                if (equalIgnoringCase(named.name, node.spelling))
                    return named.of(m_screen);
            }
            if (m_variables) {
                const auto found = m_variables->find(caseKey(node.spelling));
                if (found != m_variables->end())
                    return scriptValue(found->second);
            }
            return fail(node.at, "unknown name " + quotedText(node.spelling));
        case NodeKind::Text:
            return textOf(node);
        case NodeKind::Array: {
            Value array = ofType(Value::Type::Array);
            for (const std::size_t item : node.items) {
                auto value = valueOf(item);
                if (!value)
                    return std::nullopt;
                array.items.push_back(std::move(*value));
            }
            return array;
        }
        case NodeKind::Signed: {
            const auto operand = valueOf(node.items[0]);
            if (!operand)
                return std::nullopt;
            if (!operand->isNumber())
                return fail(node.at, "a sign needs a number after it");
            return number(node.negative ? -operand->number : operand->number);
        }
        case NodeKind::Chain:
            break;
        }
        auto left = valueOf(node.items[0]);
        for (std::size_t i = 0; left && i < node.ops.size(); ++i) {
            const auto right = valueOf(node.items[i + 1]);
            if (!right)
                return std::nullopt;
            left = apply(node.ops[i], node.opAt[i], std::move(*left), *right);
        }
        return left;
    }

    const std::optional<ExpressionProblem> &problem() const { return m_problem; }

private:
    std::optional<Value> fail(std::size_t at, std::string why)
    {
        if (!m_problem)
            m_problem = ExpressionProblem {at, std::move(why)};
        return std::nullopt;
    }

    std::optional<Value> apply(BinaryOp op, std::size_t at, Value left, const Value &right)
    {
        const std::string spelling = quotedText(operatorSpelling(op));
        if (op == BinaryOp::Select)
            return select(at, std::move(left), right);
        if (op == BinaryOp::GetVariable) {
            // Settings live in the player's profile; the designer has none, so the game's answer
            // is the default given.
            if (left.type != Value::Type::Namespace || right.type != Value::Type::Array
                || right.items.size() != 2 || right.items[0].type != Value::Type::Text)
                return fail(at, spelling + " needs a namespace and [name, default]");
            return right.items[1];
        }
        if (op == BinaryOp::Plus && left.type == Value::Type::Text
            && right.type == Value::Type::Text) {
            if (left.text.size() + right.text.size() > kMaxScriptText)
                return fail(at,
                            "the text joined is longer than " + std::to_string(kMaxScriptText)
                                + " bytes");
            left.text += right.text;
            return left;
        }
        if (!left.isNumber() || !right.isNumber())
            return fail(at, spelling + " needs a number on each side");
        const double a = left.number;
        const double b = right.number;
        double result = 0;
        switch (op) {
        case BinaryOp::Less:
            return boolean(a < b);
        case BinaryOp::LessOrEqual:
            return boolean(a <= b);
        case BinaryOp::Greater:
            return boolean(a > b);
        case BinaryOp::GreaterOrEqual:
            return boolean(a >= b);
        case BinaryOp::Equal:
            return boolean(a == b);
        case BinaryOp::NotEqual:
            return boolean(a != b);
        case BinaryOp::Times:
            result = a * b;
            break;
        case BinaryOp::Divide:
            if (b == 0)
                return fail(at, "division by zero");
            result = a / b;
            break;
        case BinaryOp::Plus:
            result = a + b;
            break;
        case BinaryOp::Minus:
            result = a - b;
            break;
        case BinaryOp::Min:
            result = std::fmin(a, b);
            break;
        case BinaryOp::Max:
            result = std::fmax(a, b);
            break;
        default:
            break;
        }
        if (!std::isfinite(result))
            return fail(at, "the result of " + spelling + " is too large");
        return number(result);
    }

    // array select index (rounded, halves to even) or [a, b] select condition (false a, true b).
    std::optional<Value> select(std::size_t at, Value left, const Value &right)
    {
        if (left.type != Value::Type::Array
            || (right.type != Value::Type::Number && right.type != Value::Type::Boolean))
            return fail(at, "\"select\" needs an array and an index or a condition");
        const double index = right.type == Value::Type::Boolean ? (right.flag ? 1 : 0)
                                                                : roundHalfEven(right.number);
        const double count = static_cast<double>(left.items.size());
        if (!(index >= 0 && index < count)) {
            return fail(at,
                        "\"select\" takes item " + doubleText(index, '.') + " of an array of "
                            + std::to_string(left.items.size()));
        }
        return std::move(left.items[static_cast<std::size_t>(index)]);
    }

    static Value scriptValue(const ScriptValue &stored)
    {
        if (stored.number)
            return number(*stored.number);
        Value text = ofType(Value::Type::Text);
        text.text = stored.text;
        return text;
    }

    // The text between the quotes, the quote doubled standing for one.
    Value textOf(const ExpressionNode &node) const
    {
        const char quote = node.at < m_text.size() ? m_text[node.at] : '"';
        Value text = ofType(Value::Type::Text);
        for (std::size_t i = 0; i < node.spelling.size(); ++i) {
            text.text += node.spelling[i];
            if (node.spelling[i] == quote && i + 1 < node.spelling.size()
                && node.spelling[i + 1] == quote)
                ++i;
        }
        return text;
    }

    std::string_view m_text;
    const ExpressionTree &m_tree;
    const ReferenceScreen &m_screen;
    const ScriptVariables *m_variables;
    std::optional<ExpressionProblem> m_problem;
};

std::string problemText(std::string_view text, const ExpressionProblem &problem)
{
    return placeText(text, problem.at) + ": " + problem.why;
}

const ExpressionNode *chainOf(const ExpressionNode &node, BinaryOp op)
{
    if (node.kind != NodeKind::Chain || node.ops.size() != 1 || node.ops[0] != op)
        return nullptr;
    return &node;
}

bool isName(const ExpressionTree &tree, std::size_t index, std::string_view name)
{
    const ExpressionNode &node = tree.nodes[index];
    return node.kind == NodeKind::Name && equalIgnoringCase(node.spelling, name);
}

// A plain number with an optional sign, as the 32-bit value of its text.
std::optional<float> factorOf(const ExpressionTree &tree, std::size_t index)
{
    const ExpressionNode *node = &tree.nodes[index];
    const bool negative = node->kind == NodeKind::Signed && node->negative;
    if (node->kind == NodeKind::Signed)
        node = &tree.nodes[node->items[0]];
    if (node->kind != NodeKind::Number)
        return std::nullopt;
    const auto value = parseDefinitionNumber(node->spelling);
    if (!value || !(std::fabs(*value) <= std::numeric_limits<float>::max()))
        return std::nullopt;
    const auto fraction = static_cast<float>(*value);
    return negative ? -fraction : fraction;
}

// The other item of a two-item chain when one of them is the named variable.
std::optional<std::size_t> besideName(const ExpressionTree &tree, const ExpressionNode *chain,
                                      std::string_view name)
{
    if (!chain)
        return std::nullopt;
    for (int i = 0; i < 2; ++i) {
        if (isName(tree, chain->items[static_cast<std::size_t>(i)], name))
            return chain->items[static_cast<std::size_t>(1 - i)];
    }
    return std::nullopt;
}

} // namespace

Result<double> evaluatePosition(std::string_view text, const ReferenceScreen &screen)
{
    const ExpressionTree tree = parseExpression(text);
    if (tree.problem)
        return Result<double>::failure(problemText(text, *tree.problem));
    Evaluator evaluator(text, tree, screen);
    const auto value = evaluator.valueOf(tree.root);
    if (!value)
        return Result<double>::failure(problemText(text, *evaluator.problem()));
    const std::size_t at = tree.nodes[tree.root].at;
    if (!value->isNumber())
        return Result<double>::failure(problemText(text, {at, "the value is not a number"}));
    // Positions are held as 32-bit values.
    if (!(std::fabs(value->number) <= std::numeric_limits<float>::max()))
        return Result<double>::failure(problemText(text, {at, "the value is too large"}));
    return Result<double>::of(value->number);
}

Result<ScriptValue> evaluateScript(std::string_view text, const ReferenceScreen &screen,
                                   const ScriptVariables &variables)
{
    using Outcome = Result<ScriptValue>;
    const ExpressionTree tree = parseExpression(text, QuotedWhole::Text);
    if (tree.problem)
        return Outcome::failure(tree.problem->why);
    Evaluator evaluator(text, tree, screen, &variables);
    const auto value = evaluator.valueOf(tree.root);
    if (!value)
        return Outcome::failure(evaluator.problem()->why);
    if (value->type == Value::Type::Text)
        return Outcome::of({std::nullopt, value->text});
    if (!value->isNumber())
        return Outcome::failure("the value is not a number or a text");
    return Outcome::of({value->number, {}});
}

std::optional<float> recognizeSafeZone(std::string_view text, PositionAxis axis)
{
    const ExpressionTree tree = parseExpression(text);
    if (tree.problem)
        return std::nullopt;
    const bool across = axis == PositionAxis::X || axis == PositionAxis::Width;
    const std::string_view extent = across ? "safezoneW" : "safezoneH";
    const ExpressionNode *product = &tree.nodes[tree.root];
    if (isOffset(axis)) {
        const std::string_view origin = axis == PositionAxis::X ? "safezoneX" : "safezoneY";
        const auto term = besideName(tree, chainOf(*product, BinaryOp::Plus), origin);
        if (!term)
            return std::nullopt;
        product = &tree.nodes[*term];
    }
    const auto factor = besideName(tree, chainOf(*product, BinaryOp::Times), extent);
    if (!factor)
        return std::nullopt;
    return factorOf(tree, *factor);
}

} // namespace kovrin
