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
