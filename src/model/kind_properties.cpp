#include "model/kind_properties.h"

#include "model/ignoring_case.h"

#include <algorithm>
#include <array>

namespace kovrin {
namespace {

constexpr std::array kStructuredTextProperties {
    KindProperty {"Attr. font", "font", ValueShape::Text, "Attributes"},
    KindProperty {"Attr. colour", "color", ValueShape::Text, "Attributes"},
    KindProperty {"Attr. align", "align", ValueShape::Text, "Attributes"},
};
constexpr std::array kColumnListProperties {
    KindProperty {"Columns", "columns", ValueShape::List, {}},
};
constexpr std::array kProgressProperties {
    KindProperty {"Texture", "texture", ValueShape::Text, {}},
    KindProperty {"Bar colour", "colorBar", ValueShape::List, {}},
};
constexpr std::array kCheckBoxProperties {
    KindProperty {"Checked", "checked", ValueShape::Number, {}},
};
constexpr std::array kRowProperties {
    KindProperty {"Choices", "strings", ValueShape::List, {}},
    KindProperty {"Rows", "rows", ValueShape::Number, {}},
    KindProperty {"Columns", "columns", ValueShape::Number, {}},
};

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// The pieces of code between the separators that stand outside strings and braces.
std::vector<std::string_view> splitOutside(std::string_view code, char separator)
{
    std::vector<std::string_view> pieces;
    int depth = 0;
    char quote = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            depth = std::max(0, depth - 1);
        } else if (c == separator && depth == 0) {
            pieces.push_back(code.substr(start, i - start));
            start = i + 1;
        }
    }
    pieces.push_back(code.substr(start));
    return pieces;
}

std::string_view withoutBraces(std::string_view code)
{
    code = trimmed(code);
    if (code.size() >= 2 && code.front() == '{' && code.back() == '}')
        code = trimmed(code.substr(1, code.size() - 2));
    return code;
}

// One statement of a class body: "name = value", "name[] = {…}".
struct Statement
{
    std::string name;
    std::string value;
};

std::string_view statementKey(std::string_view name)
{
    return trimmed(name.substr(0, name.find_first_of(" \t[+")));
}

std::vector<Statement> statementsOf(std::string_view body)
{
    std::vector<Statement> statements;
    for (std::string_view piece : splitOutside(withoutBraces(body), ';')) {
        piece = trimmed(piece);
        if (piece.empty())
            continue;
        const auto equals = piece.find('=');
        if (equals == std::string_view::npos || piece.starts_with("class"))
            statements.push_back({std::string(piece), {}});
        else
            statements.push_back({std::string(trimmed(piece.substr(0, equals))),
                                  std::string(trimmed(piece.substr(equals + 1)))});
    }
    return statements;
}

std::string bodyOf(const std::vector<Statement> &statements)
{
    std::string body = "{";
    for (const Statement &statement : statements) {
        if (body.size() > 1)
            body += ' ';
        body += statement.value.empty() ? statement.name : statement.name + " = " + statement.value;
        body += ';';
    }
    return body + "}";
}

std::string quoted(std::string_view text)
{
    std::string code = "\"";
    for (const char c : text) {
        code += c;
        if (c == '"')
            code += '"'; // the game doubles a quote inside a string
    }
    return code + "\"";
}

// The entry's code for the field text; empty when the entry goes.
std::string codeOf(const KindProperty &property, std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return {};
    switch (property.shape) {
    case ValueShape::Text:
        return quoted(text);
    case ValueShape::List:
        return "{" + std::string(withoutBraces(text)) + "}";
    case ValueShape::Number:
        break;
    }
    return std::string(text);
}

std::string fieldTextOf(const KindProperty &property, std::string_view code)
{
    switch (property.shape) {
    case ValueShape::Text:
        return unquotedText(code);
    case ValueShape::List:
        return std::string(withoutBraces(code));
    case ValueShape::Number:
        break;
    }
    return std::string(trimmed(code));
}

std::string entryName(const KindProperty &property)
{
    std::string name(property.entry);
    if (property.shape == ValueShape::List)
        name += "[]";
    return name;
}

// The statements of a class body with the member set, or removed for empty code.
std::vector<Statement> withMember(std::vector<Statement> statements, const KindProperty &property,
                                  const std::string &code)
{
    const auto same = [&property](const Statement &statement) {
        return !statement.value.empty()
            && equalIgnoringCase(statementKey(statement.name), property.entry);
    };
    const auto found = std::find_if(statements.begin(), statements.end(), same);
    if (code.empty()) {
        if (found != statements.end())
            statements.erase(found);
    } else if (found != statements.end()) {
        found->value = code;
    } else {
        statements.push_back({entryName(property), code});
    }
    return statements;
}

} // namespace

