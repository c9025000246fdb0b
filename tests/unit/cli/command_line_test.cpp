#include "cli_run.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::test;

namespace {

std::string expectedWorkedExample()
{
    return dataBytes("codegen/preamble.txt") + dataBytes("codegen/worked_example_classes.txt");
}

// A failure message is exactly one line, naming the program.
void expectOneLineMessage(const CliRun &run)
{
    EXPECT_EQ(lineCount(run.err), 1u) << run.err;
    EXPECT_TRUE(run.err.starts_with("kovrin: ")) << run.err;
    EXPECT_TRUE(run.err.ends_with("\n")) << run.err;
}

} // namespace

// Which request each argument list makes is held by the tests of the argument parser.
TEST(CommandLine, HelpVersionAndNoSubcommand)
{
    const CliRun none = runCli({"menu.kvx"});
    EXPECT_FALSE(none.status);
    EXPECT_TRUE(none.out.empty() && none.err.empty());

    CliRun run = runCli({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char *usage : {"kovrin generate FILE.kvx [-o OUT]", "kovrin convert IN.kvx OUT.kvx",
                              "kovrin check FILE.kvx"})
        EXPECT_NE(run.out.find(usage), std::string::npos) << usage;
    EXPECT_TRUE(run.err.empty());
    // Only the designer opens a design file given alone.
    EXPECT_EQ(run.out.find("[FILE.kvx]"), std::string::npos);
    const char *designerHelp[] = {"kovrin", "--help"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCommandLine(2, designerHelp, out, err, Program::Designer), 0);
    EXPECT_NE(out.str().find("  kovrin [FILE.kvx]  "), std::string::npos) << out.str();

    run = runCli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Kovrin v0.61 BETA\n");
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

TEST(CommandLine, BadArgumentsExitTwoWithOneLine)
{
    const CliRun run = runCli({"convert", "a.kvx"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    expectOneLineMessage(run);
}

TEST(Generate, WritesTheCodeToStandardOutputOrTheOutputFileByteForByte)
{
    const CliRun run = runCli({"generate", dataPath("cli/worked_example.kvx")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expectedWorkedExample());
    EXPECT_TRUE(run.err.empty()) << run.err;

    TempFolder folder;
    const std::string target = folder.write("code.h", "old contents");
    const CliRun toFile = runCli({"generate", "-o", target, dataPath("cli/worked_example.kvx")});
    EXPECT_EQ(toFile.status, 0);
    EXPECT_TRUE(toFile.out.empty());
    EXPECT_EQ(folder.read("code.h"), expectedWorkedExample());
}

TEST(Generate, KeepsCrlfAndTheWindows1252CodePage)
{
    TempFolder folder;
    const std::string design = folder.write(
        "accent.kvx", replaced(dataBytes("cli/worked_example.kvx"), "\"OK\"", "\"Caf\xE9\""));
    const CliRun run = runCli({"generate", design});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(" text = \"Caf\xE9\"\r\n"), std::string::npos);
    EXPECT_EQ(run.out.find("\xC3\xA9"), std::string::npos); // not UTF-8
    const auto lineFeeds = std::count(run.out.begin(), run.out.end(), '\n');
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\r'), lineFeeds);
    for (std::size_t at = run.out.find('\n'); at != std::string::npos;
         at = run.out.find('\n', at + 1))
        ASSERT_TRUE(at > 0 && run.out[at - 1] == '\r') << "bare line feed at " << at;
}

TEST(Generate, FileWithoutDialogsIsRefused)
{
    TempFolder folder;
    for (const std::string &bytes : {std::string("\"0.61\"\r\n"), std::string()}) {
        const CliRun run = runCli({"generate", folder.write("empty.kvx", bytes)});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "No dialogs to generate.\n");
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(Generate, ReaderProblemsGoToStandardErrorAndKeepTheStatus)
{
    TempFolder folder;
    const std::string design = folder.write(
        "bad.kvx", replaced(dataBytes("cli/worked_example.kvx"), "\r\n0.025\r\n", "\r\nabc\r\n"));
    const CliRun run = runCli({"generate", design});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("\"abc\""), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("  SizeEX = 0\r\n"), std::string::npos);
}

TEST(CommandLine, UnreadableInputOrUnwritableOutputExitsTwoAndWritesNothing)
{
    TempFolder folder;
    const std::string design = dataPath("cli/worked_example.kvx");
    const std::vector<std::string> runs[] = {
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

TEST(Convert, UpgradesTheOlderFormat)
{
    TempFolder folder;
    const CliRun run
        = runCli({"convert", dataPath("cli/older_format.kvx"), folder.path("new.kvx")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_EQ(folder.read("new.kvx"), dataBytes("cli/older_format_converted.kvx"));
}

TEST(Convert, ReportsTextsThatWillNotReadBack)
{
    TempFolder folder;
    const std::string old = folder.write(
        "old.kvx", replaced(dataBytes("cli/older_format.kvx"), "\"Hello\"", "\"###\""));
    const CliRun run = runCli({"convert", old, folder.path("new.kvx")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(lineCount(run.err), 1u) << run.err;
    EXPECT_NE(run.err.find("Text"), std::string::npos) << run.err;
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
        const CliRun converted = runCli({"convert", design, output});
        EXPECT_EQ(converted.status, 2);
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

TEST(Generate, ATextWithoutItsClosingQuoteIsReportedByEveryCommand)
{
    TempFolder folder;
    // The quote opened before BUTTON is the last one of the file.
    std::string bytes = dataBytes("cli/worked_example.kvx");
    bytes.resize(bytes.find("\"BUTTON\"") + 7);
    const std::string design = folder.write("d.kvx", bytes + "\r\n0.5\r\n");
    for (const CliRun &run :
         {runCli({"generate", design}), runCli({"convert", design, folder.path("out.kvx")})}) {
        EXPECT_NE(run.err.find(", CtrlType has no closing double quote"), std::string::npos)
            << run.err;
    }
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
    std::string extra;
    for (int i = 0; i < 300; ++i)
        extra += "\"D\"\r\n\"c" + std::to_string(i) + "\"\r\nabc\r\n\"###\"\r\n";
    bytes += extra;
    const CliRun many = runCli({"check", folder.write("d.kvx", bytes)});
    EXPECT_EQ(lineCount(many.out), 101u);
    EXPECT_TRUE(many.out.ends_with(" more problems.\n")) << many.out;

    const CliRun loaded = runCli({"generate", folder.path("d.kvx")});
    EXPECT_EQ(loaded.err.find('\x1b'), std::string::npos);
    EXPECT_LE(lineCount(loaded.err), 101u);
}
