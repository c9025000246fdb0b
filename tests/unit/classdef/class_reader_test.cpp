// The dialect, one rule a case: each text ends in dialog D whose last control shows in the field
// the case names whether the rule held.

#include "model/colour_value.h"
#include "model/number_text.h"

#include "import_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

struct Case
{
    const char *rule;
    std::string text;
    std::string field; // "x", "text", "style", "kind", "colour", "enter"
    std::string expected;
};

std::string fieldOf(const ControlRecord &c, const std::string &field)
{
    if (field == "x")
        return singleText(c.X, '.');
    if (field == "text")
        return c.Text;
    if (field == "style")
        return c.Style;
    if (field == "kind")
        return c.CtrlType;
    if (field == "enter")
        return std::to_string(c.Enter);
    std::string out;
    for (const auto &component : *c.ForeColor)
        out += componentText(component, '.') + " ";
    return out;
}

std::string dialog(const std::string &control)
{
    return "class D { controls[] = {C}; class C { type = 0; " + control + " }; };\n";
}

const std::vector<Case> kCases {
    {"a missing semicolon at a line end",
     "class D\n{\n controls[] = {C}\n class C\n {\n  type = 0\n  x = 0.5\n  };\n};\n", "x", "0.5"},
    {"\"\" is one quote", dialog("text = \"say \"\"hi\"\"\";"), "text", "say \"hi\""},
    {"hexadecimal and exponents", dialog("x = 0x10 * 1e-2 + 2.5E-1;"), "x", "0.41"},
    {"arithmetic with signs and parentheses", dialog("x = -(0.1 - 0.3) * 2 / (1 + 1);"), "x",
     "0.2"},
    {"a string holding arithmetic", dialog("x = \"0.25 * 2\";"), "x", "0.5"},
    {"a macro with arguments", "#define MID(a, b) ((a + b) / 2)\n" + dialog("x = MID(0.2, 0.4);"),
     "x", "0.3"},
    {"# and ##",
     "#define Q(s) #s\n#define J(a, b) a##b\n#define AB 0.75\n"
         + dialog("text = Q(hello there); x = J(A, B);"),
     "text", "hello there"},
    {"#ifdef, #else, #undef",
     "#define ON\n#undef ON\n#ifdef ON\n#define X 1\n#else\n#define X 0.125\n#endif\n"
         + dialog("x = X;"),
     "x", "0.125"},
    {"#ifndef and #if",
     "#ifndef NONE\n#if 0\n#define X 1\n#else\n#define X 0.5\n#endif\n#endif\n" + dialog("x = X;"),
     "x", "0.5"},
    {"a continued line", "#define LONG 0.1 + \\\n 0.2\n" + dialog("x = LONG;"), "x", "0.3"},
    {"names without regard to case",
     "class B { TEXT = \"base\"; };\nclass D { controls[] = {c}; class C: b { TYPE = 0; }; };\n",
     "text", "base"},
    {"the base found outwards",
     "class B { text = \"top\"; };\nclass D { controls[] = {C}; class C: B { type = 0; }; };\n",
     "text", "top"},
    {"the nearer base first",
     "class B { text = \"top\"; };\nclass D { class B { text = \"near\"; }; controls[] = {C}; "
     "class C: B { type = 0; }; };\n",
     "text", "near"},
    {"a base only after the class does not count",
     "class D { controls[] = {C}; class C: B { type = 0; }; class B { text = \"late\"; }; };\n",
     "text", ""},
    {"+= adds to the base's list",
     "class B { controls[] = {C}; class C { type = 1; }; class E { type = 0; }; };\nclass D: B { "
     "controls[] += {E}; };\n",
     "kind", "TEXT"},
    {"a picture by its style", dialog("style = 0x30 + 0x100;"), "kind", "PICTURE"},
    {"a static background control is a frame",
     "class D { controlsBackground[] = {C}; class C { type = 0; style = 48; }; };\n", "kind",
     "FRAME"},
    {"style kept as written",
     "#define ST_LEFT 0\n#define ST_MULTI 16\n" + dialog("style = ST_LEFT  +  ST_MULTI;"), "style",
     "ST_LEFT  +  ST_MULTI"},
    {"a colour by macro keeps its literals",
     "#define GREY 0.50\n" + dialog("colorText[] = {GREY, GREY, 1e-1, 1,};"), "colour",
     "0.50 0.50 1e-1 1 "},
    {"older colour name", dialog("color[] = {1, 0, 0, 1};"), "colour", "1 0 0 1 "},
    {"default = true is Enter 1",
     "class D { controls[] = {C}; class C { type = 1; default = true; }; };\n", "enter", "1"},
    {"text across lines", dialog("text = \"one\r\ntwo\";"), "text", "one\r\ntwo"},
    {"a comment inside a string is text", dialog("text = \"a // b /* c */\";"), "text",
     "a // b /* c */"},
    {"a bare word", dialog("text = $STR_title;"), "text", "$STR_title"},
};

} // namespace

TEST(ClassReader, ReadsTheDialectAsTheGameDoes)
{
    for (const Case &c : kCases) {
        const DialogImport imported = importText(c.text);
        // D is the last dialog, and C its last control.
        ASSERT_FALSE(imported.dialogs.empty()) << c.rule << "\n" << problemsOf(imported);
        ASSERT_FALSE(imported.dialogs.back().controls.empty()) << c.rule;
        EXPECT_EQ(fieldOf(imported.dialogs.back().controls.back(), c.field), c.expected)
            << c.rule << "\n"
            << problemsOf(imported);
    }
}

TEST(ClassReader, IncludesAreFoundBesideTheIncludingFile)
{
    MemoryFiles files;
    files.bytes["mission/ui/base.hpp"] = "#include \"colours.hpp\"\nclass B { text = NAME; };\n";
    files.bytes["mission/ui/colours.hpp"] = "#define NAME \"from ui\"\n";
    const DialogImport imported = importText(
        "#include \"ui\\base.hpp\"\nclass D { controls[] = {C}; class C: B { type = 0; }; };\n",
        files);
    ASSERT_TRUE(imported.whole()) << problemsOf(imported);
    EXPECT_EQ(imported.dialogs.at(0).controls.at(0).Text, "from ui");
}
