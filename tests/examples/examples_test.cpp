// The example designs that ship with the program pass the check and generate the code kept
// beside the tests; a change to the generator or the reader that alters them shows here.
#include "../cli/cli_run.h"

#include <gtest/gtest.h>

using namespace kovrin::test;

class Example : public testing::TestWithParam<std::string>
{
};

TEST_P(Example, PassesTheCheckAndGeneratesItsCode)
{
    const std::string design = std::string(KOVRIN_EXAMPLES) + "/" + GetParam() + ".kvx";
    const CliRun check = runCli({"check", design});
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    const CliRun generate = runCli({"generate", design});
    EXPECT_EQ(generate.status, 0);
    EXPECT_EQ(generate.err, "");
    EXPECT_EQ(generate.out, dataBytes("examples/" + GetParam() + ".ext"));
}

INSTANTIATE_TEST_SUITE_P(Shipped, Example,
                         testing::Values("main_menu", "message_box", "settings_panel"));
