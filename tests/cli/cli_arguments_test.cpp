#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

using namespace kovrin;
using Action = CliRequest::Action;

// Subcommands take their files and an optional output anywhere; anything else is refused with
// one line.
TEST(CliArguments, EachListMakesItsRequestOrIsRefused)
{
    struct Case
    {
        std::vector<std::string> args;
        std::optional<Action> action; // none: refused
        std::vector<std::filesystem::path> files = {};
        std::optional<std::filesystem::path> output = {};
        std::optional<std::filesystem::path> report = {};
    };
    const Case cases[] = {
        {{}, Action::None},
        {{"menu.kvx"}, Action::None},
        {{"-platform", "offscreen"}, Action::None}, // the toolkit's own
        {{"--help"}, Action::Help},
        {{"-h"}, Action::Help},
        {{"generate", "--help"}, Action::Help},
        {{"--version"}, Action::Version},
        {{"generate", "a.kvx"}, Action::Generate, {"a.kvx"}},
        {{"generate", "-o", "out.h", "a.kvx"}, Action::Generate, {"a.kvx"}, "out.h"},
        {{"generate", "a.kvx", "--output", "o"}, Action::Generate, {"a.kvx"}, "o"},
        {{"generate", "--", "-odd.kvx"}, Action::Generate, {"-odd.kvx"}},
        {{"generate", "a.kvx", "--encoding=UTF-8"}, Action::Generate, {"a.kvx"}},
        {{"generate", "a.kvx", "--encoding"}, {}},
        {{"convert", "in.kvx", "out.kvx"}, Action::Convert, {"in.kvx", "out.kvx"}},
        {{"check", "a.kvx"}, Action::Check, {"a.kvx"}},
        {{"--frobnicate"}, {}},
        {{"generate"}, {}},
        {{"generate", "a.kvx", "b.kvx"}, {}},
        {{"generate", "a.kvx", "-o"}, {}},
        {{"generate", "a.kvx", "-o", ""}, {}},
        {{"generate", "a.kvx", "-o", "x", "-o", "y"}, {}},
        {{"generate", "a.kvx", "-x"}, {}},
        {{"convert", "in.kvx"}, {}},
        {{"convert", "in.kvx", "-o", "out.kvx"}, {}},
        {{"check"}, {}},
        {{"check", "a.kvx", "b.kvx"}, {}},
        {{"check", ""}, {}},
        {{"import", "d.hpp", "--report", "r.txt"}, Action::Import, {"d.hpp"}, {}, "r.txt"},
        {{"import", "--report=r", "d.hpp", "-o", "o"}, Action::Import, {"d.hpp"}, "o", "r"},
        {{"import", "d.hpp", "--report"}, {}},
        {{"import", "d.hpp", "--report="}, {}},
        {{"import", "d.hpp", "--report", "a", "--report", "b"}, {}},
        {{"generate", "a.kvx", "--report", "r"}, {}},
    };
    for (const Case &c : cases) {
        const auto result = parseArguments(c.args);
        SCOPED_TRACE(c.args.empty() ? "" : c.args.back());
        ASSERT_EQ(bool(result), bool(c.action)) << result.message;
        if (!result) {
            EXPECT_FALSE(result.message.empty());
            EXPECT_EQ(result.message.find('\n'), std::string::npos) << result.message;
            continue;
        }
        EXPECT_EQ((*result).action, c.action);
        EXPECT_EQ((*result).files, c.files);
        EXPECT_EQ((*result).output, c.output);
        EXPECT_EQ((*result).report, c.report);
    }
    EXPECT_NE(parseArguments({"--frobnicate"}).message.find("--frobnicate"), std::string::npos);
}
