#include "classdef/control_import.h"

#include "classdef/control_types.h"
#include "classdef/expression.h"
#include "classdef/game_classes.h"
#include "classdef/lexer.h"
#include "classdef/other_entries.h"
#include "model/creation_defaults.h"
#include "model/form_rules.h"
#include "model/generated_class.h"
#include "model/ignoring_case.h"
#include "model/message_text.h"
#include "model/number_text.h"
#include "model/position_expression.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kovrin {
namespace {

std::string colourText(const ColourValue &colour)
{
    if (!colour)
        return "no colour";
    std::string out = "{";
    for (std::size_t i = 0; i < 4; ++i) {
        if (i > 0)
            out += ", ";
        appendComponentText(out, (*colour)[i], '.');
    }
    return out + "}";
}

class ControlReader
{
public:
    ControlReader(const ControlSource &source, std::uint32_t node, const ClassChain &chain)
        : m_source(source)
        , m_node(node)
        , m_chain(chain.classes)
    {
    }

    const ClassProperty *find(std::string_view name) const
    {
        return m_source.lookup.find(m_chain, name);
    }
    // None for a field the class does not write, once the shape is known: it stays code.
    const ClassProperty *find(CodeField field) const
    {
        return writes(field) ? find(codeFieldName(field)) : nullptr;
    }
    bool writes(CodeField field) const { return !m_shape || writesField(*m_shape, field); }
    void readOnly(const ClassShape &shape) { m_shape = &shape; }

    void report(const ClassProperty &property, const std::string &what) const
    {
        const bool list = property.value.kind == ClassValue::Kind::Array;
        m_source.problems.add(property.place,
                              where() + property.name + (list ? "[] = " : " = ")
                                  + shown(property.value) + ": " + what,
                              ReadCause::ValueReplaced);
    }

    std::string where() const
    {
        return "dialog " + m_source.dialog + ", control " + m_source.lookup.node(m_node).name
            + ": ";
    }

    void readFloat(CodeField name, float &field) const
    {
        const ClassProperty *property = find(name);
        if (!property)
            return;
        std::string why;
        const auto value = numberOf(property->value, &why);
        if (value && std::fabs(*value) <= std::numeric_limits<float>::max()) {
            field = static_cast<float>(*value);
            return;
        }
        report(*property,
               (value ? std::string("the number is too large") : why) + "; kept "
                   + singleText(field, '.'));
    }

    // A position or size: a number is a screen fraction as always; the safe-zone form of the
    // field's axis keeps its F; any other value the reference screen gives a number, built from
    // the screen's variables, is kept as written.
    void readPlaced(CodeField name, FormField form, ControlRecord &record) const
    {
        const ClassProperty *property = find(name);
        if (!property)
            return;
        float &field = screenValue(record, form);
        const ClassValue &value = property->value;
        std::string why;
        if (const auto number = numberOf(value, &why)) {
            if (std::fabs(*number) <= std::numeric_limits<float>::max()) {
                field = static_cast<float>(*number);
                ++m_source.forms.screen;
                return;
            }
            why = "the number is too large";
        } else if (value.kind != ClassValue::Kind::Array && value.kind != ClassValue::Kind::Empty) {
            const std::string written = valueCode(value);
            const PositionAxis axis = axisOf(form);
            if (const auto fraction = recognizeSafeZone(written, axis)) {
                record.Forms.set(form, {PositionForm::SafeZone, *fraction, {}});
                field = static_cast<float>(screenFromSafeZone(*fraction, axis, m_source.screen));
                ++m_source.forms.safeZone;
                return;
            }
            if (const Result<double> placed = evaluatePosition(written, m_source.screen)) {
                record.Forms.set(form, {PositionForm::Expression, 0, written});
                field = static_cast<float>(*placed);
                ++m_source.forms.expression;
                return;
            }
        }
        report(*property, why + "; kept " + singleText(field, '.'));
    }

