#include "persist/design_writer.h"
#include "persist/file_io.h"

#include "persist_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace kovrin;
using namespace kovrin::testing;
namespace fs = std::filesystem;

namespace {

class DesignFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path()
            / ("kovrin-design-file-"
               + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    void put(const fs::path &path, const std::string &bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string contents(const fs::path &path) { return *readWholeFile(path); }
    std::size_t entries() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
    }

    fs::path m_folder;
};

} // namespace

TEST_F(DesignFile, WriteReplacesTheOldFileAndLeavesNothingElse)
{
    const fs::path target = m_folder / "dialogs.kvx";
    put(target, "old");
    const WriteOutcome outcome = writeDesign(sampleSet(), target);
    ASSERT_TRUE(outcome.status) << outcome.status.message;
    EXPECT_EQ(contents(target), designBytes(sampleSet()).bytes);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(DesignFile, WritingIntoAMissingFolderFailsWithAMessage)
{
    const fs::path target = m_folder / "missing" / "dialogs.kvx";
    const WriteOutcome outcome = writeDesign(sampleSet(), target);
    EXPECT_FALSE(outcome.status);
    EXPECT_NE(outcome.status.message.find("dialogs.kvx"), std::string::npos);
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(DesignFile, FailedWriteLeavesTheOldFile)
{
    // The temporary file beside a target with a 250-character name cannot be created, so the
    // write fails after the old file was found.
    const fs::path target = m_folder / (std::string(246, 'd') + ".kvx");
    put(target, "old contents");
    const WriteOutcome outcome = writeDesign(sampleSet(), target);
    EXPECT_FALSE(outcome.status);
    EXPECT_FALSE(outcome.status.message.empty());
    EXPECT_EQ(contents(target), "old contents");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(DesignFile, ReplacedCharactersAreReportedWithTheWrite)
{
    DialogSet set = sampleSet();
    set.renameDialog(1, "\xE2\x98\x85 Stars");
    const WriteOutcome outcome = writeDesign(set, m_folder / "stars.kvx");
    ASSERT_TRUE(outcome.status);
    EXPECT_EQ(outcome.replacedTexts,
              (std::vector<std::string> {"dialog \"\xE2\x98\x85 Stars\", name"}));
    EXPECT_NE(contents(m_folder / "stars.kvx").find("\"? Stars\"\r\n"), std::string::npos);
}
