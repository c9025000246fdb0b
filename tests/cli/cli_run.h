#pragma once
// Shared by the tests that run the command line or compare with golden files: a run with
// captured streams, the test data, and a temporary folder.

#include "cli/command_line.h"
#include "persist/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace kovrin::test {

struct CliRun
{
    std::optional<int> status;
    std::string out;
    std::string err;
};

inline CliRun runCli(const std::vector<std::string> &args,
                     Program program = Program::CommandLineOnly)
{
    std::vector<const char *> argv {"kovrin"};
    for (const auto &arg : args)
        argv.push_back(arg.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const auto status
        = runCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, program);
    return {status, out.str(), err.str()};
}

inline std::size_t lineCount(const std::string &text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

inline std::string fileBytes(const std::filesystem::path &path)
{
    const auto bytes = readWholeFile(path, kMaxDesignFileBytes);
    EXPECT_TRUE(bytes) << bytes.message;
    return bytes ? *bytes : std::string();
}

inline std::string dataPath(const std::string &relative)
{
    return std::string(KOVRIN_TEST_DATA) + "/" + relative;
}

inline std::string dataBytes(const std::string &relative)
{
    return fileBytes(dataPath(relative));
}

// The first occurrence replaced; the test fails when there is none, so an edit cannot miss.
inline std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class TempFolder
{
    std::filesystem::path m_path = std::filesystem::temp_directory_path()
        / ("kovrin-test-" + std::to_string(std::random_device()()) + "-"
           + std::to_string(std::random_device()()));

public:
    TempFolder() { std::filesystem::create_directories(m_path); }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string path(const std::string &name) const { return (m_path / name).string(); }
    std::string read(const std::string &name) const { return fileBytes(path(name)); }
    std::string write(const std::string &name, const std::string &bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }
};

} // namespace kovrin::test
