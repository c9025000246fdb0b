// Where an #include may take its file from, through the loader the import commands use: the
// folder of the file imported and the folders given, nothing else, each refusal one report.
#include "../cli/cli_run.h"
#include "classdef/dialog_import.h"
#include "persist/file_identity.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace kovrin;
using namespace kovrin::test;
namespace fs = std::filesystem;

TEST(IncludeFolders, OnlyRegularFilesUnderTheAllowedFoldersAreRead)
{
    const TempFolder folder;
    fs::create_directories(folder.path("main/sub"));
    fs::create_directories(folder.path("main/dir"));
    fs::create_directories(folder.path("outside"));
    fs::create_directories(folder.path("root"));
    folder.write("main/sub/in.h", "#define IN 1\n");
    folder.write("outside/private.h", "secret words\n");
    folder.write("root/lib.h", "#define LIB 1\n");
    std::error_code linkError;
    fs::create_symlink(folder.path("outside/private.h"), folder.path("main/out.h"), linkError);
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(folder.path("main/pipe.h").c_str(), 0600), 0);
#endif
    const std::string outside = "is outside the folders includes may come from; add its folder "
                                "with -I DIR";
    const std::string notFile = "is not a regular file (a folder, a device or a pipe)";
    struct Case
    {
        std::string include;
        std::string report; // a piece of the one report; empty when the file is read
        bool posixOnly = false;
    };
    const Case cases[] = {
        {"\"sub/in.h\"", ""},
        {"<sub/in.h>", ""},
        {"\"lib.h\"", ""}, // from the -I folder
        {"<lib.h>", ""},
        {"\"../outside/private.h\"", outside},
        {"\"sub/../../outside/private.h\"", outside},
        {"<../outside/private.h>", outside},
        {"\"" + fs::path(folder.path("outside/private.h")).generic_string() + "\"", outside},
        {"\"out.h\"", outside, linkError.value() != 0},
        {"\"dir\"", notFile},
        {"\"missing.h\"", "cannot be read (looked for "},
        {"\"/dev/zero\"", notFile, true},
        {"\"pipe.h\"", notFile, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.include);
#ifdef _WIN32
        if (c.posixOnly)
            continue;
#endif
        const fs::path main = folder.write("main/main.hpp", "#include " + c.include + "\n");
        FilesRead read;
        const DialogImport imported = importDialogs(
            main, diskSourceLoader(main, {{folder.path("root")}, "with -I DIR"}, &read), '.');
        const std::vector<std::string> lines = imported.problemLines();
        if (c.report.empty()) {
            EXPECT_EQ(lines.size(), 0u) << testing::PrintToString(lines);
        } else {
            ASSERT_EQ(lines.size(), 1u) << testing::PrintToString(lines);
            EXPECT_NE(lines[0].find("main.hpp:1:1: \""), std::string::npos) << lines[0];
            EXPECT_NE(lines[0].find(c.report), std::string::npos) << lines[0];
            EXPECT_EQ(lines[0].find("secret"), std::string::npos) << lines[0];
            EXPECT_FALSE(read.readAs(folder.path("outside/private.h")));
        }
    }
}

// The game's file system ignores letter case, and a path of the game or a mod starts at the root
// of the game's files, which the include folders stand for; what they refuse stays refused.
TEST(IncludeFolders, NamesMatchWithoutCaseAndGamePathsComeFromTheFolders)
{
    const TempFolder folder;
    for (const char *made : {"main/UI", "outside", "root/x/cba/addons/main"})
        fs::create_directories(folder.path(made));
    folder.write("main/UI/Defines.hpp", "#define A 1\n");
    folder.write("outside/private.h", "secret words\n");
    folder.write("root/x/cba/addons/main/script_macros.hpp", "#define B 1\n");
    std::error_code linkError;
    fs::create_symlink(folder.path("outside/private.h"), folder.path("main/Out.h"), linkError);
    const std::string outside = "is outside the folders includes may come from";
    const std::string noFolder = "no include folder holds this file of the game or a mod (add the "
                                 "folder of unpacked game and mod files with -I DIR); left out "
                                 "here and wherever included";
    struct Case
    {
        std::string include; // included twice
        bool withRoot;
        std::string report; // a piece of each report; empty when the file is read
        std::size_t reports;
        bool posixOnly = false;
    };
    const Case cases[] = {
        {"\"ui/defines.hpp\"", false, "", 0},
        {"\"UI\\DEFINES.HPP\"", false, "", 0},
        {"\"\\x\\cba\\addons\\main\\script_macros.hpp\"", true, "", 0},
        {"\"\\X\\CBA\\Addons\\Main\\Script_Macros.hpp\"", true, "", 0},
        {"<\\x\\cba\\addons\\main\\script_macros.hpp>", true, "", 0},
        {"\"\\x\\cba\\addons\\main\\script_macros.hpp\"", false, noFolder, 1},
        {"\"\\x\\cba\\addons\\main\\gone.hpp\"", true, noFolder, 1},
        {"\"../OUTSIDE/private.h\"", true, outside, 2, true},
        {"\"out.h\"", true, outside, 2, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.include);
#ifdef _WIN32
        if (c.posixOnly)
            continue;
#endif
        if (c.include == "\"out.h\"" && linkError)
            continue;
        const fs::path main = folder.write(
            "main/main.hpp", "#include " + c.include + "\n#include " + c.include + "\n");
        std::vector<fs::path> roots;
        if (c.withRoot)
            roots.push_back(folder.path("root"));
        FilesRead read;
        const DialogImport imported
            = importDialogs(main, diskSourceLoader(main, {roots, "with -I DIR"}, &read), '.');
        const std::vector<std::string> lines = imported.problemLines();
        ASSERT_EQ(lines.size(), c.reports) << testing::PrintToString(lines);
        for (const std::string &line : lines) {
            EXPECT_NE(line.find(c.report), std::string::npos) << line;
            EXPECT_EQ(line.find("secret"), std::string::npos) << line;
        }
        EXPECT_FALSE(read.readAs(folder.path("outside/private.h")));
    }
}
