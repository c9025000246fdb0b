#include "cli/usage_text.h"

#include "cli/program_arguments.h"
#include "model/path_text.h"

#include <exception>
#include <filesystem>

namespace kovrin {

std::string programName(const char *argv0)
{
    std::string name;
    try {
        if (argv0)
            name = pathText(pathFromArgument(argv0).stem());
    } catch (const std::exception &) {
        // A name the system cannot convert still leaves the messages a name to start with.
    }
    return name.empty() ? std::string("kovrin") : name;
}

std::string usageText(std::string_view program, bool designer)
{
    struct Entry
    {
        std::string_view arguments;
        std::string_view meaning;
    };
    static constexpr Entry kDesigner = {"[FILE.kvx]", "open the designer, with the file loaded"};
    static constexpr Entry kEntries[] = {
        {"generate FILE.kvx [-o OUT]", "write the generated code for DESCRIPTION.EXT"},
        {"convert IN.kvx OUT.kvx", "rewrite a design file in the current format"},
        {"check FILE.kvx", "report what would break in the game or on reloading"},
        {"import FILE [-o OUT.kvx]", "read the dialogs of class definitions into a design"},
        {"--help | --version", ""},
    };
    std::string text = "Usage:\n";
    const auto add = [&text, program](const Entry &entry) {
        std::string line = "  " + std::string(program) + " " + std::string(entry.arguments);
        if (!entry.meaning.empty())
            line += std::string(28 - entry.arguments.size(), ' ') + std::string(entry.meaning);
        text += line + "\n";
    };
    if (designer)
        add(kDesigner);
    for (const Entry &entry : kEntries)
        add(entry);
    return text
        + "\n"
          "The generated code goes to standard output unless -o names a file; it has CRLF line\n"
          "ends and the Windows-1252 code page of the design file, or UTF-8 with --encoding\n"
          "utf-8 (--encoding windows-1252 is the default). Numbers use \".\".\n"
          "\n"
          "import writes the design file to standard output unless -o names a file, and its\n"
          "report to standard error: the first 100 problems and a count by cause. --report FILE\n"
          "writes every problem, one a line (file:line:column: what: kept instead). An #include\n"
          "is read only from the folder of FILE or from a folder given with -I DIR (repeatable,\n"
          "before or after FILE). A path of the game or a mod (\\a3\\..., \\x\\...) is looked for\n"
          "in the -I folders, each standing for the root of unpacked game and mod files; file\n"
          "names match without letter case.\n"
          "\n"
          "Exit status: 0 done; 1 no dialogs to generate, problems found by check, or a value\n"
          "import replaced; 2 a bad argument, a file that cannot be read or written, or a file\n"
          "without dialogs to import; 3 import left out a dialog or a control.\n";
}

} // namespace kovrin
