#include "persist/backup_names.h"

#include <gtest/gtest.h>

using namespace kovrin;
using Names = std::vector<std::string>;

TEST(BackupNames, NameIsTheStemAndTheLocalTimeMadeUniqueWithinOneSecond)
{
    EXPECT_EQ(backupStem("Main Menu.KVX"), "Main Menu");
    EXPECT_EQ(backupStem("notes.txt"), "notes.txt");
    const BackupTime noon {2026, 12, 7, 12, 5, 9};
    const std::pair<Names, const char *> cases[] = {
        {{}, "menu-20261207-120509.kvx"},
        {{"menu-20261207-120509.kvx"}, "menu-20261207-120509-2.kvx"},
        {{"menu-20261207-120509.kvx", "menu-20261207-120509-2.kvx"}, "menu-20261207-120509-3.kvx"},
        // Numbers the pruning freed are not taken again: the new one must sort last.
        {{"menu-20261207-120509-3.kvx"}, "menu-20261207-120509-4.kvx"},
        // Another design's backup of that second takes nothing from this one.
        {{"main-20261207-120509.kvx"}, "menu-20261207-120509.kvx"}};
    for (const auto &[existing, name] : cases)
        EXPECT_EQ(backupName("menu", noon, existing), name);
}

TEST(BackupNames, BackupsOfOneDesignAreFoundOldestFirstAndOnlyTheNewestTenKept)
{
    const Names names {
        "menu-20261207-120509-10.kvx", "menu-20261207-120509.kvx", "menu-20251231-235959.kvx",
        "menu-20261207-120509-2.kvx",
        // not menu's: another design, a look-alike design name, broken stamps, other files
        "main-20261207-120509.kvx", "menu-20260101-000000-20261207-120509.kvx",
        "menu-2026127-120509.kvx", "menu-20261207-120509-1.kvx", "menu-20261207-120509-x.kvx",
        "menu-20261207-120509.txt", "menu.kvx"};
    EXPECT_EQ(backupsOf("menu", names),
              (Names {"menu-20251231-235959.kvx", "menu-20261207-120509.kvx",
                      "menu-20261207-120509-2.kvx", "menu-20261207-120509-10.kvx"}));
    EXPECT_EQ(backupsOf("menu-20260101-000000", names),
              (Names {"menu-20260101-000000-20261207-120509.kvx"}));

    Names twelve {"main-20200101-000000.kvx"};
    for (int second = 0; second < 12; ++second)
        twelve.push_back(backupName("menu", {2026, 12, 7, 12, 0, second}, twelve));
    EXPECT_TRUE(backupsToRemove("menu", {twelve.begin(), twelve.end() - 2}).empty());
    EXPECT_EQ(backupsToRemove("menu", twelve),
              (Names {"menu-20261207-120000.kvx", "menu-20261207-120001.kvx"}));
    EXPECT_EQ(backupsToRemove("menu", twelve, 11), (Names {"menu-20261207-120000.kvx"}));
}
