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
          std::tuple {"import/logistics", ".hpp", 1}, std::tuple {"import/groups", ".hpp", 0},
          std::tuple {"import/game_bases", ".hpp", 1},
          std::tuple {"import/newer_kinds", ".hpp", 1}}) {
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

// A mod's dialog made by the mod's macros, taken from the include folder by the game's absolute
// path: whole with the folder, and without it one report for the path, however often included.
TEST(ImportCommand, ModFilesComeFromTheIncludeFolderByTheGamesPath)
{
    const std::string file = dataPath("import/mod_style.hpp");
    CliRun run = runCli({"import", file, "-I", dataPath("import/game_files")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, dataBytes("import/mod_style.kvx"));
    EXPECT_EQ(reportOf(run.err), dataBytes("import/mod_style.report"));
    run = runCli({"import", file});
    EXPECT_EQ(run.status, 2);
    const std::string once
        = "mod_style.hpp:3:1: #include \"\\x\\tools\\addons\\main\\script_macros."
          "hpp\": no include folder holds this file";
    EXPECT_NE(run.err.find(once), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(once, run.err.find(once) + 1), std::string::npos) << run.err;
}
