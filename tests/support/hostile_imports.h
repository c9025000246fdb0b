#pragma once
// Small files of class definitions that once made the import hold gigabytes: each is generated
// here, a few KB to a few MB, and names the budget that now stops it. The import tests read them
// from memory, the memory test writes them to a folder and runs the real program on them.

#include <map>
#include <string>
#include <vector>

namespace kovrin::test {

struct HostileImport
{
    std::string name; // also the folder the files are written to
    std::map<std::string, std::string> files; // by path; "main.hpp" is the one imported
    std::string limit; // what the refusal names
    std::string where; // the file and line it names, "main.hpp:3:"
};

inline std::string repeated(const std::string &text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

inline std::string numbered(const std::string &before, const std::string &after, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += before + std::to_string(i) + after;
    return out;
}

// Macros that double forty times, as written to tests/data/hostile/doubling.hpp.
inline std::string doublingMacros(const std::string &first)
{
    std::string text = "#define A0 " + first + "\n";
    for (int i = 1; i <= 40; ++i)
        text += "#define A" + std::to_string(i) + " A" + std::to_string(i - 1) + " A"
            + std::to_string(i - 1) + "\n";
    return text;
}

// class T0 {}; then class T1: T0 {}; and so on, one a line.
inline std::string chainOfBases(int count)
{
    std::string out = "class T0 {};\n";
    for (int i = 1; i < count; ++i)
        out += "class T" + std::to_string(i) + ": T" + std::to_string(i - 1) + " {};\n";
    return out;
}

inline std::vector<HostileImport> hostileImports()
{
    const std::string control = "class c { type = 0; x = 0; y = 0; w = 0.1; h = 0.1; };\n";
    const std::string longWord(200, 'w');
    std::vector<HostileImport> cases;
    cases.push_back(
        {"doubling",
         {{"main.hpp",
           doublingMacros("c,") + "class D\n{\n    controls[] = {A40};\n    " + control + "};\n"}},
         "items in one list",
         "main.hpp:44:"});
    cases.push_back({"argument",
                     {{"main.hpp",
                       "#define M(x) " + repeated("x ", 2000)
                           + "\nclass D { controls[] = "
                             "{}; v = M("
                           + repeated("1 ", 15000) + "); };\n"}},
                     "tokens expanded, at M",
                     "main.hpp:2:"});
    cases.push_back(
        {"stringize",
         {{"main.hpp",
           "#define S(x) #x\n#define R(x) S(" + repeated("x ", 30) + ")\n#define T(x) R("
               + repeated("x ", 30) + ")\nclass D { controls[] = {};\n"
               + numbered("v", " = T(" + longWord + ");\n", 10000) + "};\n"}},
         "bytes expanded, at S",
         "main.hpp:"});
    cases.push_back(
        {"empty_calls",
         {{"main.hpp",
           "#define E\nclass D { controls[] = {}; v = " + repeated("E ", 1000001) + "; };\n"}},
         "macro calls, at E",
         "main.hpp:2:"});
    std::string base = "class Base\n{\n    controls[] = {" + numbered("c", ",", 1000) + "};\n"
        + numbered("    class c", " { type = 0; };\n", 1000) + "};\n";
    cases.push_back(
        {"inherited_controls",
         {{"main.hpp", base + numbered("class D", ": Base { controls[] += {}; };\n", 1000)}},
         "controls",
         "main.hpp:"});
    cases.push_back({"inherited_items",
                     {{"main.hpp",
                       "class Base { controls[] = {" + numbered("gone", ",", 1000) + "}; };\n"
                           + numbered("class D", ": Base { controls[] += {}; };\n", 1000)}},
                     "list items taken from base classes",
                     "main.hpp:"});
    cases.push_back(
        {"included",
         {{"main.hpp",
           "class D { controls[] = {};\n" + repeated("#include \"part.hpp\"\n", 10000) + "};\n"},
          {"part.hpp", numbered("p", " = 1;\n", 10)}},
         "files included, at \"part.hpp\"",
         "main.hpp:1002:"});
    cases.push_back(
        {"included_large",
         {{"main.hpp",
           "class D { controls[] = {};\n" + repeated("#include \"part.hpp\"\n", 10000) + "};\n"},
          {"part.hpp", numbered("p", " = 1;\n", 14000)}},
         "values in one class",
         "part.hpp:"});
    cases.push_back(
        {"plain",
         {{"main.hpp",
           "class D { controls[] = {}; };\n"
               + numbered("class P", "\n{\n" + numbered("p", " = 1;\n", 1000) + "};\n", 400)}},
         "values (properties and list items)",
         "main.hpp:"});
    cases.push_back(
        {"long_list",
         {{"main.hpp", "class D { controls[] = {}; v[] = {" + repeated("1,", 60000) + "}; };\n"}},
         "items in one list",
         "main.hpp:1:"});
    cases.push_back(
        {"classes",
         {{"main.hpp", "class D { controls[] = {}; };\n" + numbered("class C", " {};\n", 110000)}},
         "classes",
         "main.hpp:100001:"});
    // Classes nested in classes with long chains of bases: each base named is looked for in
    // every enclosing class and all it inherits.
    cases.push_back(
        {"deep_lookup",
         {{"main.hpp",
           chainOfBases(1000) + repeated("class A: T999 {\n", 250) + repeated("};\n", 250)}},
         "classes looked into",
         "main.hpp:1090:"});
    // Texts a script doubles and keeps, each shorter than a script's longest text, many of them.
    std::string doubled = "__EXEC(_h = \"" + longWord + "\")\n";
    for (int i = 0; i < 7; ++i)
        doubled += "__EXEC(_h = _h + _h)\n";
    cases.push_back({"script_texts",
                     {{"main.hpp",
                       "class D { controls[] = {}; };\n" + doubled
                           + numbered("__EXEC(_v", " = _h + _h + _h)\n", 400)}},
                     "bytes expanded, in __EXEC",
                     "main.hpp:"});
    return cases;
}

} // namespace kovrin::test
