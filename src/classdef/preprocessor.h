#pragma once
// The preprocessor of the class-definition dialect, as the game has it: #define of constants and
// of macros with arguments, #undef, #ifdef, #ifndef, #if of a number, #else, #endif, and
// #include "file" relative to the including file or in the include folders, and <file> in those
// folders. Where the game differs from C, the game's rule holds: an argument beside # and ##,
// and a macro name of the body beside ##, are expanded before they are quoted or joined; file
// names match without regard to letter case when the exact name is missing; a path of the game
// or a mod (\a3\..., \x\...) is looked for in the include folders only. The game's reader
// also works out __EVAL(...) in place and runs the assignments of __EXEC(...); so does this.
// It hands the parser a stream of tokens with directives done and macros expanded.
// Every limit ends in a report, never in a crash or a hang: includes nest at most 16 deep, a file
// including itself is refused, a macro never expands inside itself, and the read stops at the
// budgets of import_limits.h (files included, macro calls, tokens and bytes expanded), checked as
// each expansion is built.

#include "classdef/import_limits.h"
#include "classdef/lexer.h"
#include "classdef/source_place.h"
#include "classdef/source_text.h"
#include "classdef/token.h"
#include "model/position_expression.h"

#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace kovrin {

class Preprocessor
{
public:
    Preprocessor(SourceLoader loader, ReadProblems &problems);
    ~Preprocessor();
    Preprocessor(const Preprocessor &) = delete;
    Preprocessor &operator=(const Preprocessor &) = delete;

    // Starts on the file given; false (with the reason) when it cannot be read.
    bool open(const std::filesystem::path &path, std::string *why = nullptr);
    // Starts on a text held in memory, named as given in reports.
    void openText(std::string text, std::string name);

    // The next token of the expanded stream; End once the first file is done.
    Token next();

    // Ends the read where a budget ran out: every later token is End, and the import is refused
    // with this report. The first stop counts.
    void stop(ReadProblem report);
    const std::optional<ReadProblem> &stopped() const { return m_stop; }

    // The files read so far, as reports name them; index 0 is the first file.
    const std::vector<std::string> &fileNames() const { return m_names; }
    std::string_view fileText(std::uint32_t file) const { return m_texts.at(file); }

private:
    struct Macro;
    struct FileFrame;
    struct Expansion;
    struct Condition;

    Token pull();
    Token pullFromFiles();
    Token lex();
    void pushBack(Token token) { m_lookahead = token; }
    void directive(const Token &hash);
    std::vector<Token> restOfLine();
    void define(const std::vector<Token> &line, const Token &hash);
    void include(const std::vector<Token> &line, const Token &hash);
    std::optional<std::filesystem::path> includePath(const std::string &target, bool angled,
                                                     const std::filesystem::path &includer);
    std::optional<std::filesystem::path> located(const std::filesystem::path &candidate);
    void pushFile(std::string text, std::string name, std::filesystem::path path);
    void closeFile();
    bool active() const;
    bool expand(const Token &name, const std::shared_ptr<Macro> &macro);
    // The tokens with every macro in them expanded, read from them alone.
    std::vector<Token> expandAlone(std::vector<Token> tokens, const Token &at);
    // __EVAL(...) and __EXEC(...); false when the word is no call of them.
    bool script(const Token &word);
    void scriptProblem(const Token &word, const std::string &text, const std::string &why,
                       std::string_view kept);
    std::string_view keep(std::string text);
    // Spends from a budget; past it, stops the read with "more WHAT NAME than BUDGET".
    bool overBudget(std::size_t &used, std::size_t more, std::size_t budget, SourcePlace place,
                    std::string_view what, std::string_view name);

    SourceLoader m_loader;
    ReadProblems &m_problems;
    std::vector<std::string> m_names;
    std::deque<std::string> m_texts;
    std::vector<std::filesystem::path> m_paths; // normalised, to find cycles and reuse texts
    std::vector<FileFrame> m_files;
    std::vector<Condition> m_conditions;
    std::vector<Expansion> m_expansions;
    std::unordered_map<std::string, std::shared_ptr<Macro>> m_macros;
    std::deque<std::string> m_made; // spellings that ## and # made
    std::optional<Token> m_lookahead;
    // While expandAlone reads: the expansions below this many are not its to read.
    std::optional<std::size_t> m_floor;
    std::size_t m_aloneDepth = 0;
    ScriptVariables m_scriptVariables; // set by __EXEC
    std::set<std::string> m_reported; // reports given once: scripts, game paths
    std::map<std::filesystem::path, std::optional<std::filesystem::path>> m_located;
    std::size_t m_expandedTokens = 0;
    std::size_t m_inclusions = 0;
    std::size_t m_expandedBytes = 0;
    std::size_t m_macroCalls = 0;
    std::size_t m_sourceBytes = 0;
    std::optional<ReadProblem> m_stop;
};

// Tokens written out as text: their spellings, one space where the source had white space.
std::string spellingOf(const std::vector<Token> &tokens);

} // namespace kovrin
