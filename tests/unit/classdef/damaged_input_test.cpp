// Damaged class definitions end in a report with a place, never in a crash or a hang.

#include "import_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

struct Damage
{
    const char *what;
    std::string text;
    MemoryFiles files;
    const char *report; // a piece of the expected problem line, with its place
};

std::vector<Damage> damages()
{
    const std::string dialog = "class D { controls[] = {}; };\n";
    MemoryFiles cycle;
    cycle.bytes["mission/a.hpp"] = "#include \"b.hpp\"\n";
    cycle.bytes["mission/b.hpp"] = "#include \"a.hpp\"\n";
    MemoryFiles deep;
    for (int i = 0; i < 20; ++i)
        deep.bytes["mission/" + std::to_string(i) + ".h"]
            = "#include \"" + std::to_string(i + 1) + ".h\"\n";
    return {
        {"unclosed class",
         dialog + "class Open {\n x = 1;\n",
         {},
         "description.ext:2:1: class Open is never closed"},
        {"unclosed string",
         dialog + "class T { text = \"no end;\n};\n",
         {},
         ":2:18: the string opened here is never closed"},
        {"unclosed comment",
         dialog + "/* to the end",
         {},
         ":2:1: the comment opened here is never closed"},
        {"include cycle", "#include \"a.hpp\"\n" + dialog, cycle,
         "b.hpp:1:1: \"a.hpp\" is not read again: it includes itself"},
        {"missing include",
         "#include \"gone.hpp\"\n" + dialog,
         {},
         ":1:1: \"gone.hpp\" cannot be read"},
        {"includes too deep", "#include \"0.h\"\n" + dialog, deep,
         "is not read: includes nest more than 16 deep"},
        {"self-expanding macro",
         "#define X X + 1\n#define F(a) F(a)\nclass D { controls[] = {C}; class C { type = 0; x = "
         "X; y = F(1); }; };",
         {},
         ":3:49: dialog D, control C: x = X: \"X\" is not a number; kept 0"},
        {"macro doubling 30 times",
         [] {
             std::string s;
             for (char c = 'A'; c < 'A' + 30; ++c)
                 s += std::string("#define M") + c + " M" + char(c + 1) + " M" + char(c + 1) + "\n";
             return s;
         }() + dialog
             + "class Q { x = MA; };",
         {},
         "the rest are left unexpanded"},
        {"nested braces", dialog + std::string(100000, '{'), {}, ":2:1: unexpected \"{\""},
        {"nested lists",
         dialog + "class Q { a[] = " + std::string(100000, '{'),
         {},
         "lists nest more than 256 deep"},
        {"nested classes",
         dialog +
             [] {
                 std::string s;
                 for (int i = 0; i < 100000; ++i)
                     s += "class A {";
                 return s;
             }(),
         {},
         "classes nest more than 256 deep"},
        {"nested parentheses",
         "class D { controls[] = {Q}; class Q { type = 0; x = " + std::string(100000, '(')
             + "1; }; };",
         {},
         "parentheses nest more than 64 deep"},
        {"unknown directive", "#pragma once\n" + dialog, {}, ":1:1: unknown directive #pragma"},
        {"unbalanced endif", "#endif\n" + dialog, {}, ":1:1: #endif without #ifdef"},
        {"unclosed ifdef", "#ifdef X\n" + dialog, {}, ":1:1: this #ifdef has no #endif"},
        {"unclosed macro call",
         "#define F(a) a\n" + dialog + "class Q { x = F(1; };",
         {},
         ":3:15: the call of macro F is never closed"},
    };
}

} // namespace

TEST(DamagedInput, EndsInAReportWithAPlace)
{
    for (const Damage &damage : damages()) {
        const DialogImport imported = importText(damage.text, damage.files);
        const std::string problems = problemsOf(imported);
        EXPECT_TRUE(imported.readable) << damage.what;
        EXPECT_FALSE(imported.whole()) << damage.what;
        EXPECT_NE(problems.find(damage.report), std::string::npos) << damage.what << "\n"
                                                                   << problems;
    }
}

TEST(DamagedInput, AFileThatCannotBeReadIsNoImport)
{
    const DialogImport imported = importDialogs("nowhere/x.ext", MemoryFiles {}.loader(), '.');
    EXPECT_FALSE(imported.readable);
    EXPECT_NE(imported.failure.find("cannot be read"), std::string::npos);
}
