// The real kovrin-cli imports each hostile file in a child process: it refuses it as a file it
// cannot take (nothing written) and its peak memory stays under four times the input plus 64 MB.
#include "cli/cli_run.h"
#include "cli/exit_status.h"
#include "support/hostile_imports.h"
#include "support/peak_memory.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace kovrin;

namespace {

TEST(ImportMemory, HostileFilesAreRefusedWithinFourTimesTheirSize)
{
#ifdef _WIN32
    GTEST_SKIP() << "the peak memory of a child is read through POSIX process accounting";
#else
    test::TempFolder folder;
    for (const test::HostileImport &hostile : test::hostileImports()) {
        const std::filesystem::path where = folder.path(hostile.name);
        std::filesystem::create_directories(where);
        std::uintmax_t inputBytes = 0;
        for (const auto &[name, text] : hostile.files) {
            std::ofstream(where / name, std::ios::binary) << text;
            inputBytes += text.size();
        }
        const std::filesystem::path output = where / "out.kvx";
        const test::ChildRun run = test::runChild(
            {KOVRIN_CLI, "import", (where / "main.hpp").string(), "-o", output.string()});
        EXPECT_EQ(run.exitCode, kExitFailed) << hostile.name << ": " << run.err;
        EXPECT_NE(run.err.find(hostile.limit), std::string::npos)
            << hostile.name << ": " << run.err;
        EXPECT_FALSE(std::filesystem::exists(output)) << hostile.name;
        const long limitKb = static_cast<long>(4 * inputBytes / 1024) + 64 * 1024;
        if (test::kPeakIsMeasured) {
            EXPECT_LT(run.peakKb, limitKb) << hostile.name << " of " << inputBytes << " bytes";
        }
    }
#endif
}

} // namespace
