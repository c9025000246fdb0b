#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

using namespace kovrin;
using Action = CliRequest::Action;
using Args = std::vector<std::string>;

TEST(CliArguments, SubcommandsTakeTheirFilesAndAnOptionalOutputAnywhere)
{
    struct Case
    {
        Args args;
        Action action;
        Args files;
        std::optional<std::string> output;
    };
    const Case cases[] = {
        {{}, Action::None, {}, {}},
        {{"menu.kvx"}, Action::None, {}, {}},
        {{"-platform", "offscreen"}, Action::None, {}, {}}, // the toolkit's own
        {{"--help"}, Action::Help, {}, {}},
        {{"-h"}, Action::Help, {}, {}},
        {{"generate", "--help"}, Action::Help, {}, {}},
        {{"--version"}, Action::Version, {}, {}},
        {{"generate", "a.kvx"}, Action::Generate, {"a.kvx"}, {}},
        {{"generate", "-o", "out.h", "a.kvx"}, Action::Generate, {"a.kvx"}, "out.h"},
        {{"generate", "a.kvx", "--output", "o"}, Action::Generate, {"a.kvx"}, "o"},
        {{"generate", "--", "-odd.kvx"}, Action::Generate, {"-odd.kvx"}, {}},
        {{"convert", "in.kvx", "out.kvx"}, Action::Convert, {"in.kvx", "out.kvx"}, {}},
        {{"check", "a.kvx"}, Action::Check, {"a.kvx"}, {}},
    };
    for (const Case &c : cases) {
        const auto result = parseArguments(c.args);
        ASSERT_TRUE(result) << result.message;
        EXPECT_EQ((*result).action, c.action) << c.args.size();
        if (c.action != Action::None && c.action != Action::Help && c.action != Action::Version) {
            EXPECT_EQ((*result).files, c.files);
            EXPECT_EQ((*result).output, c.output);
        }
    }
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
        const auto result = parseArguments(args);
        ASSERT_FALSE(result) << args.back();
        EXPECT_FALSE(result.message.empty());
        EXPECT_EQ(result.message.find('\n'), std::string::npos) << result.message;
    }
    EXPECT_NE(parseArguments({"--frobnicate"}).message.find("--frobnicate"), std::string::npos);
}
