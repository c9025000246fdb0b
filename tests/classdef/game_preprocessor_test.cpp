// Where the game's preprocessor and reader differ from C's, each rule with the game's result:
// arguments and names beside # and ## expanded first, names made of numbers, __EVAL and __EXEC,
// file names without letter case. Read from memory; the folders on disk are in
// include_folders_test.cpp.
#include "classdef/class_reader.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

struct Read
{
    std::string value; // the value of v in class T, as read after the preprocessor
    std::string problems;
};

Read readT(const std::string &text, std::map<std::string, std::string> files = {})
{
    files["m/main.hpp"] = text;
    const ClassRead read = readClassFile("m/main.hpp", memorySourceLoader(files));
    Read out;
    for (const ReadProblem &problem : read.problems.problems())
        out.problems += readProblemText(problem, read.files) + "\n";
    for (const ClassNode &node : read.tree.nodes) {
        if (node.name != "T")
            continue;
        for (const ClassProperty &property : node.properties) {
            if (property.name == "v")
                out.value = property.value.kind == ClassValue::Kind::String
                    ? "\"" + property.value.text + "\""
                    : property.value.text;
        }
    }
    return out;
}

} // namespace

TEST(GamePreprocessor, ExpandsBesideHashAndPasteAsTheGameDoes)
{
    const std::string cba = "#define DOUBLES(a,b) a##_##b\n#define PREFIX mod\n"
                            "#define ADDON DOUBLES(PREFIX,ui)\n#define GVAR(x) DOUBLES(ADDON,x)\n"
                            "#define QUOTE(s) #s\n#define FUNC(f) DOUBLES(ADDON,fnc_##f)\n";
    struct Row
    {
        std::string text;
        std::string value; // what the game reads; C would differ where a comment says
    };
    const Row rows[] = {
        // C: PREFIX_Dialog.
        {"#define PREFIX mod\n#define GVAR(x) PREFIX##_##x\nclass T { v = GVAR(Dialog); };",
         "mod_Dialog"},
        // C: ADDON_Dialog.
        {cba + "class T { v = GVAR(Dialog); };", "mod_ui_Dialog"},
        // C: MB_Window_NAME_Group.
        {"#define NAME Main\n#define WIN(n) MB_Window_##n##_Group\nclass T { v = WIN(NAME); };",
         "MB_Window_Main_Group"},
        // C: "_this call FUNC(onLoad)".
        {cba + "class T { v = QUOTE(_this call FUNC(onLoad)); };",
         "\"_this call mod_ui_fnc_onLoad\""},
        // What C and the game agree on stays.
        {"#define J(a, b) a##b\nclass T { v = J(x, 1); };", "x1"},
        {"#define Q(s) #s\nclass T { v = Q(a  b); };", "\"a b\""},
        {"#define M M##_x\nclass T { v = M; };", "M_x"}, // a macro's own name stays
        {"#define F(a) a\n#define G(a) F##a\nclass T { v = G(1); };", "F1"},
        // __EVAL gives the value in its place; __EXEC stores values for it.
        {"class T { v = __EVAL(2 * 3 + 1); };", "7"},
        {"class T { v = __EVAL(1 / 4 - 1); };", "-0.75"},
        {"#define BASE 65400\nclass T { v = __EVAL(BASE + 40); };", "65440"},
        {"__EXEC(_a = 3)\nclass T { v = __EVAL(_A * 2); };", "6"},
        {"__EXEC(_s = \"ab\"; _t = _s + 'c')\nclass T { v = __EVAL(_t); };", "\"abc\""},
        {"class T { v = __EVAL(\"say \"\"hi\"\"\"); };", "\"say \"hi\"\""},
        {"class T { v = __EVAL(safezoneW max 1); };", "1.9047619047619"},
        // What cannot be worked out stands as written.
        {"class T { v = __EVAL(q + 1); };", "__EVAL(q + 1)"},
        {"__EXEC(_a = (1 + 2))\nclass T { v = 1; };", "1"},
    };
    for (const Row &row : rows) {
        const Read read = readT(row.text);
        EXPECT_EQ(read.value, row.value) << row.text << "\n" << read.problems;
    }
}

