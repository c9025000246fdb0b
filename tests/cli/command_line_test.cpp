// Which request each argument list makes is held by the tests of the argument parser; the rules
// of each problem by the design check's tests; the real program's output and its folders named
// in any script by real_cli.cmake.
#include "cli/program_arguments.h"
#include "cli_run.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::test;

namespace {

const std::string kExample = dataPath("cli/worked_example.kvx");

std::string exampleCode()
{
    return dataBytes("codegen/preamble.txt") + dataBytes("codegen/worked_example_classes.txt");
}

// The quote opened before BUTTON is the last one of the file.
std::string unclosedQuote(const std::string &example)
{
    return example.substr(0, example.find("\"BUTTON\"") + 7) + "\r\n0.5\r\n";
}

} // namespace

TEST(CommandLine, HelpVersionAndNoSubcommand)
{
    const CliRun none = runCli({"menu.kvx"});
    EXPECT_FALSE(none.status);
    EXPECT_TRUE(none.out.empty() && none.err.empty());
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.err.empty());
    // Only the designer opens a design file given alone.
    EXPECT_EQ(help.out.find("[FILE.kvx]"), std::string::npos);
    EXPECT_NE(runCli({"--help"}, Program::Designer).out.find("  kovrin [FILE.kvx]  "),
              std::string::npos);
    EXPECT_EQ(runCli({"--version"}).out, "Kovrin v0.61 BETA\n");
}

TEST(CommandLine, OutputThatCannotBeWrittenExitsTwoWithOneLine)
{
    for (const std::vector<const char *> &argv :
         {std::vector<const char *> {"kovrin", "--help"},
          std::vector<const char *> {"kovrin", "check", kExample.c_str()},
          std::vector<const char *> {"kovrin", "generate", kExample.c_str()}}) {
        std::ostream closed(nullptr);
        std::ostringstream err;
        EXPECT_EQ(runCommandLine(static_cast<int>(argv.size()), argv.data(), closed, err), 2);
        EXPECT_EQ(lineCount(err.str()), 1u) << err.str();
    }
}

// Bad arguments, input that cannot be read or cannot be a design, output that cannot be written or
// is the input itself (also through a link or another spelling): exit 2, one line naming the
// program, nothing written.
TEST(CommandLine, FailuresExitTwoWithOneLineAndWriteNothing)
{
    TempFolder folder;
    const std::string design = folder.write("d.kvx", dataBytes("cli/worked_example.kvx"));
    std::vector<std::vector<std::string>> runs = {
        {"convert", "a.kvx"},
        {"generate", folder.path("missing.kvx")},
        {"generate", folder.path("")}, // a folder, not a file
        {"generate", design, "-o", folder.path("none/code.h")},
        {"generate", design, "-o", folder.path("")},
        {"generate", design, "--encoding", "latin-9", "-o", folder.path("code.h")},
        {"convert", folder.path("missing.kvx"), folder.path("new.kvx")},
        {"convert", design, folder.path("none/new.kvx")},
        {"check", folder.path("missing.kvx")},
    };
#ifndef _WIN32 // symbolic links need a privilege there
    std::filesystem::create_symlink("d.kvx", folder.path("link.kvx"));
    std::filesystem::create_hard_link(design, folder.path("hard.kvx"));
    for (const std::string &output :
         {design, folder.path("link.kvx"), folder.path("hard.kvx"), folder.path("") + "/./d.kvx"}) {
        runs.push_back({"generate", design, "-o", output});
        runs.push_back({"convert", design, output});
    }
#endif
    // An input that cannot be a design at all is named with the reason, whatever the command.
    const std::string noise = folder.write("noise.kvx", std::string("\x89PNG\r\n\x1A\n\0\0", 10));
    const std::string letter = folder.write("letter.kvx", "Dear reader,\r\nA letter.\r\n");
    const std::string kept = folder.write("kept.kvx", "old contents");
    runs.insert(runs.end(),
                {{"check", noise},
                 {"check", letter},
                 {"generate", noise},
                 {"generate", letter, "-o", kept},
                 {"convert", noise, kept}});
    for (const auto &args : runs) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(lineCount(run.err), 1u) << run.err;
        EXPECT_TRUE(run.err.starts_with("kovrin: ")) << run.err;
        if (args.size() > 1 && (args[1] == noise || args[1] == letter)) {
            EXPECT_NE(run.err.find(".kvx\" is not a Kovrin design file: it holds "),
                      std::string::npos)
                << run.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path("none")));
    EXPECT_FALSE(std::filesystem::exists(folder.path("new.kvx")));
    EXPECT_EQ(folder.read("d.kvx"), dataBytes("cli/worked_example.kvx"));
    EXPECT_EQ(folder.read("kept.kvx"), "old contents");
}

