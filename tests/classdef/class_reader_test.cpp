// The dialect and damaged input. What the hand-written files of the test data hold (includes
// beside the including file, macros with arguments, #ifndef, continued lines, bases found
// outwards, "" in strings, bare words, texts across lines, missing semicolons, pictures by style,
// static background controls as frames, default = true) is held by their golden import; styles
// kept as written and comment signs in strings by the round trip of generated code.
#include "classdef/dialog_import.h"
#include "model/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace kovrin;

namespace {

// Files by path; the loader serves them and nothing else.
using MemoryFiles = std::map<std::string, std::string>;

// Imports the file "mission/description.ext" holding the text, with the other files given.
DialogImport importText(const std::string &text, MemoryFiles files = {})
{
    files["mission/description.ext"] = text;
    return importDialogs("mission/description.ext", memorySourceLoader(std::move(files)), '.');
}

std::string problemsOf(const DialogImport &imported)
{
    std::string out;
    for (const std::string &line : imported.problemLines())
        out += line + "\n";
    return out;
}

std::string dialog(const std::string &control)
{
    return "class D { controls[] = {C}; class C { type = 0; " + control + " }; };\n";
}

// x, text, kind or colour, of the last control of the last dialog.
std::string fieldOf(const DialogImport &imported, char field)
{
    if (imported.dialogs.empty() || imported.dialogs.back().controls.empty())
        return "(no control)";
    const ControlRecord &c = imported.dialogs.back().controls.back();
    std::string colour;
    for (const auto &component : c.ForeColor.value_or(Rgba {}))
        colour += componentText(component, '.') + " ";
    return field == 'x' ? singleText(c.X, '.')
        : field == 't'  ? c.Text
        : field == 'k'  ? c.CtrlType
                        : colour;
}

} // namespace

TEST(ClassReader, ReadsTheDialectAsTheGameDoes)
{
    const std::tuple<std::string, char, std::string> cases[] = {
        {dialog("x = 0x10 * 1e-2 + 2.5E-1;"), 'x', "0.41"},
        {dialog("x = -(0.1 - 0.3) * 2 / (1 + 1);"), 'x', "0.2"},
        {dialog("x = \"0.25 * 2\";"), 'x', "0.5"}, // a string holding arithmetic
        {"#define MID(a, b) ((a + b) / 2)\n" + dialog("x = MID(0.2, 0.4);"), 'x', "0.3"},
        {"#define Q(s) #s\n#define J(a, b) a##b\n#define AB 0.75\n"
             + dialog("text = Q(hello there); x = J(A, B);"),
         't', "hello there"},
        {"#define ON\n#undef ON\n#ifdef ON\n#define X 1\n#else\n#define X 0.125\n#endif\n"
             + dialog("x = X;"),
         'x', "0.125"},
        {"#if 0\n#define X 1\n#else\n#define X 0.5\n#endif\n" + dialog("x = X;"), 'x', "0.5"},
        // Names without regard to case; the nearer base first; a base only after the class does
        // not count; += adds to the base's list.
        {"class B { TEXT = \"base\"; };\nclass D { controls[] = {c}; class C: b { TYPE = 0; }; };",
         't', "base"},
        {"class B { text = \"top\"; };\nclass D { class B { text = \"near\"; }; controls[] = {C}; "
         "class C: B { type = 0; }; };\n",
         't', "near"},
        {"class D { controls[] = {C}; class C: B { type = 0; }; class B { text = \"late\"; }; };",
         't', ""},
        {"class B { controls[] = {C}; class C { type = 1; }; class E { type = 0; }; };\n"
         "class D: B { controls[] += {E}; };\n",
         'k', "TEXT"},
        // A colour by macro keeps its literals; the older name of the colour.
        {"#define GREY 0.50\n" + dialog("colorText[] = {GREY, GREY, 1e-1, 1,};"), 'c',
         "0.50 0.50 1e-1 1 "},
        {dialog("color[] = {1, 0, 0, 1};"), 'c', "1 0 0 1 "},
    };
    for (const auto &[text, field, expected] : cases) {
        const DialogImport imported = importText(text);
        EXPECT_EQ(fieldOf(imported, field), expected) << text << "\n" << problemsOf(imported);
    }
}

