#include "classdef/class_reader.h"

#include "classdef/expression.h"
#include "classdef/preprocessor.h"
#include "model/number_text.h"

#include <algorithm>

namespace kovrin {
namespace {

// The content of a string token: outer quotes gone, "" made one quote.
std::string unquote(std::string_view spelling)
{
    std::string_view inner = spelling.substr(1);
    if (inner.size() >= 1 && inner.back() == '"')
        inner.remove_suffix(1);
    std::string out;
    out.reserve(inner.size());
    for (std::size_t i = 0; i < inner.size(); ++i) {
        out += inner[i];
        if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"')
            ++i;
    }
    return out;
}

// The game takes any run of letters, digits and "_" for a class name, digits first too:
// class 21001, or a name that macros made of a number.
bool isClassName(const Token &token)
{
    return token.kind == TokenKind::Word
        || (token.kind == TokenKind::Number && std::ranges::all_of(token.text, isWordChar));
}

class Parser
{
public:
    Parser(Preprocessor &source, ClassRead &read)
        : m_source(source)
        , m_read(read)
        , m_problems(read.problems)
    {
    }

    void run();

private:
    Token advance() { return m_token = m_source.next(); }
    bool atStatementEnd() const
    {
        return m_token.kind == TokenKind::End || m_token.startsLine || m_token.is('}');
    }
    void endStatement();
    void skipStatement();
    void skipBraces();
    void classStatement(std::vector<std::uint32_t> &open);
    void importStatement(std::uint32_t owner);
    void addClass(std::uint32_t owner, ClassNode node);
    void property(std::uint32_t owner);
    void property(std::uint32_t owner, const Token &name);
    ClassValue array(std::size_t depth);
    ClassValue scalar(bool inArray);
    ClassValue valueOf(const std::vector<Token> &tokens, SourcePlace place);
    std::string writtenText(const std::vector<Token> &tokens);

