// Which request each argument list makes is held by the tests of the argument parser; the rules
// of each problem by the design check's tests. The golden output is also held by the scripts
// that run the real kovrin-cli.
#include "cli_run.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::test;

namespace {

// A failure message is exactly one line, naming the program.
void expectOneLineMessage(const CliRun &run)
{
    EXPECT_EQ(lineCount(run.err), 1u) << run.err;
    EXPECT_TRUE(run.err.starts_with("kovrin: ") && run.err.ends_with("\n")) << run.err;
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
    const std::string design = dataPath("cli/worked_example.kvx");
    for (const std::vector<const char *> &argv :
         {std::vector<const char *> {"kovrin", "--help"},
          std::vector<const char *> {"kovrin", "check", design.c_str()},
          std::vector<const char *> {"kovrin", "generate", design.c_str()}}) {
        std::ostream closed(nullptr);
        std::ostringstream err;
        EXPECT_EQ(runCommandLine(static_cast<int>(argv.size()), argv.data(), closed, err), 2)
            << argv[1];
        EXPECT_EQ(lineCount(err.str()), 1u) << err.str();
    }
}

TEST(CommandLine, BadArgumentsOrUnreadableInputOrUnwritableOutputExitTwoAndWriteNothing)
{
    TempFolder folder;
    const std::string design = dataPath("cli/worked_example.kvx");
    const std::vector<std::string> runs[] = {
        {"convert", "a.kvx"},
        {"generate", folder.path("missing.kvx")},
        {"generate", folder.path("")}, // a folder, not a file
        {"generate", design, "-o", folder.path("none/code.h")},
        {"generate", design, "-o", folder.path("")},
        {"convert", folder.path("missing.kvx"), folder.path("new.kvx")},
        {"convert", design, folder.path("none/new.kvx")},
        {"check", folder.path("missing.kvx")},
    };
    for (const auto &args : runs) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_TRUE(run.out.empty());
        expectOneLineMessage(run);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path("none")));
    EXPECT_FALSE(std::filesystem::exists(folder.path("new.kvx")));
}