// An import never writes over a file it read, the file imported or an include, whatever name the
// output gives it: exit 2, and every file read is kept byte for byte.
TEST(Import, AnOutputThatIsAFileReadExitsTwoAndKeepsIt)
{
    TempFolder folder;
    std::filesystem::create_directories(folder.path("lib"));
    const std::string main = folder.write("main.hpp", "#include \"inc.hpp\"\n#include <lib.hpp>\n");
    const std::string dialog = "class D { controls[] = {C}; class C { type = 0; }; };\n";
    const std::string inc = folder.write("inc.hpp", dialog);
    const std::string lib = folder.write("lib/lib.hpp", "#define LIB 1\n");
    std::vector<std::string> outputs {main, inc, lib, folder.path("") + "/./inc.hpp"};
    std::error_code noHardLinks;
    std::filesystem::create_hard_link(inc, folder.path("hard.hpp"), noHardLinks);
    if (!noHardLinks)
        outputs.push_back(folder.path("hard.hpp"));
    for (const std::string &output : outputs) {
        const CliRun run = runCli({"import", main, "-I", folder.path("lib"), "-o", output});
        EXPECT_EQ(run.status, 2) << output;
        EXPECT_NE(run.err.find("choose another output. Nothing was written."), std::string::npos)
            << run.err;
    }
    EXPECT_EQ(folder.read("main.hpp"), "#include \"inc.hpp\"\n#include <lib.hpp>\n");
    EXPECT_EQ(folder.read("inc.hpp"), dialog);
    EXPECT_EQ(folder.read("lib/lib.hpp"), "#define LIB 1\n");
    const CliRun run
        = runCli({"import", main, "-I" + folder.path("lib"), "-o", folder.path("d.kvx")});
    EXPECT_EQ(run.status, 0) << run.err;
}

// The exit status tells a script whether something was replaced (1) or left out (3); the report
// file holds every line, each also on the screen here, and the screen ends with the causes.
TEST(Import, TheExitStatusAndTheReportFileFollowWhatCameIn)
{
    TempFolder folder;
    const std::string control = "class C { type = 0; };";
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        {"class D { controls[] = {C}; " + control + " };", 0, "", ""},
        {"class D { controls[] = {C}; class C { type = 1; default = 7; }; };", 1,
         "d.hpp:1:49: dialog D, control C: default = 7: true or false is needed; kept false\n",
         "  1 values of controls replaced"},
        {"class D { controls[] = {C, Q}; " + control + " };", 3,
         "d.hpp:1:28: dialog D: Q of controls[] is not a class of the dialog; it is left out\n",
         "  1 controls left out"},
        {"class D { controls[] = {C}; " + control + " }; class d { controls[] = {C}; " + control
             + " };",
         1, "d.hpp:1:55: the dialog d is already in the set; it was imported as d_2\n",
         "  1 dialogs renamed"},
    };
    for (const auto &[text, status, lines, cause] : cases) {
        const std::string input = folder.write("d.hpp", text);
        const CliRun run = runCli(
            {"import", input, "--report", folder.path("r.txt"), "-o", folder.path("d.kvx")});
        EXPECT_EQ(run.status, status) << text;
        const auto here = [&folder](std::string said) {
            for (auto at = said.find(folder.path("")); at != std::string::npos;
                 at = said.find(folder.path("")))
                said.erase(at, folder.path("").size());
            return said;
        };
        EXPECT_EQ(here(folder.read("r.txt")), lines);
        EXPECT_NE(here(run.err).find(lines), std::string::npos) << run.err;
        EXPECT_TRUE(cause.empty() ? run.err.empty() : run.err.ends_with(cause + "\n")) << run.err;
    }
    // A report file that is a file read or the design's output is refused before anything is
    // written.
    const std::string main = folder.write("main.hpp", "#include \"inc.hpp\"\n");
    const std::string inc
        = folder.write("inc.hpp", "class D { controls[] = {C}; " + control + " };");
    for (const std::string &report : {main, inc, folder.path("new.kvx")}) {
        const CliRun run
            = runCli({"import", main, "--report", report, "-o", folder.path("new.kvx")});
        EXPECT_EQ(run.status, 2) << report;
        EXPECT_NE(run.err.find("choose another"), std::string::npos) << run.err;
    }
    EXPECT_EQ(folder.read("main.hpp"), "#include \"inc.hpp\"\n");
    EXPECT_EQ(folder.read("inc.hpp"), "class D { controls[] = {C}; " + control + " };");
    EXPECT_FALSE(std::filesystem::exists(folder.path("new.kvx")));
}

