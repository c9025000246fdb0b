// File names on the command line in any script: the words arrive in UTF-8 on Windows (from the
// wide command line) and as the system's bytes elsewhere, and reach the files whole.
#include "cli/program_arguments.h"
#include "cli_run.h"
#include "model/path_text.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::test;

TEST(ProgramArguments, WordsAreTheArgumentsOfMain)
{
    char program[] = "kovrin";
    char subcommand[] = "check";
    char *argv[] = {program, subcommand, nullptr};
    const ProgramArguments arguments(2, argv);
#ifndef _WIN32
    ASSERT_EQ(arguments.count(), 2);
    EXPECT_STREQ(arguments.words()[1], "check");
#endif
    // Windows reads the program's own command line instead; either way the list ends in null.
    EXPECT_EQ(arguments.words()[arguments.count()], nullptr);
}

TEST(ProgramArguments, FoldersNamedInAnyScriptAreReadAndWritten)
{
    const TempFolder folder;
    const std::string base = folder.path("");
    const std::string design = dataPath("cli/worked_example.kvx");
    const CliRun expected = runCli({"generate", design});
    ASSERT_EQ(expected.status, 0) << expected.err;

    for (const std::string name : {"Übung", "Задания", "任务"}) {
        const std::string place = base + name;
        ASSERT_TRUE(std::filesystem::create_directory(pathFromArgument(place)));
        EXPECT_EQ(pathText(pathFromArgument(place)), place);

        const std::string copy = place + "/menü.kvx";
        const std::string code = place + "/код.txt";
        EXPECT_EQ(runCli({"convert", design, copy}).status, 0) << name;
        EXPECT_EQ(runCli({"generate", copy, "-o", code}).status, 0) << name;
        const auto written = readWholeFile(pathFromArgument(code));
        ASSERT_TRUE(written) << written.message;
        EXPECT_EQ(*written, expected.out) << name;

        const CliRun missing = runCli({"check", place + "/нет.kvx"});
        EXPECT_EQ(missing.status, 2);
        // A long path is cut at its start in messages; the folder and the file's name stay.
        EXPECT_NE(missing.err.find(name + "/нет.kvx"), std::string::npos) << missing.err;
    }
}