TEST(Generate, ReplacesTheOutputFile)
{
    TempFolder folder;
    const std::string target = folder.write("code.h", "old contents");
    const CliRun run = runCli({"generate", "-o", target, dataPath("cli/worked_example.kvx")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.empty() && run.err.empty()) << run.err;
    EXPECT_EQ(folder.read("code.h"),
              dataBytes("codegen/preamble.txt") + dataBytes("codegen/worked_example_classes.txt"));
}

TEST(Generate, WritesCrlfAndWindows1252AndReportsWhatTheReaderReplaced)
{
    const std::string example = dataBytes("cli/worked_example.kvx");
    struct Case
    {
        std::string bytes;
        int status;
        std::string err; // a piece of what standard error holds
        std::string out; // a piece of the code, or the whole of nothing
    };
    const Case cases[] = {
        {replaced(example, "\"OK\"", "\"Caf\xE9\""), 0, "", " text = \"Caf\xE9\"\r\n"},
        {replaced(example, "\r\n0.025\r\n", "\r\nabc\r\n"), 0, "\"abc\"", "  SizeEX = 0\r\n"},
        // The quote opened before BUTTON is the last one of the file.
        {example.substr(0, example.find("\"BUTTON\"") + 7) + "\r\n0.5\r\n", 0,
         ", CtrlType has no closing double quote", ""},
        {"\"0.61\"\r\n", 1, "No dialogs to generate.\n", ""},
        {"", 1, "No dialogs to generate.\n", ""},
    };
    TempFolder folder;
    for (const Case &c : cases) {
        const CliRun run = runCli({"generate", folder.write("d.kvx", c.bytes)});
        EXPECT_EQ(run.status, c.status) << c.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_TRUE(c.status == 0 || run.out.empty());
        EXPECT_NE(run.out.find(c.out), std::string::npos) << c.out;
        EXPECT_EQ(run.out.find("\xC3\xA9"), std::string::npos); // not UTF-8
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\r'), lineCount(run.out));
        for (std::size_t at = run.out.find('\n'); at != std::string::npos;
             at = run.out.find('\n', at + 1))
            ASSERT_TRUE(at > 0 && run.out[at - 1] == '\r') << "bare line feed at " << at;
    }
}

TEST(Convert, UpgradesTheOlderFormatAndReportsTextsThatWillNotReadBack)
{
    TempFolder folder;
    const std::string older = dataBytes("cli/older_format.kvx");
    const std::string example = dataBytes("cli/worked_example.kvx");
    const std::tuple<std::string, std::string, std::size_t> cases[] = {
        {replaced(older, "\"Hello\"", "\"###\""), "Text", 1},
        {example.substr(0, example.find("\"BUTTON\"") + 7) + "\r\n0.5\r\n",
         ", CtrlType has no closing double quote", 1},
        {older, "", 0}, // last: its result is compared below
    };
    for (const auto &[bytes, said, lines] : cases) {
        const CliRun run
            = runCli({"convert", folder.write("old.kvx", bytes), folder.path("new.kvx")});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(lineCount(run.err), lines) << run.err;
        EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
    }
    EXPECT_EQ(folder.read("new.kvx"), dataBytes("cli/older_format_converted.kvx"));
}

TEST(Generate, AnOutputThatIsTheInputIsRefusedAndNothingWritten)
{
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need a privilege on Windows";
#endif
    TempFolder folder;
    const std::string design = folder.write("d.kvx", dataBytes("cli/worked_example.kvx"));
    std::filesystem::create_symlink("d.kvx", folder.path("link.kvx"));
    for (const std::string &output :
         {design, folder.path("link.kvx"), folder.path("") + "/./d.kvx"}) {
        const CliRun run = runCli({"generate", design, "-o", output});
        EXPECT_EQ(run.status, 2);
        expectOneLineMessage(run);
        EXPECT_NE(run.err.find("is the input file"), std::string::npos) << run.err;
        EXPECT_EQ(runCli({"convert", design, output}).status, 2);
    }
    EXPECT_EQ(folder.read("d.kvx"), dataBytes("cli/worked_example.kvx"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path("link.kvx")));
}

TEST(Generate, ADeviceAsOutputStaysADevice)
{
#ifdef _WIN32
    GTEST_SKIP() << "/dev/null is a POSIX device";
#endif
    const CliRun run = runCli({"generate", dataPath("cli/worked_example.kvx"), "-o", "/dev/null"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::filesystem::status("/dev/null").type(), std::filesystem::file_type::character);
}

TEST(Check, ControlCharactersAreEscapedAndLongListsCounted)
{
    TempFolder folder;
    std::string bytes = replaced(dataBytes("cli/worked_example.kvx"), "\"DIALOG1\"",
                                 "\"\x1b]0;title\x07\x1b[2J" + std::string(100, 'n') + "\"");
    const CliRun run = runCli({"check", folder.write("d.kvx", bytes)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_NE(run.out.find("\\x1b]0;title\\x07\\x1b[2J"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(std::string(40, 'n') + "\xE2\x80\xA6\""), std::string::npos);
    EXPECT_EQ(run.out.find(std::string(60, 'n')), std::string::npos);

    // Past the last end mark, records of another dialog with a value that is no number.
    for (int i = 0; i < 300; ++i)
        bytes += "\"D\"\r\n\"c" + std::to_string(i) + "\"\r\nabc\r\n\"###\"\r\n";
    const CliRun many = runCli({"check", folder.write("d.kvx", bytes)});
    EXPECT_EQ(lineCount(many.out), 101u);
    EXPECT_TRUE(many.out.ends_with(" more problems.\n")) << many.out;

    const CliRun loaded = runCli({"generate", folder.path("d.kvx")});
    EXPECT_EQ(loaded.err.find('\x1b'), std::string::npos);
    EXPECT_LE(lineCount(loaded.err), 101u);
}