    Preprocessor &m_source;
    ClassRead &m_read;
    ReadProblems &m_problems;
    Token m_token;
    std::vector<Token> m_value; // reused for every value, to spare allocations
    std::size_t m_values = 0;
};

void Parser::endStatement()
{
    if (m_token.is(';')) {
        advance();
        return;
    }
    if (atStatementEnd())
        return; // a missing semicolon at a line end is accepted
    m_problems.add(m_token.place, "a semicolon is missing before " + quotedSpelling(m_token.text),
                   ReadCause::Syntax);
    skipStatement();
}

void Parser::skipStatement()
{
    // Always past the current token, then on to the end of the statement.
    if (m_token.kind != TokenKind::End && !m_token.is('}'))
        advance();
    while (m_token.kind != TokenKind::End && !m_token.startsLine && !m_token.is('}')) {
        if (m_token.is(';')) {
            advance();
            return;
        }
        if (m_token.is('{'))
            skipBraces();
        else
            advance();
    }
}

void Parser::skipBraces()
{
    // From an opening brace to its partner, counted rather than recursed into.
    std::size_t depth = 0;
    while (m_token.kind != TokenKind::End) {
        if (m_token.is('{'))
            ++depth;
        else if (m_token.is('}') && --depth == 0) {
            advance();
            return;
        }
        advance();
    }
}

void Parser::run()
{
    ClassTree &tree = m_read.tree;
    tree.nodes.emplace_back(); // the top level
    std::vector<std::uint32_t> open {0};
    advance();
    while (m_token.kind != TokenKind::End) {
        if (m_token.is(';')) {
            advance();
        } else if (m_token.is('}')) {
            const SourcePlace place = m_token.place;
            advance();
            if (open.size() == 1) {
                m_problems.add(place, "a closing brace without a class to close",
                               ReadCause::Syntax);
                continue;
            }
            open.pop_back();
            endStatement();
        } else if (m_token.kind == TokenKind::Word && m_token.text == "class") {
            classStatement(open);
        } else if (m_token.kind == TokenKind::Word && m_token.text == "import") {
            importStatement(open.back());
        } else if (m_token.kind == TokenKind::Word && m_token.text == "delete") {
            m_problems.add(m_token.place, "delete is not applied; the statement is left out",
                           ReadCause::Syntax);
            skipStatement();
        } else if (m_token.kind == TokenKind::Word) {
            property(open.back());
        } else {
            m_problems.add(m_token.place,
                           "unexpected " + quotedSpelling(m_token.text)
                               + "; the statement is left out",
                           ReadCause::Syntax);
            skipStatement();
        }
    }
    for (std::size_t i = open.size(); i-- > 1;) {
        const ClassNode &node = tree.nodes[open[i]];
        m_problems.add(node.place, "class " + node.name + " is never closed", ReadCause::Syntax);
    }
}

void Parser::classStatement(std::vector<std::uint32_t> &open)
{
    const SourcePlace place = m_token.place;
    advance();
    if (!isClassName(m_token) || m_token.startsLine) {
        m_problems.add(place, "class needs a name; the statement is left out", ReadCause::Syntax);
        if (!m_token.startsLine)
            skipStatement();
        return;
    }
    ClassNode node;
    node.name = m_token.text;
    node.place = place;
    node.parent = open.back();
    advance();
    if (m_token.is(':')) {
        advance();
        if (!isClassName(m_token)) {
            m_problems.add(place, "class " + node.name + " needs a base class name after \":\"",
                           ReadCause::Syntax);
            skipStatement();
            return;
        }
        node.base = m_token.text;
        advance();
    }
    const bool body = m_token.is('{');
    if (!body) {
        if (!m_token.is(';') && !atStatementEnd()) {
            m_problems.add(m_token.place,
                           "class " + node.name + " needs \"{\" or \";\", not "
                               + quotedSpelling(m_token.text),
                           ReadCause::Syntax);
            skipStatement();
            return;
        }
        node.declarationOnly = true;
    }
    if (body && open.size() > kMaxNesting) {
        m_problems.add(place,
                       "classes nest more than " + std::to_string(kMaxNesting) + " deep; class "
                           + node.name + " is left out",
                       ReadCause::Limit);
        skipBraces();
        endStatement();
        return;
    }
    if (!body) {
        addClass(open.back(), std::move(node));
        endStatement();
        return;
    }
    const auto index = static_cast<std::uint32_t>(m_read.tree.nodes.size());
    addClass(open.back(), std::move(node));
    if (m_read.tree.nodes.size() > index) {
        open.push_back(index);
        advance();
    }
}

void Parser::addClass(std::uint32_t owner, ClassNode node)
{
    ClassTree &tree = m_read.tree;
    if (tree.nodes.size() > kMaxClasses) {
        m_source.stop(budgetStop(node.place, "classes", kMaxClasses));
        return;
    }
    tree.nodes[owner].classes.push_back(static_cast<std::uint32_t>(tree.nodes.size()));
    tree.nodes.push_back(std::move(node));
}

// import Name; brings a class of the game into the file, as class Name; declares one; "from
// Path" names where the game keeps it and "as Alias" the name it takes here. A property may be
// called import too.
void Parser::importStatement(std::uint32_t owner)
{
    const Token keyword = m_token;
    advance();
    if (m_token.kind != TokenKind::Word || m_token.startsLine) {
        property(owner, keyword);
        return;
    }
    ClassNode node;
    node.name = m_token.text;
    node.place = keyword.place;
    node.parent = owner;
    node.declarationOnly = true;
    advance();
    if (m_token.kind == TokenKind::Word && m_token.text == "from" && !m_token.startsLine) {
        advance();
        while (m_token.kind == TokenKind::Word && !m_token.startsLine && m_token.text != "as")
            advance();
    }
    if (m_token.kind == TokenKind::Word && m_token.text == "as" && !m_token.startsLine) {
        advance();
        if (m_token.kind != TokenKind::Word || m_token.startsLine) {
            m_problems.add(keyword.place,
                           "import " + node.name
                               + " needs a name after \"as\"; the statement is left out",
                           ReadCause::Syntax);
            skipStatement();
            return;
        }
        node.gameName = std::move(node.name);
        node.name = m_token.text;
        advance();
    }
    if (!m_token.is(';') && !atStatementEnd()) {
        m_problems.add(m_token.place,
                       "import " + node.name + " needs \";\", not " + quotedSpelling(m_token.text)
                           + "; the statement is left out",
                       ReadCause::Syntax);
        skipStatement();
        return;
    }
    addClass(owner, std::move(node));
    endStatement();
}

void Parser::property(std::uint32_t owner)
{
    const Token name = m_token;
    advance();
    property(owner, name);
}

// The rest of a property, past its name.
void Parser::property(std::uint32_t owner, const Token &name)
{
    ClassProperty property;
    property.name = name.text;
    property.place = name.place;
    bool isArray = false;
    if (m_token.is('[')) {
        advance();
        if (!m_token.is(']')) {
            m_problems.add(property.place,
                           property.name + "[ needs \"]\"; the statement is left out",
                           ReadCause::Syntax);
            skipStatement();
            return;
        }
        advance();
        isArray = true;
    }
    if (isArray && m_token.is('+')) {
        advance();
        property.append = true;
    }
    if (!m_token.is('=')) {
        m_problems.add(property.place,
                       property.name
                           + " needs \"=\" and a value; the statement "
                             "is left out",
                       ReadCause::Syntax);
        skipStatement();
        return;
    }
    advance();
    if (isArray) {
        if (!m_token.is('{')) {
            m_problems.add(property.place,
                           property.name + "[] needs a list in braces; the statement is left out",
                           ReadCause::Syntax);
            skipStatement();
            return;
        }
        property.value = array(0);
    } else {
        property.value = scalar(false);
    }
    std::vector<ClassProperty> &properties = m_read.tree.nodes[owner].properties;
    if (properties.size() >= kMaxValuesInOne) {
        m_source.stop(budgetStop(property.place, "values in one class", kMaxValuesInOne));
        return;
    }
    properties.push_back(std::move(property));
    endStatement();
}

ClassValue Parser::array(std::size_t depth)
{
    ClassValue list;
    list.kind = ClassValue::Kind::Array;
    list.place = m_token.place;
    if (!spendBudget(m_values, 1, kMaxValues)) {
        m_source.stop(budgetStop(list.place, "values (properties and list items)", kMaxValues));
        return list;
    }
    if (depth >= kMaxNesting) {
        m_problems.add(m_token.place,
                       "lists nest more than " + std::to_string(kMaxNesting)
                           + " deep; this one is left empty",
                       ReadCause::Limit);
        skipBraces();
        return list;
    }
    advance(); // past "{"
    for (;;) {
        if (m_token.kind == TokenKind::End) {
            m_problems.add(list.place, "the list opened here is never closed", ReadCause::Syntax);
            return list;
        }
        if (m_token.is('}')) {
            advance();
            return list;
        }
        if (list.items.size() >= kMaxValuesInOne) {
            m_source.stop(budgetStop(m_token.place, "items in one list", kMaxValuesInOne));
            return list;
        }
        if (m_token.is('{'))
            list.items.push_back(array(depth + 1));
        else
            list.items.push_back(scalar(true));
        if (m_token.is(',')) {
            advance();
        } else if (m_token.is(';')) {
            m_problems.add(list.place, "the list opened here is not closed before \";\"",
                           ReadCause::Syntax);
            return list;
        } else if (!m_token.is('}') && m_token.kind != TokenKind::End) {
            m_problems.add(m_token.place,
                           "a comma is missing before " + quotedSpelling(m_token.text),
                           ReadCause::Syntax);
        }
    }
}

ClassValue Parser::scalar(bool inArray)
{
    const SourcePlace place = m_token.place;
    if (!spendBudget(m_values, 1, kMaxValues)) {
        m_source.stop(budgetStop(place, "values (properties and list items)", kMaxValues));
        return {};
    }
    m_value.clear();
    int parens = 0;
    for (;;) {
        if (m_token.kind == TokenKind::End || m_token.is(';'))
            break;
        if (m_token.is('}') || (m_token.is('{') && parens == 0))
            break;
        if (inArray && parens == 0 && m_token.is(','))
            break;
        // Outside a list a line break ends the value: the semicolon may be missing there.
        if (!inArray && !m_value.empty() && m_token.startsLine && parens == 0)
            break;
        if (m_token.is('('))
            ++parens;
        else if (m_token.is(')'))
            --parens;
        if (m_value.size() < kMaxValueTokens) {
            m_value.push_back(m_token);
        } else if (m_value.size() == kMaxValueTokens) {
            m_problems.add(place,
                           "the value is longer than " + std::to_string(kMaxValueTokens)
                               + " tokens; the rest is left out",
                           ReadCause::Limit);
            m_value.push_back(m_token);
        }
        advance();
    }
    if (m_value.size() > kMaxValueTokens)
        m_value.resize(kMaxValueTokens);
    return valueOf(m_value, place);
}

std::string Parser::writtenText(const std::vector<Token> &tokens)
{
    const Token &first = tokens.front();
    const Token &last = tokens.back();
    if (first.place.file == last.place.file && first.begin <= last.end) {
        const std::string_view text = m_source.fileText(first.place.file);
        if (last.end <= text.size()) {
            const std::string_view slice = text.substr(first.begin, last.end - first.begin);
            if (slice.find_first_of("\r\n") == std::string_view::npos
                && slice.find("//") == std::string_view::npos
                && slice.find("/*") == std::string_view::npos)
                return std::string(slice);
        }
    }
    return spellingOf(tokens);
}

ClassValue Parser::valueOf(const std::vector<Token> &tokens, SourcePlace place)
{
    ClassValue value;
    value.place = place;
    if (tokens.empty())
        return value;
    value.written = writtenText(tokens);
    if (tokens.size() == 1 && tokens[0].kind == TokenKind::String) {
        value.kind = ClassValue::Kind::String;
        value.text = unquote(tokens[0].text);
        return value;
    }
    if (tokens.size() == 1 && tokens[0].kind == TokenKind::Number) {
        value.kind = ClassValue::Kind::Number;
        value.text = tokens[0].text;
        value.number = parseDefinitionNumber(tokens[0].text);
        if (value.number)
            return value;
    }
    Evaluated evaluated = evaluateTokens(tokens);
    value.kind = evaluated.value ? ClassValue::Kind::Number : ClassValue::Kind::Bare;
    value.number = evaluated.value;
    value.why = std::move(evaluated.why);
    value.text.clear();
    for (const Token &token : tokens) {
        if (!value.text.empty() && token.spaceBefore)
            value.text += ' ';
        value.text += token.text;
    }
    return value;
}

void readFrom(Preprocessor &source, ClassRead &read)
{
    read.readable = true;
    Parser(source, read).run();
    read.files = source.fileNames();
    if (const auto &stopped = source.stopped()) {
        read.readable = false;
        read.failure = readProblemText(*stopped, read.files);
        read.tree = {};
    }
}

} // namespace

ClassRead readClassFile(const std::filesystem::path &path, const SourceLoader &loader)
{
    ClassRead read;
    Preprocessor source(loader, read.problems);
    if (source.open(path, &read.failure))
        readFrom(source, read);
    return read;
}

ClassRead readClassText(std::string text, const std::string &name, const SourceLoader &loader)
{
    ClassRead read;
    Preprocessor source(loader, read.problems);
    source.openText(std::move(text), name);
    readFrom(source, read);
    return read;
}

} // namespace kovrin