// Damaged class definitions end in a report with a place, never in a crash or a hang.
TEST(ClassReader, DamagedInputEndsInAReportWithAPlace)
{
    const std::string dialog = "class D { controls[] = {}; };\n";
    MemoryFiles files {{"mission/a.hpp", "#include \"b.hpp\"\n"},
                       {"mission/b.hpp", "#include \"a.hpp\"\n"}};
    for (int i = 0; i < 20; ++i)
        files["mission/" + std::to_string(i) + ".h"]
            = "#include \"" + std::to_string(i + 1) + ".h\"\n";
    std::string nested;
    for (int i = 0; i < 100000; ++i)
        nested += "class A {";
    // Each report names its cause.
    using C = ReadCause;
    const std::tuple<std::string, const char *, ReadCause> damages[] = {
        {dialog + "class Open {\n x = 1;\n", "description.ext:2:1: class Open is never closed",
         C::Syntax},
        {dialog + "class T { text = \"no end;\n};\n",
         ":2:18: the string opened here is never closed", C::Syntax},
        {dialog + "/* to the end", ":2:1: the comment opened here is never closed", C::Syntax},
        {"#include \"a.hpp\"\n" + dialog,
         "b.hpp:1:1: \"a.hpp\" is not read again: it includes itself", C::Include},
        {"#include \"gone.hpp\"\n" + dialog, ":1:1: \"gone.hpp\" cannot be read", C::Include},
        {"#include \"0.h\"\n" + dialog, "is not read: includes nest more than 16 deep", C::Include},
        {"#define X X + 1\n#define F(a) F(a)\nclass D { controls[] = {C}; class C { type = 0; x = "
         "X; y = F(1); }; };",
         ":3:49: dialog D, control C: x = X: \"X\" is not a number; kept 0", C::ValueReplaced},
        {dialog + std::string(100000, '{'), ":2:1: unexpected \"{\"", C::Syntax},
        {dialog + "class Q { a[] = " + std::string(100000, '{'), "lists nest more than 256 deep",
         C::Limit},
        {dialog + nested, "classes nest more than 256 deep", C::Limit},
        {"class D { controls[] = {Q}; class Q { type = 0; x = " + std::string(100000, '(')
             + "1; }; };",
         "parentheses nest more than 64 deep", C::ValueReplaced},
        // A quotation stops at the end of the line the report names.
        {"class D { controls[] = {C}; class C { type = 0; x = 1 \"one\nprivate\"; }; };",
         ":1:49: dialog D, control C: x = 1 \"one...: \"\"one...\" is not arithmetic; kept 0\n",
         C::ValueReplaced},
        {"#pragma once\n" + dialog, ":1:1: unknown directive #pragma", C::Preprocessor},
        {"#endif\n" + dialog, ":1:1: #endif without #ifdef", C::Preprocessor},
        {"#ifdef X\n" + dialog, ":1:1: this #ifdef has no #endif", C::Preprocessor},
        {"#define F(a) a\n" + dialog + "class Q { x = F(1; };",
         ":3:15: the call of macro F is never closed", C::Preprocessor},
    };
    for (const auto &[text, report, cause] : damages) {
        const DialogImport imported = importText(text, files);
        EXPECT_TRUE(imported.readable && !imported.whole()) << report;
        EXPECT_NE(problemsOf(imported).find(report), std::string::npos) << report << "\n"
                                                                        << problemsOf(imported);
        const std::string_view line
            = std::string_view(report).substr(0, std::strcspn(report, "\n"));
        const auto named = std::find_if(
            imported.problems.begin(), imported.problems.end(), [&](const ReadProblem &problem) {
                return readProblemText(problem, imported.files).find(line) != std::string::npos;
            });
        EXPECT_TRUE(named != imported.problems.end() && named->cause == cause) << report;
    }
    const DialogImport none = importDialogs("nowhere/x.ext", memorySourceLoader({}), '.');
    EXPECT_FALSE(none.readable);
    EXPECT_NE(none.failure.find("cannot be read"), std::string::npos);
}