std::string writtenAs(const KindProperty &property)
{
    std::string hint = "Written as \"" + std::string(property.entry) + "\"";
    if (!property.inClass.empty())
        hint += " in class " + std::string(property.inClass);
    return hint + ".";
}

std::string kindValueProblem(const KindProperty &property, std::string_view text)
{
    if (property.shape == ValueShape::Text)
        return {};
    bool quoteOpen = false;
    int depth = 0;
    bool balanced = true;
    bool endsEntry = false;
    // A quote inside a string is written twice, read here as closing and opening again.
    for (const char c : text) {
        if (c == '"')
            quoteOpen = !quoteOpen;
        else if (quoteOpen)
            continue;
        else if (c == '{')
            ++depth;
        else if (c == '}')
            balanced = balanced && depth-- > 0;
        else if (c == ';' || c == '=')
            endsEntry = true;
    }
    if (quoteOpen)
        return "a double quote is not closed.";
    if (!balanced || depth != 0)
        return "the braces do not balance.";
    if (endsEntry)
        return "a value holds no \";\" or \"=\" outside quotes.";
    return {};
}

std::span<const KindProperty> kindProperties(ControlKind kind)
{
    switch (kind) {
    case ControlKind::StructuredText:
        return kStructuredTextProperties;
    case ControlKind::ColumnList:
        return kColumnListProperties;
    case ControlKind::Progress:
        return kProgressProperties;
    case ControlKind::CheckBox:
        return kCheckBoxProperties;
    case ControlKind::CheckBoxRow:
    case ControlKind::ToolboxRow:
        return kRowProperties;
    default:
        return {};
    }
}

std::string kindPropertyText(const OtherProperties &others, const KindProperty &property)
{
    if (property.inClass.empty()) {
        const OtherProperty *entry = others.find(property.entry);
        return entry && !isClassEntry(*entry) ? fieldTextOf(property, entry->value) : std::string();
    }
    const OtherProperty *holder = others.find(property.inClass);
    if (!holder || !isClassEntry(*holder))
        return {};
    for (const Statement &statement : statementsOf(holder->value)) {
        if (!statement.value.empty()
            && equalIgnoringCase(statementKey(statement.name), property.entry))
            return fieldTextOf(property, statement.value);
    }
    return {};
}

OtherProperties withKindProperty(const OtherProperties &others, const KindProperty &property,
                                 std::string_view text)
{
    const std::string code = codeOf(property, text);
    const std::string_view key = property.inClass.empty() ? property.entry : property.inClass;
    std::vector<OtherProperty> list(others.list().begin(), others.list().end());
    const auto found = std::find_if(list.begin(), list.end(), [key](const OtherProperty &each) {
        return equalIgnoringCase(entryKey(each), key);
    });

    if (property.inClass.empty()) {
        if (code.empty()) {
            if (found != list.end())
                list.erase(found);
        } else if (found != list.end() && !isClassEntry(*found)) {
            found->value = code;
        } else {
            list.push_back({entryName(property), code});
        }
        return OtherProperties(std::move(list));
    }

    if (found == list.end() || !isClassEntry(*found)) {
        if (code.empty())
            return others;
        list.push_back(
            {"class " + std::string(property.inClass), bodyOf(withMember({}, property, code))});
        return OtherProperties(std::move(list));
    }
    const std::vector<Statement> members = withMember(statementsOf(found->value), property, code);
    if (members.empty())
        list.erase(found);
    else
        found->value = bodyOf(members);
    return OtherProperties(std::move(list));
}

std::vector<std::string> listItems(std::string_view code)
{
    std::vector<std::string> items;
    const std::string_view inside = withoutBraces(code);
    if (inside.empty())
        return items;
    for (std::string_view piece : splitOutside(inside, ','))
        items.push_back(unquotedText(piece));
    return items;
}

std::string unquotedText(std::string_view code)
{
    code = trimmed(code);
    if (code.size() < 2 || code.front() != '"' || code.back() != '"')
        return std::string(code);
    std::string text;
    const std::string_view inside = code.substr(1, code.size() - 2);
    for (std::size_t i = 0; i < inside.size(); ++i) {
        text += inside[i];
        if (inside[i] == '"' && i + 1 < inside.size() && inside[i + 1] == '"')
            ++i;
    }
    return text;
}

} // namespace kovrin
