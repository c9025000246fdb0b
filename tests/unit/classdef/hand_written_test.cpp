// Dialog files as mission makers write them, each with the design and the report expected of
// "kovrin import": base classes in an included folder, macros for colours, fonts and places,
// comments of both kinds, both ways of listing controls, inheritance over two levels, $STR_
// texts, and values Kovrin cannot hold.

#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string dataBytes(const std::string &name)
{
    std::ifstream in(std::string(KOVRIN_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The message lines as the report file keeps them: without the program's name and with paths
// from the test data folder.
std::string reportOf(std::string err)
{
    std::string out;
    std::istringstream lines(err);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("kovrin: "))
            line.erase(0, 8);
        if (line.starts_with(KOVRIN_TEST_DATA "/"))
            line.erase(0, sizeof(KOVRIN_TEST_DATA));
        out += line + "\n";
    }
    return out;
}

struct HandWritten
{
    const char *source;
    int status;
};

class HandWrittenFile : public ::testing::TestWithParam<HandWritten>
{
};

} // namespace

TEST_P(HandWrittenFile, ImportsToTheExpectedDesignAndReport)
{
    const std::string source = GetParam().source;
    const std::string stem = source.substr(0, source.rfind('.'));
    const std::string path = std::string(KOVRIN_TEST_DATA) + "/" + source;
    const char *argv[] = {"kovrin", "import", path.c_str()};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(kovrin::runCommandLine(3, argv, out, err), GetParam().status);
    EXPECT_EQ(out.str(), dataBytes(stem + ".kvx"));
    EXPECT_EQ(reportOf(err.str()), dataBytes(stem + ".report"));
}

INSTANTIATE_TEST_SUITE_P(Import, HandWrittenFile,
                         ::testing::Values(HandWritten {"import/mission.ext", 0},
                                           HandWritten {"import/titles.hpp", 1}));

TEST(ImportCommand, WritesTheDesignFileNamedAndRefusesFilesWithoutDialogs)
{
    const auto run = [](std::vector<std::string> args, std::string &err) {
        std::vector<const char *> argv {"kovrin", "import"};
        for (const std::string &arg : args)
            argv.push_back(arg.c_str());
        std::ostringstream out;
        std::ostringstream errors;
        const auto status
            = kovrin::runCommandLine(static_cast<int>(argv.size()), argv.data(), out, errors);
        err = errors.str();
        EXPECT_TRUE(out.str().empty());
        return status;
    };
    std::string err;
    const std::string data = std::string(KOVRIN_TEST_DATA) + "/import/";
    const auto target = std::filesystem::temp_directory_path() / "kovrin-import-test.kvx";
    EXPECT_EQ(run({data + "mission.ext", "-o", target.string()}, err), 0);
    std::ifstream written(target, std::ios::binary);
    std::ostringstream bytes;
    bytes << written.rdbuf();
    EXPECT_EQ(bytes.str(), dataBytes("import/mission.kvx"));
    written.close(); // Windows removes no file that is still open
    std::filesystem::remove(target);

    EXPECT_EQ(run({data + "ui/defines.hpp"}, err), 2);
    EXPECT_NE(err.find("no dialog was found"), std::string::npos) << err;
    EXPECT_EQ(run({data + "absent.ext"}, err), 2);
    EXPECT_NE(err.find("cannot be read"), std::string::npos) << err;
}