    // The game's whole 32-bit range: large missions number their controls past 32767.
    void readInteger(CodeField name, std::int32_t &field) const
    {
        using Limits = std::numeric_limits<std::int32_t>;
        const ClassProperty *property = find(name);
        if (!property)
            return;
        std::string why;
        const auto value = numberOf(property->value, &why);
        if (value && *value == std::trunc(*value) && *value >= Limits::min()
            && *value <= Limits::max()) {
            field = static_cast<std::int32_t>(*value);
            return;
        }
        if (value)
            why = "a whole number from " + std::to_string(Limits::min()) + " to "
                + std::to_string(Limits::max()) + " is needed";
        report(*property, why + "; kept " + std::to_string(field));
    }

    // Strings as their content, bare words and numbers as spelled once macros are expanded.
    template<typename Text> void readText(CodeField name, Text &field) const
    {
        const ClassProperty *property = find(name);
        if (!property)
            return;
        if (property->value.kind == ClassValue::Kind::Array) {
            report(*property,
                   "a list where a text is needed; kept \""
                       + static_cast<const std::string &>(field) + "\"");
            return;
        }
        field = property->value.text;
    }

    void readColour(CodeField name, std::string_view olderName, ColourValue &field,
                    const ClassProperty *&used) const
    {
        const ClassProperty *property = find(name);
        if (!property && !olderName.empty() && writes(name))
            property = find(olderName);
        used = property;
        if (!property)
            return;
        const ClassValue &value = property->value;
        std::string why = "a colour needs a list of four numbers";
        if (value.kind == ClassValue::Kind::Array && value.items.size() == 4) {
            Rgba rgba;
            bool all = true;
            for (std::size_t i = 0; i < 4 && all; ++i) {
                const ClassValue &item = value.items[i];
                const auto number = numberOf(item, &why);
                all = number.has_value();
                if (!all)
                    break;
                // A plain literal is kept as written, as Load keeps the text of a component.
                rgba[i] = parseFileNumber(item.text) ? replaceDecimal(item.text, m_source.separator)
                                                     : doubleText(*number, m_source.separator);
            }
            if (all) {
                field = rgba;
                return;
            }
        }
        report(*property, why + "; kept " + colourText(field));
    }

    void readEnter(std::int16_t &field) const
    {
        const ClassProperty *property = find(CodeField::Default);
        if (!property)
            return;
        const ClassValue &value = property->value;
        if (value.kind == ClassValue::Kind::Bare && equalIgnoringCase(value.text, "true")) {
            field = 1;
        } else if (value.kind == ClassValue::Kind::Bare && equalIgnoringCase(value.text, "false")) {
            field = 0;
        } else if (value.number && (*value.number == 0 || *value.number == 1)) {
            field = static_cast<std::int16_t>(*value.number);
        } else {
            report(*property,
                   "true or false is needed; kept " + std::string(field ? "true" : "false"));
        }
    }

private:
    const ControlSource &m_source;
    std::uint32_t m_node;
    const std::vector<std::uint32_t> &m_chain;
    const ClassShape *m_shape = nullptr;
};

} // namespace

long styleKindBits(double style)
{
    return style >= 0 && style < 65536 ? static_cast<long>(style) & 0xF0 : -1;
}

