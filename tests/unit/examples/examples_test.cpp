// The example designs that ship with the program load, pass the check, and generate the code
// kept beside the tests; a change to the generator or the reader that alters them shows here.

#include "cli/command_line.h"
#include "persist/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

const std::filesystem::path kExamples = KOVRIN_EXAMPLES;
const std::filesystem::path kExpected = std::filesystem::path(KOVRIN_TEST_DATA) / "examples";

int run(std::initializer_list<std::string> args, std::string &out, std::string &err)
{
    std::vector<const char *> argv {"kovrin"};
    for (const auto &a : args)
        argv.push_back(a.c_str());
    std::ostringstream o;
    std::ostringstream e;
    const auto status = kovrin::runCommandLine(static_cast<int>(argv.size()), argv.data(), o, e);
    out = o.str();
    err = e.str();
    return status.value_or(-1);
}

class Example : public testing::TestWithParam<std::string>
{
};

TEST_P(Example, PassesTheCheckAndGeneratesItsCode)
{
    const auto design = (kExamples / (GetParam() + ".kvx")).string();
    std::string out;
    std::string err;
    EXPECT_EQ(run({"check", design}, out, err), 0) << out << err;

    ASSERT_EQ(run({"generate", design}, out, err), 0) << err;
    EXPECT_EQ(err, "");
    const auto expected = kovrin::readWholeFile(kExpected / (GetParam() + ".ext"));
    ASSERT_TRUE(expected) << expected.message;
    EXPECT_EQ(out, *expected);
}

INSTANTIATE_TEST_SUITE_P(Shipped, Example,
                         testing::Values("main_menu", "message_box", "settings_panel"));

} // namespace
