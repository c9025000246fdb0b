// Dialog files as mission makers write them (tests/data/import), each with the design and the
// report expected of "kovrin import".
#include "../cli/cli_run.h"

#include <gtest/gtest.h>

using namespace kovrin::test;

namespace {

// The message lines as the report file keeps them: without the program's name and with paths
// from the test data folder.
std::string reportOf(std::string err)
{
    for (const std::string cut : {"kovrin: " KOVRIN_TEST_DATA "/", "kovrin: "}) {
        for (auto at = err.find(cut); at != std::string::npos; at = err.find(cut, at))
            err.erase(at, cut.size());
    }
    return err;
}

} // namespace

TEST(ImportCommand, HandWrittenFilesImportToTheExpectedDesignAndReport)
{
    const TempFolder folder;
    for (const auto &[stem, source, status] :
         {std::tuple {"import/mission", ".ext", 0}, std::tuple {"import/titles", ".hpp", 3},
          std::tuple {"import/safe_zone", ".hpp", 0}, std::tuple {"import/kept", ".hpp", 0},
          std::tuple {"import/logistics", ".hpp", 3}}) {
        const std::string expected = dataBytes(std::string(stem) + ".kvx");
        CliRun run = runCli({"import", dataPath(std::string(stem) + source)});
        EXPECT_EQ(run.status, status) << stem;
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(reportOf(run.err), dataBytes(std::string(stem) + ".report"));
        // Or into the design file named.
        run = runCli({"import", dataPath(std::string(stem) + source), "-o", folder.path("d.kvx")});
        EXPECT_EQ(run.status, status);
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(folder.read("d.kvx"), expected);
    }
    for (const auto &[file, message] : {std::pair {"import/ui/defines.hpp", "no dialog was found"},
                                        std::pair {"import/absent.ext", "cannot be read"}}) {
        const CliRun run = runCli({"import", dataPath(file)});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}