TEST(Generate, WritesTheCodeInWindows1252AndReportsWhatTheReaderReplaced)
{
    const std::string example = dataBytes("cli/worked_example.kvx");
    struct Case
    {
        std::string bytes;
        int status;
        std::string err; // a piece of what standard error holds
        std::optional<std::string> out;
    };
    const Case cases[] = {
        {replaced(example, "\"OK\"", "\"Caf\xE9\""), 0, "",
         replaced(exampleCode(), "\"OK\"", "\"Caf\xE9\"")},
        {replaced(example, "\r\n0.025\r\n", "\r\nabc\r\n"), 0, "\"abc\"",
         replaced(exampleCode(), "SizeEX = 0.025", "SizeEX = 0")},
        {unclosedQuote(example), 0, ", CtrlType has no closing double quote", {}},
        {"\"0.61\"\r\n", 1, "No dialogs to generate.\n", ""},
        {"", 1, "No dialogs to generate.\n", ""},
    };
    TempFolder folder;
    for (const Case &c : cases) {
        const CliRun run = runCli({"generate", folder.write("d.kvx", c.bytes)});
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(run.out, c.out.value_or(run.out));
    }
    // UTF-8 when asked for.
    const CliRun utf8 = runCli({"generate", "--encoding", "utf-8",
                                folder.write("d.kvx", replaced(example, "\"OK\"", "\"Caf\xE9\""))});
    EXPECT_EQ(utf8.status, 0) << utf8.err;
    EXPECT_EQ(utf8.out, replaced(exampleCode(), "\"OK\"", "\"Caf\xC3\xA9\""));
    // Or into the file named, whatever it held.
    const std::string target = folder.write("code.h", "old contents");
    const CliRun run = runCli({"generate", "-o", target, kExample});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.empty() && run.err.empty()) << run.err;
    EXPECT_EQ(folder.read("code.h"), exampleCode());
}

TEST(Convert, UpgradesTheOlderFormatAndReportsTextsThatWillNotReadBack)
{
    TempFolder folder;
    const std::string older = dataBytes("cli/older_format.kvx");
    const std::pair<std::string, std::string> cases[] = {
        {replaced(older, "\"Hello\"", "\"###\""), "Text"},
        {unclosedQuote(dataBytes("cli/worked_example.kvx")),
         ", CtrlType has no closing double quote"},
        {older, ""}, // last: its result is compared below
    };
    for (const auto &[bytes, said] : cases) {
        const CliRun run
            = runCli({"convert", folder.write("old.kvx", bytes), folder.path("new.kvx")});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(lineCount(run.err), said.empty() ? 0u : 1u) << run.err;
        EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
    }
    EXPECT_EQ(folder.read("new.kvx"), dataBytes("cli/older_format_converted.kvx"));
}

TEST(Check, ControlCharactersAreEscapedAndLongListsCounted)
{
    TempFolder folder;
    std::string bytes = replaced(dataBytes("cli/worked_example.kvx"), "\"DIALOG1\"",
                                 "\"\x1b]0;title\x07\x1b[2J\"");
    const CliRun escaped = runCli({"check", folder.write("d.kvx", bytes)});
    EXPECT_EQ(escaped.out.find('\x1b'), std::string::npos);
    EXPECT_NE(escaped.out.find("\\x1b]0;title\\x07\\x1b[2J"), std::string::npos) << escaped.out;
    // Past the last end mark, records of another dialog with a value that is no number.
    for (int i = 0; i < 300; ++i)
        bytes += "\"D\"\r\n\"c" + std::to_string(i) + "\"\r\nabc\r\n\"###\"\r\n";
    const CliRun many = runCli({"check", folder.write("d.kvx", bytes)});
    EXPECT_EQ(lineCount(many.out), 101u);
    EXPECT_TRUE(many.out.ends_with(" more problems.\n")) << many.out;
    EXPECT_LE(lineCount(runCli({"generate", folder.path("d.kvx")}).err), 101u);
}