TEST(GamePreprocessor, ClassNamesMayBeNumbersAndMacroMade)
{
    const std::pair<std::string, std::string> rows[] = {
        {"class 21001 { }; class T: 21001 { v = 1; };", "21001"},
        {"#define IDD(n) 21##n\nclass IDD(002) { }; class T: IDD(002) { v = 1; };", "21002"},
        {"#define DIALOG(n) Dlg_##n\nclass DIALOG(Main) { }; class T: DIALOG(Main) { v = 1; };",
         "Dlg_Main"},
    };
    for (const auto &[text, name] : rows) {
        const ClassRead read
            = readClassFile("m/main.hpp", memorySourceLoader({{"m/main.hpp", text}}));
        EXPECT_TRUE(read.problems.problems().empty()) << text;
        ASSERT_EQ(read.tree.nodes.size(), 3u) << text;
        EXPECT_EQ(read.tree.nodes[1].name, name);
        EXPECT_EQ(read.tree.nodes[2].base, name);
    }
}

TEST(GamePreprocessor, ScriptsThatCannotRunAreReportedOncePerText)
{
    struct Row
    {
        std::string text;
        std::string report; // the only one
    };
    const Row rows[] = {
        {"class T { v = __EVAL(q + 1); w = __EVAL(q + 1); x = __EVAL(q + 2); };",
         "m/main.hpp:1:15: __EVAL(q + 1): unknown name \"q\"; left as written\n"
         "m/main.hpp:1:53: __EVAL(q + 2): unknown name \"q\"; left as written\n"},
        // The game's reader ends __EXEC at its first closing parenthesis.
        {"__EXEC(_a = (1 + 2))\n",
         "m/main.hpp:1:1: __EXEC(_a = (1 + 2): a closing parenthesis is missing; left "
         "out\nm/main.hpp:1:20: unexpected \")\"; the statement is left out\n"},
        {"__EXEC(hint \"x\")\n",
         "m/main.hpp:1:1: __EXEC(hint \"x\"): only assignments (name = value) are run; left out\n"},
        {"__EXEC(_a = 1\n", "m/main.hpp:1:1: __EXEC( is never closed\n"},
        {"class T { v = __EVAL([1, 2]); };",
         "m/main.hpp:1:15: __EVAL([1, 2]): the value is not a number or a text; left as "
         "written\n"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(readT(row.text).problems, row.report) << row.text;
}

TEST(GamePreprocessor, IncludeNamesMatchWithoutLetterCase)
{
    const std::map<std::string, std::string> files {
        {"m/UI/Defines.hpp", "#define V 1\n"},
    };
    struct Row
    {
        std::string include;
        std::string value;
        std::string problems;
    };
    const Row rows[] = {
        {"\"UI\\Defines.hpp\"", "1", ""},
        {"\"ui\\defines.HPP\"", "1", ""},
        {"\"ui\\missing.hpp\"", "V", "m/main.hpp:1:1: \"ui\\missing.hpp\" cannot be read"},
    };
    for (const Row &row : rows) {
        const Read read = readT("#include " + row.include + "\nclass T { v = V; };", files);
        EXPECT_EQ(read.value, row.value) << row.include << "\n" << read.problems;
        EXPECT_EQ(read.problems.substr(0, row.problems.size()), row.problems);
        EXPECT_EQ(read.problems.empty(), row.problems.empty()) << read.problems;
    }
}

TEST(GamePreprocessor, MacrosNestedPastTheLimitAreLeftAsWritten)
{
    std::string calls = "a";
    for (int i = 0; i < 200; ++i)
        calls = "F(" + calls + ")";
    const Read read = readT("#define F(x) x##1\nclass T { v = " + calls + "; };");
    EXPECT_NE(read.problems.find("macros nest more than 64 deep"), std::string::npos)
        << read.problems;
    std::string evals;
    for (int i = 0; i < 20000; ++i)
        evals += "__EVAL(";
    const Read nested = readT("class T { v = " + evals + "; };");
    EXPECT_NE(nested.problems.find(":1:463: __EVAL and macros nest more than 64 deep; left as "
                                   "written\n"),
              std::string::npos)
        << nested.problems.substr(0, 300);
}
