#include "classdef/preprocessor.h"

#include "classdef/expression.h"
#include "model/ignoring_case.h"
#include "model/number_text.h"

#include <algorithm>
#include <cmath>
#include <span>
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
    while (m_expansions.size() > m_floor.value_or(0)) {
        Expansion &top = m_expansions.back();
        if (top.pos < top.tokens.size())
            return top.tokens[top.pos++];
        if (top.macro)
            top.macro->expanding = false;
        m_expansions.pop_back();
    }
    if (m_floor)
        return Token {}; // the tokens expanded alone end here
    return pullFromFiles();
}

Token Preprocessor::next()
{
    for (;;) {
        Token token = pull();
        if (token.kind != TokenKind::Word || token.painted)
            return token;
        const auto found = m_macros.find(std::string(token.text));
        if (found == m_macros.end()) {
            if ((token.text == "__EVAL" || token.text == "__EXEC") && script(token))
                continue;
            return token;
        }
        if (found->second->expanding) {
            token.painted = true;
            return token;
        }
        // Held here: a directive read among the call's arguments may undefine the macro.
        const std::shared_ptr<Macro> macro = found->second;
        if (!expand(token, macro))
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
    const auto found = includePath(target, angled, m_paths[m_files.back().file]);
    if (!found) {
        // Reported once: a mission includes the same macros of a mod in file after file.
        if (m_reported.insert("#include " + caseKey(target)).second) {
            m_problems.add(hash.place,
                           "#include \"" + target
                               + "\": no include folder holds this file of the game or a mod "
                                 "(add the folder of unpacked game and mod files "
                               + m_loader.howToAdd + "); left out here and wherever included",
                           ReadCause::Include);
        }
        return;
    }
    const std::filesystem::path &path = *found;
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

std::optional<std::filesystem::path>
Preprocessor::includePath(const std::string &target, bool angled,
                          const std::filesystem::path &includer)
{
    // Mission files are written on Windows: a backslash separates folders there.
    std::string slashed = target;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    std::vector<std::filesystem::path> candidates;
    if (slashed.starts_with('/')) {
        // A path of the game or a mod, from the root of the game's files: the include folders
        // stand for that root. The path itself last, so a folder given by its whole path still
        // reads (or is refused as outside the include folders).
        const std::filesystem::path inRoot = pathOf(std::string_view(slashed).substr(1));
        for (const std::filesystem::path &folder : m_loader.folders)
            candidates.push_back(folder / inRoot);
        candidates.push_back(pathOf(slashed));
    } else {
        // "file" beside the including file first; then, as <file>, the imported file's folder
        // and the include folders in order.
        const std::filesystem::path relative = pathOf(slashed);
        if (!angled)
            candidates.push_back(includer.parent_path() / relative);
        candidates.push_back(m_paths.front().parent_path() / relative);
        for (const std::filesystem::path &folder : m_loader.folders)
            candidates.push_back(folder / relative);
    }
    // The first that exists is taken, else the first looked for, whose read then says why not.
    for (const std::filesystem::path &candidate : candidates) {
        if (auto found = located(candidate.lexically_normal()))
            return found;
    }
    if (slashed.starts_with('/'))
        return std::nullopt;
    return candidates.front().lexically_normal();
}

std::optional<std::filesystem::path> Preprocessor::located(const std::filesystem::path &candidate)
{
    // Each name is looked up once: a folder is listed only for a name whose case differs.
    const auto known = m_located.find(candidate);
    if (known != m_located.end())
        return known->second;
    std::optional<std::filesystem::path> found;
    if (m_loader.find) {
        found = m_loader.find(candidate);
        if (found)
            found = found->lexically_normal();
    }
    m_located.emplace(candidate, found);
    return found;
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
    // The game expands an argument before it quotes it with # or joins it with ##, and a macro
    // name of the body beside ## too, where C takes both as written: GVAR(x) defined as
    // PREFIX##_##x gives mod_x when PREFIX is mod, not PREFIX_x.
    std::vector<std::optional<std::vector<Token>>> alone(args.size());
    const auto expandedArg = [&](std::ptrdiff_t p) -> const std::vector<Token> & {
        auto &held = alone[static_cast<std::size_t>(p)];
        if (!held)
            held = expandAlone(args[static_cast<std::size_t>(p)], name);
        return *held;
    };
    const auto besidePaste = [&body](std::size_t i) {
        return (i + 2 < body.size() && body[i + 1].is('#') && body[i + 2].is('#'))
            || (i >= 2 && body[i - 1].is('#') && body[i - 2].is('#'));
    };
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
            std::string quoted = inQuotes(spellingOf(expandedArg(paramIndex(body[i + 1]))));
            if (overBudget(m_expandedBytes, quoted.size(), kMaxExpandedBytes, name.place, kSpells,
                           macro->name))
                return false;
            made.text = keep(std::move(quoted));
            piece.push_back(made);
            ++i;
        } else if (const auto p = paramIndex(token); p >= 0) {
            piece = besidePaste(i) ? expandedArg(p) : args[static_cast<std::size_t>(p)];
            if (!piece.empty())
                piece.front().spaceBefore = token.spaceBefore;
        } else if (token.kind == TokenKind::Word && besidePaste(i)
                   && m_macros.contains(std::string(token.text))) {
            // The macro's own name beside ## stays as written, as it would anywhere in its body.
            macro->expanding = true;
            piece = expandAlone({token}, name);
            macro->expanding = false;
        } else {
            piece.push_back(token);
        }
        if (m_stop)
            return false;
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
            target.painted = false; // a new name, whatever its parts were
            piece.erase(piece.begin());
        }
        paste = false;
        out.insert(out.end(), piece.begin(), piece.end());
    }
    if (out.size() > size
        && overBudget(m_expandedTokens, out.size() - size, kMaxExpandedTokens, name.place,
                      "tokens expanded, at ", macro->name))
        return false;
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