namespace {

// What a class the generated code derives from sets stands in that base (the preamble's class of
// that name, a kind's own base such as KovrinMap, or the game's declared one), so a control does
// not carry it. A generic control has no base of Kovrin's kind, so only the game's class or the
// preamble's, which it keeps as its base, stands in for what it does not set itself.
bool isGeneratedBase(const ClassNode &node, const ClassShape &shape)
{
    if (node.declarationOnly || isPreambleClass(node.name))
        return true;
    return shape.kind != ControlKind::Generic && isGeneratedBaseName(node.name);
}

// How many classes of the chain, from the control's own, come before the base standing in.
std::size_t ownClasses(const ClassLookup &lookup, const ClassChain &chain, const ClassShape &shape)
{
    std::size_t own = 0;
    while (own < chain.classes.size() && !isGeneratedBase(lookup.node(chain.classes[own]), shape))
        ++own;
    return own;
}

// Everything the class chain sets that the control's class does not write, up to the first base
// the generated code stands on: a value its kind never writes stays code rather than a field
// whose value would be lost. color and colorSelection stand in for colorText and colorSelect when
// a class sets only the older names, and are kept beside the newer ones otherwise. A type the
// kind's base does not give (a map's CT_MAP) is kept too.
OtherProperties keptOthers(const ClassLookup &lookup, const ClassChain &chain,
                           const ClassShape &shape,
                           const std::array<const ClassProperty *, 2> &olderNamesKept,
                           bool keepType)
{
    const std::size_t own = ownClasses(lookup, chain, shape);
    const EntryFilter filter {
        [&shape, &olderNamesKept, keepType](const ClassProperty &property) {
            for (const ClassProperty *older : olderNamesKept) {
                if (older && equalIgnoringCase(older->name, property.name))
                    return false;
            }
            if (equalIgnoringCase(property.name, "color"))
                return writesField(shape, CodeField::ColorText);
            if (equalIgnoringCase(property.name, "colorSelection"))
                return writesField(shape, CodeField::ColorSelect);
            if (keepType && equalIgnoringCase(property.name, codeFieldName(CodeField::Type)))
                return false;
            return writesFieldName(shape, property.name);
        },
        [](std::uint32_t) {
            return false;
        }};
    return OtherProperties(otherEntries(lookup, std::span(chain.classes).first(own), filter));
}

// The game's class the chain ends at, unless the generated code defines one of that name, which
// then stands in for it.
std::string gameBase(const ClassLookup &lookup, const ClassChain &chain)
{
    if (chain.declared == kNoClass)
        return {};
    const std::string &name = lookup.gameName(chain.declared);
    return isGeneratedBaseName(name) ? std::string() : name;
}

// A generic control's base: the game's class or the preamble's standing in for what it does not
// set itself, as the generated class derives from it; none when the chain reaches neither.
std::string genericBase(const ClassLookup &lookup, const ClassChain &chain, const ClassShape &shape)
{
    const std::size_t own = ownClasses(lookup, chain, shape);
    if (own == chain.classes.size())
        return {};
    const std::uint32_t base = chain.classes[own];
    return base == chain.declared ? lookup.gameName(base) : lookup.node(base).name;
}

} // namespace

std::string shown(const ClassValue &value)
{
    constexpr std::size_t kLongest = 60;
    const std::string &whole = value.written.empty() ? value.text : value.written;
    std::string text(firstLine(whole));
    if (value.kind == ClassValue::Kind::Array)
        return "{...}";
    if (text.size() > kLongest || text.size() < whole.size())
        text = text.substr(0, kLongest) + "...";
    // A value made by macros or arithmetic shows what it came to, as the game reads it.
    if (value.number) {
        const std::string number = doubleText(*value.number, '.');
        if (number != whole)
            text += " (" + number + ")";
    }
    return text;
}

std::optional<double> numberOf(const ClassValue &value, std::string *why)
{
    if (value.number)
        return value.number;
    if (value.kind == ClassValue::Kind::String) {
        // The game reads arithmetic in a string as well: x = "0.1 + 0.2".
        ReadProblems ignored;
        Lexer lexer(value.text, 0, ignored);
        std::vector<Token> tokens;
        for (Token token = lexer.next(); token.kind != TokenKind::End; token = lexer.next()) {
            tokens.push_back(token);
            if (tokens.size() > 1000)
                break;
        }
        Evaluated evaluated = evaluateTokens(tokens);
        if (!evaluated.value && why)
            *why = std::move(evaluated.why);
        return evaluated.value;
    }
    if (why) {
        if (value.kind == ClassValue::Kind::Array)
            *why = "a list where a number is needed";
        else if (value.kind == ClassValue::Kind::Empty)
            *why = "there is no value";
        else
            *why = value.why;
    }
    return std::nullopt;
}

