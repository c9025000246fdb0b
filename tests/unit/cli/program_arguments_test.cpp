// File names in any script on the command line are held by non_ascii_folders.cmake, which runs
// the real program (through Wine for Windows).
#include "cli/program_arguments.h"

#include <gtest/gtest.h>

using namespace kovrin;

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