std::vector<Token> Preprocessor::expandAlone(std::vector<Token> tokens, const Token &at)
{
    if (m_aloneDepth >= kMaxMacroNesting) {
        m_problems.add(at.place,
                       "macros nest more than " + std::to_string(kMaxMacroNesting)
                           + " deep inside arguments and ##; " + quotedSpelling(spellingOf(tokens))
                           + " is left as written",
                       ReadCause::Limit);
        return tokens;
    }
    const std::optional<std::size_t> floor = m_floor;
    const std::optional<Token> lookahead = m_lookahead;
    m_lookahead.reset();
    m_floor = m_expansions.size();
    ++m_aloneDepth;
    m_expansions.push_back({std::move(tokens), 0, nullptr});
    std::vector<Token> out;
    for (Token token = next(); token.kind != TokenKind::End; token = next())
        out.push_back(token);
    --m_aloneDepth;
    m_floor = floor;
    m_lookahead = lookahead;
    return out;
}

void Preprocessor::scriptProblem(const Token &word, const std::string &text, const std::string &why,
                                 std::string_view kept)
{
    // Once for each text: a macro may write the same call in every control.
    const std::string what = std::string(word.text) + "(" + text + ")";
    if (m_reported.insert(what).second)
        m_problems.add(word.place, what + ": " + why + "; " + std::string(kept),
                       ReadCause::Preprocessor);
}