ControlRecord importControl(const ControlSource &source, std::uint32_t node,
                            const ClassChain &chain, bool background)
{
    const ClassLookup &lookup = source.lookup;
    const ClassNode &control = lookup.node(node);
    if (!chain.problem.empty())
        source.problems.add(control.place,
                            "dialog " + source.dialog + ", control " + control.name + ": "
                                + chain.problem,
                            ReadCause::BaseClass);

    // A type or style the file does not give, or gives through a constant only the game
    // defines, is that of the game's class the chain ends at. A type that makes none of
    // Kovrin's kinds, or none at all, makes a generic control, which keeps it as it came.
    const ClassProperty *type = lookup.find(chain.classes, codeFieldName(CodeField::Type));
    const ClassProperty *style = lookup.find(chain.classes, codeFieldName(CodeField::Style));
    const GameClass *game
        = chain.declared != kNoClass ? findGameClass(lookup.gameName(chain.declared)) : nullptr;
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    double typeValue = type ? typeNumber(type->value) : kNone;
    double styleValue = style ? numberOf(style->value).value_or(kNone) : kNone;
    if (game && std::isnan(typeValue))
        typeValue = game->type;
    if (game && std::isnan(styleValue))
        styleValue = game->style;
    const ControlKind kind
        = kindOfType(typeValue, background, styleValue).value_or(ControlKind::Generic);
    const bool generic = kind == ControlKind::Generic;

    ControlRecord record = defaultRecord(kind);
    record.Name = control.name;
    ControlReader reader(source, node, chain);
    reader.readInteger(CodeField::Idc, record.IDC);
    reader.readPlaced(CodeField::X, FormField::X, record);
    reader.readPlaced(CodeField::Y, FormField::Y, record);
    reader.readPlaced(CodeField::W, FormField::Width, record);
    reader.readPlaced(CodeField::H, FormField::Height, record);
    if (style && !generic) {
        const ClassValue &value = style->value;
        if (value.kind == ClassValue::Kind::Array || value.kind == ClassValue::Kind::Empty)
            reader.report(*style, "a style is needed; kept " + record.Style);
        else
            record.Style = value.kind == ClassValue::Kind::String ? value.text : value.written;
    }
    record.Base = generic ? genericBase(lookup, chain, {kind, {}, false}) : gameBase(lookup, chain);
    // Only what the class will write goes into fields; the rest stays code.
    const ClassShape shape {kind, record.Style, !record.Base.empty()};
    reader.readOnly(shape);
    std::array<const ClassProperty *, 2> olderNames {};
    const ClassProperty *used = nullptr;
    reader.readColour(CodeField::ColorText, "color", record.ForeColor, used);
    olderNames[0] = used && equalIgnoringCase(used->name, codeFieldName(CodeField::ColorText))
        ? lookup.find(chain.classes, "color")
        : nullptr;
    reader.readColour(CodeField::ColorBackground, {}, record.BackColor, used);
    reader.readColour(CodeField::ColorSelect, "colorSelection", record.SelectionColor, used);
    olderNames[1] = used && equalIgnoringCase(used->name, codeFieldName(CodeField::ColorSelect))
        ? lookup.find(chain.classes, "colorSelection")
        : nullptr;
    reader.readColour(CodeField::ColorSelectBackground, {}, record.SelectionBGColor, used);
    reader.readColour(CodeField::ColorActive, {}, record.ActiveColor, used);
    reader.readText(CodeField::Font, record.Font);
    reader.readPlaced(CodeField::SizeEx, FormField::FontSize, record);
    reader.readPlaced(CodeField::Size, FormField::FontSize, record);
    reader.readText(CodeField::Text, record.Text);
    reader.readText(CodeField::Action, record.Action);
    reader.readEnter(record.Enter);
    reader.readFloat(CodeField::LineSpacing, record.LineSpacing);
    reader.readFloat(CodeField::RowHeight, record.RowHeight);
    reader.readFloat(CodeField::WholeHeight, record.WholeHeight);
    const bool olderMap = kind == ControlKind::Map && typeValue == kOlderMapType;
    record.Others = keptOthers(lookup, chain, shape, olderNames, olderMap);
    return record;
}

} // namespace kovrin
