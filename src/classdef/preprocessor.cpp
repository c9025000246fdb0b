#include "classdef/preprocessor.h"

#include "classdef/expression.h"

#include <algorithm>
#include <system_error>

namespace kovrin {

struct Preprocessor::Macro
{
    std::string name;
    bool functionLike = false;
    std::vector<std::string> params;
    std::vector<Token> body;
    bool expanding = false; // its own expansion is being read: it does not expand again
};

struct Preprocessor::FileFrame
{
    Lexer lexer;
    std::uint32_t file;
    std::optional<Token> peeked;
    std::size_t conditionsAtStart;
};

struct Preprocessor::Expansion
{
    std::vector<Token> tokens;
    std::size_t pos = 0;
    std::shared_ptr<Macro> macro;
};

struct Preprocessor::Condition
{
    bool parentActive = true;
    bool taken = true; // the branch being read counts
    bool sawElse = false;
    SourcePlace place;
};

std::string spellingOf(const std::vector<Token> &tokens)
{
    std::string out;
    for (const Token &token : tokens) {
        if (!out.empty() && token.spaceBefore)
            out += ' ';
        out += token.text;
    }
    return out;
}

namespace {

std::string inQuotes(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

} // namespace

Preprocessor::Preprocessor(SourceLoader loader, ReadProblems &problems)
    : m_loader(std::move(loader))
    , m_problems(problems)
{
}

Preprocessor::~Preprocessor() = default;

bool Preprocessor::open(const std::filesystem::path &path, std::string *why)
{
    auto bytes = m_loader.read(path);
    if (!bytes) {
        if (why)
            *why = pathText(path) + ": the file cannot be read";
        return false;
    }
    if (bytes.value->size() > kMaxSourceBytes) {
        if (why)
            *why = pathText(path) + ": the file is larger than "
                + std::to_string(kMaxSourceBytes / (1024 * 1024)) + " MB";
        return false;
    }
    m_sourceBytes = bytes.value->size();
    pushFile(decodeSourceBytes(*bytes), pathText(path), path.lexically_normal());
    return true;
}

void Preprocessor::openText(std::string text, std::string name)
{
    const std::filesystem::path path = pathOf(name);
    pushFile(std::move(text), std::move(name), path.lexically_normal());
}

void Preprocessor::pushFile(std::string text, std::string name, std::filesystem::path path)
{
    const auto file = static_cast<std::uint32_t>(m_texts.size());
    m_texts.push_back(std::move(text));
    m_names.push_back(std::move(name));
    m_paths.push_back(std::move(path));
    m_files.push_back(
        {Lexer(m_texts.back(), file, m_problems), file, std::nullopt, m_conditions.size()});
}

void Preprocessor::closeFile()
{
    const FileFrame &frame = m_files.back();
    // A condition left open at the end of its file ends there.
    while (m_conditions.size() > frame.conditionsAtStart) {
        m_problems.add(m_conditions.back().place, "this #ifdef has no #endif in its file",
                       ReadCause::Preprocessor);
        m_conditions.pop_back();
    }
    m_files.pop_back();
}

bool Preprocessor::active() const
{
    return m_conditions.empty() || (m_conditions.back().parentActive && m_conditions.back().taken);
}

std::string_view Preprocessor::keep(std::string text)
{
    m_made.push_back(std::move(text));
    return m_made.back();
}

void Preprocessor::stop(ReadProblem report)
{
    if (!m_stop)
        m_stop = std::move(report);
}

bool Preprocessor::overBudget(std::size_t &used, std::size_t more, std::size_t budget,
                              SourcePlace place, std::string_view what, std::string_view name)
{
    if (spendBudget(used, more, budget))
        return false;
    stop(budgetStop(place, std::string(what) + std::string(name), budget));
    return true;
}

Token Preprocessor::lex()
{
    FileFrame &frame = m_files.back();
    if (frame.peeked) {
        Token token = *frame.peeked;
        frame.peeked.reset();
        return token;
    }
    return frame.lexer.next();
}

std::vector<Token> Preprocessor::restOfLine()
{
    std::vector<Token> line;
    for (;;) {
        Token token = lex();
        if (token.kind == TokenKind::End || token.startsLine) {
            m_files.back().peeked = token;
            return line;
        }
        line.push_back(token);
    }
}

Token Preprocessor::pullFromFiles()
{
    while (!m_files.empty()) {
        Token token = lex();
        if (token.kind == TokenKind::End) {
            closeFile();
            continue;
        }
        if (token.startsLine && token.is('#')) {
            directive(token);
            continue;
        }
        if (active())
            return token;
    }
    return Token {};
}

Token Preprocessor::pull()
{
    if (m_stop)
        return Token {};
    if (m_lookahead) {
        Token token = *m_lookahead;
        m_lookahead.reset();
        return token;
    }
    while (!m_expansions.empty()) {
        Expansion &top = m_expansions.back();
        if (top.pos < top.tokens.size())
            return top.tokens[top.pos++];
        top.macro->expanding = false;
        m_expansions.pop_back();
    }
    return pullFromFiles();
}

Token Preprocessor::next()
{
    for (;;) {
        Token token = pull();
        if (token.kind != TokenKind::Word || token.painted)
            return token;
        const auto found = m_macros.find(std::string(token.text));
        if (found == m_macros.end())
            return token;
        if (found->second->expanding) {
            token.painted = true;
            return token;
        }
        if (!expand(token, found->second))
            return token;
    }
}

void Preprocessor::directive(const Token &hash)
{
    const std::vector<Token> line = restOfLine();
    if (line.empty())
        return; // a lone "#" is a null directive
    const std::string_view name = line.front().text;
    if (name == "ifdef" || name == "ifndef" || name == "if") {
        Condition condition;
        condition.parentActive = active();
        condition.place = hash.place;
        if (condition.parentActive) {
            if (name == "if") {
                const auto value = evaluateTokens({line.data() + 1, line.size() - 1});
                if (!value.value)
                    m_problems.add(hash.place,
                                   "#if needs a number here; the lines it guards "
                                   "are read",
                                   ReadCause::Preprocessor);
                condition.taken = !value.value || *value.value != 0;
            } else if (line.size() < 2 || line[1].kind != TokenKind::Word) {
                m_problems.add(hash.place, "#" + std::string(name) + " needs a macro name",
                               ReadCause::Preprocessor);
                condition.taken = false;
            } else {
                const bool defined = m_macros.contains(std::string(line[1].text));
                condition.taken = (name == "ifdef") == defined;
            }
        }
        m_conditions.push_back(condition);
        return;
    }
    const bool ownCondition = m_conditions.size() > m_files.back().conditionsAtStart;
    if (name == "else") {
        if (!ownCondition)
            m_problems.add(hash.place, "#else without #ifdef", ReadCause::Preprocessor);
        else if (m_conditions.back().sawElse)
            m_problems.add(hash.place, "a second #else for the same #ifdef",
                           ReadCause::Preprocessor);
        else {
            m_conditions.back().sawElse = true;
            m_conditions.back().taken = !m_conditions.back().taken;
        }
        return;
    }
    if (name == "endif") {
        if (!ownCondition)
            m_problems.add(hash.place, "#endif without #ifdef", ReadCause::Preprocessor);
        else
            m_conditions.pop_back();
        return;
    }
    if (!active())
        return;
    if (name == "define") {
        define(line, hash);
    } else if (name == "undef") {
        if (line.size() < 2 || line[1].kind != TokenKind::Word)
            m_problems.add(hash.place, "#undef needs a macro name", ReadCause::Preprocessor);
        else
            m_macros.erase(std::string(line[1].text));
    } else if (name == "include") {
        include(line, hash);
    } else {
        m_problems.add(hash.place,
                       "unknown directive #" + std::string(name) + "; the line is left out",
                       ReadCause::Preprocessor);
    }
}

void Preprocessor::define(const std::vector<Token> &line, const Token &hash)
{
    if (line.size() < 2 || line[1].kind != TokenKind::Word) {
        m_problems.add(hash.place, "#define needs a macro name", ReadCause::Preprocessor);
        return;
    }
    auto macro = std::make_shared<Macro>();
    macro->name = line[1].text;
    std::size_t i = 2;
    // A parenthesis right after the name, without a blank, opens the arguments.
    if (i < line.size() && line[i].is('(') && !line[i].spaceBefore) {
        macro->functionLike = true;
        ++i;
        bool closed = false;
        while (i < line.size()) {
            const Token &token = line[i++];
            if (token.is(')')) {
                closed = true;
                break;
            }
            if (token.kind == TokenKind::Word)
                macro->params.emplace_back(token.text);
            else if (!token.is(','))
                m_problems.add(token.place,
                               "unexpected " + inQuotes(token.text)
                                   + " among the arguments of macro " + macro->name,
                               ReadCause::Preprocessor);
        }
        if (!closed) {
            m_problems.add(hash.place,
                           "the arguments of macro " + macro->name
                               + " are never closed; the macro is not defined",
                           ReadCause::Preprocessor);
            return;
        }
    }
    macro->body.assign(line.begin() + static_cast<std::ptrdiff_t>(i), line.end());
    m_macros[macro->name] = std::move(macro);
}

void Preprocessor::include(const std::vector<Token> &line, const Token &hash)
{
    std::string target;
    const bool angled = line.size() >= 2 && line[1].is('<');
    if (line.size() >= 2 && line[1].kind == TokenKind::String && line[1].text.size() >= 2) {
        target = line[1].text.substr(1, line[1].text.size() - 2);
    } else if (angled) {
        for (std::size_t i = 2; i < line.size() && !line[i].is('>'); ++i)
            target += line[i].text;
    }
    if (target.empty()) {
        m_problems.add(hash.place, "#include needs a file name in double quotes",
                       ReadCause::Include);
        return;
    }
    // Mission files are written on Windows: a backslash separates folders there.
    std::replace(target.begin(), target.end(), '\\', '/');
    const std::filesystem::path path
        = includePath(pathOf(target), angled, m_paths[m_files.back().file]);
    if (m_files.size() > kMaxIncludeDepth) {
        m_problems.add(hash.place,
                       "\"" + target + "\" is not read: includes nest more than "
                           + std::to_string(kMaxIncludeDepth) + " deep",
                       ReadCause::Include);
        return;
    }
    for (const FileFrame &open : m_files) {
        if (m_paths[open.file] == path) {
            m_problems.add(hash.place,
                           "\"" + target
                               + "\" is not read again: it includes "
                                 "itself (an include cycle)",
                           ReadCause::Include);
            return;
        }
    }
    if (overBudget(m_inclusions, 1, kMaxInclusions, hash.place, "files included, at \"",
                   target + "\"")) {
        return;
    }
    // A file included again is read from the text kept the first time.
    for (std::uint32_t file = 0; file < m_paths.size(); ++file) {
        if (m_paths[file] == path) {
            m_files.push_back(
                {Lexer(m_texts[file], file, m_problems), file, std::nullopt, m_conditions.size()});
            return;
        }
    }
    auto bytes = m_loader.read(path);
    if (!bytes) {
        m_problems.add(hash.place, "\"" + target + "\" " + bytes.message, ReadCause::Include);
        return;
    }
    if (overBudget(m_sourceBytes, bytes.value->size(), kMaxSourceBytes, hash.place,
                   "bytes of the files read, at \"", target + "\"")) {
        return;
    }
    pushFile(decodeSourceBytes(*bytes), pathText(path), path);
}

std::filesystem::path Preprocessor::includePath(const std::filesystem::path &target, bool angled,
                                                const std::filesystem::path &includer) const
{
    // "file" beside the including file first; then, as <file>, the imported file's folder and
    // the include folders in order. The first that exists is taken, else the first looked for.
    std::vector<std::filesystem::path> candidates;
    if (!angled)
        candidates.push_back(includer.parent_path() / target);
    candidates.push_back(m_paths.front().parent_path() / target);
    for (const std::filesystem::path &folder : m_loader.folders)
        candidates.push_back(folder / target);
    for (const std::filesystem::path &candidate : candidates) {
        std::error_code error;
        if (std::filesystem::exists(candidate, error))
            return candidate.lexically_normal();
    }
    return candidates.front().lexically_normal();
}

bool Preprocessor::expand(const Token &name, const std::shared_ptr<Macro> &macro)
{
    if (overBudget(m_macroCalls, 1, kMaxMacroCalls, name.place, "macro calls, at ", macro->name))
        return false;
    std::vector<std::vector<Token>> args;
    std::uint32_t end = name.end;
    if (macro->functionLike) {
        Token open = pull();
        if (!open.is('(')) {
            pushBack(open);
            return false; // the name alone is no call
        }
        args.emplace_back();
        int depth = 0;
        for (;;) {
            Token token = pull();
            if (token.kind == TokenKind::End) {
                m_problems.add(name.place, "the call of macro " + macro->name + " is never closed",
                               ReadCause::Preprocessor);
                return false;
            }
            if (overBudget(m_expandedTokens, 1, kMaxExpandedTokens, name.place,
                           "tokens expanded, in the call of ", macro->name))
                return false;
            if (token.is(')') && depth == 0) {
                if (!token.expanded && token.place.file == name.place.file)
                    end = token.end;
                break;
            }
            if (token.is('('))
                ++depth;
            else if (token.is(')'))
                --depth;
            if (token.is(',') && depth == 0)
                args.emplace_back();
            else
                args.back().push_back(token);
        }
        if (macro->params.empty() && args.size() == 1 && args[0].empty())
            args.clear();
        if (args.size() != macro->params.size()) {
            m_problems.add(name.place,
                           "macro " + macro->name + " takes " + std::to_string(macro->params.size())
                               + " arguments, not " + std::to_string(args.size()),
                           ReadCause::Preprocessor);
            args.resize(macro->params.size());
        }
    }

    const auto paramIndex = [&](const Token &token) -> std::ptrdiff_t {
        if (token.kind != TokenKind::Word)
            return -1;
        const auto found = std::find(macro->params.begin(), macro->params.end(), token.text);
        return found == macro->params.end() ? -1 : found - macro->params.begin();
    };

    // What the expansion will hold is known before it is built: a call that would pass the
    // budget is refused before any of it is made.
    const std::vector<Token> &body = macro->body;
    std::size_t size = body.size();
    for (std::size_t i = 0; i < body.size() && !args.empty(); ++i) {
        if (const auto p = paramIndex(body[i]); p >= 0)
            size += args[static_cast<std::size_t>(p)].size() - 1;
    }
    if (overBudget(m_expandedTokens, size, kMaxExpandedTokens, name.place, "tokens expanded, at ",
                   macro->name))
        return false;
    constexpr std::string_view kSpells = "bytes expanded, at ";
    std::vector<Token> out;
    out.reserve(size);
    bool paste = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const Token &token = body[i];
        if (token.is('#') && i + 1 < body.size() && body[i + 1].is('#')) {
            paste = true;
            ++i;
            continue;
        }
        std::vector<Token> piece;
        if (token.is('#') && i + 1 < body.size() && paramIndex(body[i + 1]) >= 0) {
            Token made = token;
            made.kind = TokenKind::String;
            std::string quoted
                = inQuotes(spellingOf(args[static_cast<std::size_t>(paramIndex(body[i + 1]))]));
            if (overBudget(m_expandedBytes, quoted.size(), kMaxExpandedBytes, name.place, kSpells,
                           macro->name))
                return false;
            made.text = keep(std::move(quoted));
            piece.push_back(made);
            ++i;
        } else if (const auto p = paramIndex(token); p >= 0) {
            piece = args[static_cast<std::size_t>(p)];
            if (!piece.empty())
                piece.front().spaceBefore = token.spaceBefore;
        } else {
            piece.push_back(token);
        }
        if (paste && !out.empty() && !piece.empty()) {
            // Two spellings made one: read again as a single token of the joined text.
            if (overBudget(m_expandedBytes, out.back().text.size() + piece.front().text.size(),
                           kMaxExpandedBytes, name.place, kSpells, macro->name))
                return false;
            const std::string_view joined
                = keep(std::string(out.back().text) + std::string(piece.front().text));
            ReadProblems ignored;
            Lexer relex(joined, 0, ignored);
            Token first = relex.next();
            Token &target = out.back();
            target.text = joined;
            target.kind = first.text.size() == joined.size() ? first.kind : TokenKind::Word;
            piece.erase(piece.begin());
        }
        paste = false;
        out.insert(out.end(), piece.begin(), piece.end());
    }
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        Token &token = out[i];
        bytes += token.text.size();
        token.expanded = true;
        token.place = name.place;
        token.begin = name.begin;
        token.end = name.expanded ? name.end : end;
        token.startsLine = i == 0 && name.startsLine;
        if (i == 0)
            token.spaceBefore = name.spaceBefore;
    }
    if (overBudget(m_expandedBytes, bytes, kMaxExpandedBytes, name.place, kSpells, macro->name))
        return false;
    macro->expanding = true;
    m_expansions.push_back({std::move(out), 0, macro});
    return true;
}

} // namespace kovrin
