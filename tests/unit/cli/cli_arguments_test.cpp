#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

using namespace kovrin;
using Action = CliRequest::Action;
using Args = std::vector<std::string>;
using Paths = std::vector<std::filesystem::path>;

namespace {

CliRequest parsed(const Args &args)
{
    const auto result = parseArguments(args);
    EXPECT_TRUE(result) << result.message;
    return result ? *result : CliRequest {};
}

std::string refusal(const Args &args)
{
    const auto result = parseArguments(args);
    EXPECT_FALSE(result);
    return result.message;
}

} // namespace

TEST(CliArguments, NoSubcommandIsLeftToTheDesigner)
{
    EXPECT_EQ(parsed({}).action, Action::None);
    EXPECT_EQ(parsed({"menu.kvx"}).action, Action::None);
    EXPECT_EQ(parsed({"-platform", "offscreen"}).action, Action::None); // the toolkit's own
}

TEST(CliArguments, HelpAndVersion)
{
    EXPECT_EQ(parsed({"--help"}).action, Action::Help);
    EXPECT_EQ(parsed({"-h"}).action, Action::Help);
    EXPECT_EQ(parsed({"--version"}).action, Action::Version);
    EXPECT_EQ(parsed({"generate", "--help"}).action, Action::Help);
}

TEST(CliArguments, GenerateTakesOneFileAndAnOptionalOutputAnywhere)
{
    CliRequest r = parsed({"generate", "a.kvx"});
    EXPECT_EQ(r.action, Action::Generate);
    EXPECT_EQ(r.files, Paths {"a.kvx"});
    EXPECT_FALSE(r.output);

    r = parsed({"generate", "-o", "out.h", "a.kvx"});
    EXPECT_EQ(r.files, Paths {"a.kvx"});
    EXPECT_EQ(r.output, "out.h");
    EXPECT_EQ(parsed({"generate", "a.kvx", "--output", "o"}).output, "o");
    EXPECT_EQ(parsed({"generate", "--", "-odd.kvx"}).files, Paths {"-odd.kvx"});
}

TEST(CliArguments, ConvertAndCheckTakeTheirFiles)
{
    CliRequest r = parsed({"convert", "in.kvx", "out.kvx"});
    EXPECT_EQ(r.action, Action::Convert);
    EXPECT_EQ(r.files, (Paths {"in.kvx", "out.kvx"}));
    r = parsed({"check", "a.kvx"});
    EXPECT_EQ(r.action, Action::Check);
    EXPECT_EQ(r.files, Paths {"a.kvx"});
}

TEST(CliArguments, BadArgumentsAreRefusedWithOneLine)
{
    const Args bad[] = {
        {"--frobnicate"},
        {"generate"},
        {"generate", "a.kvx", "b.kvx"},
        {"generate", "a.kvx", "-o"},
        {"generate", "a.kvx", "-o", ""},
        {"generate", "a.kvx", "-o", "x", "-o", "y"},
        {"generate", "a.kvx", "-x"},
        {"convert", "in.kvx"},
        {"convert", "in.kvx", "-o", "out.kvx"},
        {"check"},
        {"check", "a.kvx", "b.kvx"},
        {"check", ""},
    };
    for (const Args &args : bad) {
        const std::string message = refusal(args);
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
    EXPECT_NE(refusal({"--frobnicate"}).find("--frobnicate"), std::string::npos);
}