bool Preprocessor::script(const Token &word)
{
    // A call inside a call is read by a call of this function inside this one.
    if (m_aloneDepth >= kMaxMacroNesting) {
        if (m_reported.insert("nesting").second)
            m_problems.add(word.place,
                           std::string(word.text) + " and macros nest more than "
                               + std::to_string(kMaxMacroNesting) + " deep; left as written",
                           ReadCause::Limit);
        return false;
    }
    struct Nesting
    {
        std::size_t &depth;
        explicit Nesting(std::size_t &d)
            : depth(++d)
        {
        }
        ~Nesting() { --depth; }
    } nesting(m_aloneDepth);
    const Token open = pull();
    if (!open.is('(')) {
        pushBack(open);
        return false;
    }
    // The game's reader ends __EXEC at its first ")", __EVAL at the one that closes it.
    const bool exec = word.text == "__EXEC";
    std::vector<Token> inside;
    Token close;
    for (int depth = 0;;) {
        Token token = next();
        if (token.kind == TokenKind::End) {
            m_problems.add(word.place, std::string(word.text) + "( is never closed",
                           ReadCause::Preprocessor);
            return true;
        }
        if (token.is(')') && (exec || depth == 0)) {
            close = token;
            break;
        }
        depth += token.is('(') ? 1 : token.is(')') ? -1 : 0;
        if (overBudget(m_expandedTokens, 1, kMaxExpandedTokens, word.place, "tokens expanded, in ",
                       word.text))
            return true;
        inside.push_back(token);
    }
    const std::string text = spellingOf(inside);
    // A call the screen's values or a stored value cannot work out stands as written.
    const auto asWritten = [&] {
        std::vector<Token> written {word, open};
        written.front().painted = true;
        written.insert(written.end(), inside.begin(), inside.end());
        written.push_back(close);
        m_expansions.push_back({std::move(written), 0, nullptr});
    };
    if (exec) {
        // Assignments, one after another: name = value; ...
        std::size_t from = 0;
        while (from < inside.size()) {
            auto to = static_cast<std::size_t>(
                std::find_if(inside.begin() + static_cast<std::ptrdiff_t>(from), inside.end(),
                             [](const Token &t) { return t.is(';'); })
                - inside.begin());
            const std::span<const Token> statement(inside.data() + from, to - from);
            from = to + 1;
            if (statement.empty())
                continue;
            if (statement.size() < 3 || statement[0].kind != TokenKind::Word
                || !statement[1].is('=') || statement[2].is('=')) {
                scriptProblem(word, text, "only assignments (name = value) are run", "left out");
                return true;
            }
            const auto value = evaluateScript(spellingOf({statement.begin() + 2, statement.end()}),
                                              {}, m_scriptVariables);
            if (!value) {
                scriptProblem(word, text, value.message, "left out");
                return true;
            }
            if (overBudget(m_expandedBytes, value.value->text.size(), kMaxExpandedBytes, word.place,
                           "bytes expanded, in ", word.text))
                return true;
            m_scriptVariables[caseKey(statement[0].text)] = *value.value;
        }
        return true;
    }
    const auto value = evaluateScript(text, {}, m_scriptVariables);
    if (!value) {
        scriptProblem(word, text, value.message, "left as written");
        asWritten();
        return true;
    }
    // The value in place of the call, as if written there: a number, or a text in quotes.
    std::vector<Token> made;
    Token token = word;
    token.expanded = true;
    if (close.place.file == word.place.file)
        token.end = std::max(word.end, close.end);
    std::string spelling;
    if (value.value->number) {
        token.kind = TokenKind::Number;
        const double number = *value.value->number;
        spelling = doubleText(std::fabs(number), '.');
        if (number < 0) {
            Token minus = token;
            minus.kind = TokenKind::Punct;
            minus.text = "-";
            made.push_back(minus);
            token.spaceBefore = false;
            token.startsLine = false;
        }
    } else {
        token.kind = TokenKind::String;
        spelling = "\"";
        for (const char c : value.value->text)
            spelling += c == '"' ? std::string("\"\"") : std::string(1, c);
        spelling += "\"";
    }
    if (overBudget(m_expandedBytes, spelling.size(), kMaxExpandedBytes, word.place,
                   "bytes expanded, in ", word.text))
        return true;
    token.text = keep(std::move(spelling));
    made.push_back(token);
    m_expansions.push_back({std::move(made), 0, nullptr});
    return true;
}

} // namespace kovrin