// The rules of each problem are held by the design check's own tests; these prove that check
// finds in the file what loading hides, and says so in the words of its report.
TEST(Check, ReportsWhatTheFileHoldsOnePerLineAndExitsOneOrIsSilent)
{
    const std::string example = dataBytes("cli/worked_example.kvx");
    const std::string older = dataBytes("cli/older_format.kvx");
    const std::string at = "dialog \"DIALOG1\", ";
    const std::pair<std::string, std::string> cases[] = {
        // Blank lines at the end are harmless.
        {example, ""},
        {example + "\r\n\r\n\r\n", ""},
        {replaced(example, "\"fra1\"", "\"btnOK\""),
         at + "control \"btnOK\": another control of this dialog has the same name\n"},
        {replaced(example, "\"btnOK\"", "\"btn OK\""),
         at + "control \"btn OK\": the name is not an identifier\n"},
        // The dialog twice in a row: the second header opens the same name again.
        {example + example.substr(example.find("\r\n") + 2),
         "dialog \"DIALOG1\": follows a dialog of the same name; the two become one on loading\n"
             + at + "control \"fra1\": another control of this dialog has the same name\n" + at
             + "control \"btnOK\": another control of this dialog has the same name\n" + at
             + "control \"btnOK\": has IDC 1 as control \"btnOK\" does; the game finds controls by "
               "their IDC\n"},
        {replaced(example, "\"Box\"", "\"Big \"Box\"\""),
         at + "control \"fra1\": Text holds a double quote, which ends the text on loading\n"},
        {replaced(example, "\"ST_CENTER\"", "\"ST_CENTER\" + ST_MULTI"),
         at + "control \"btnOK\": Style holds a double quote, which ends the text on loading\n"},
        {example.substr(0, example.rfind("\"BUTTON\"") + 8),
         at + "control \"btnOK\": the file ends inside this record; its last item is not read\n"},
        {replaced(older, "\"Hello\"", "\"###\""),
         at + "control \"txt1\": Text is \"###\", which ends the record on loading\n"},
        {replaced(replaced(example, "\"BUTTON\"", "\"Button\""), "\r\n0.5\r\n0.4\r\n",
                  "\r\n1.5\r\n0.4\r\n"),
         at + "control \"fra1\": Width 1.5 is outside 0 to 1\n" + at
             + "control \"btnOK\": unknown kind \"Button\"\n"},
        // Among what the reader reports: values it had to replace, texts left open.
        {replaced(example, "\r\n0.025\r\n", "\r\nabc\r\n"),
         at + "control 2 (\"btnOK\"), FontSize: \"abc\" is not a number; it was read as 0.\n"},
        {unclosedQuote(example),
         at
             + "the record of control \"btnOK\", CtrlType has no closing double quote; it runs "
               "to the end of the file and was not read.\n"},
    };
    TempFolder folder;
    for (const auto &[bytes, report] : cases) {
        const CliRun run = runCli({"check", folder.write("design.kvx", bytes)});
        EXPECT_EQ(run.status, report.empty() ? 0 : 1) << report;
        EXPECT_EQ(run.out, report);
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
}

// That file names in any script reach the files whole is held by real_cli.cmake, which runs the
// real program (through Wine for Windows).
TEST(ProgramArguments, WordsAreTheArgumentsOfMainEndedByNull)
{
    char program[] = "kovrin";
    char subcommand[] = "check";
    char *argv[] = {program, subcommand, nullptr};
    const ProgramArguments arguments(2, argv);
#ifndef _WIN32
    ASSERT_EQ(arguments.count(), 2);
    EXPECT_STREQ(arguments.words()[1], "check");
#endif
    // Windows reads the program's own command line instead.
    EXPECT_EQ(arguments.words()[arguments.count()], nullptr);
}
