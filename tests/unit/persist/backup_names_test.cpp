#include "persist/backup_names.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

const BackupTime kNoon {2026, 12, 7, 12, 5, 9};

} // namespace

TEST(BackupNames, StemIsTheFileNameLessItsDesignSuffix)
{
    EXPECT_EQ(backupStem("menu.kvx"), "menu");
    EXPECT_EQ(backupStem("Main Menu.KVX"), "Main Menu");
    EXPECT_EQ(backupStem("notes.txt"), "notes.txt");
}

TEST(BackupNames, NameCarriesTheLocalTimeAndIsMadeUniqueWithinOneSecond)
{
    EXPECT_EQ(backupName("menu", kNoon, {}), "menu-20261207-120509.kvx");
    EXPECT_EQ(backupName("menu", kNoon, {"menu-20261207-120509.kvx"}),
              "menu-20261207-120509-2.kvx");
    EXPECT_EQ(backupName("menu", kNoon, {"menu-20261207-120509.kvx", "menu-20261207-120509-2.kvx"}),
              "menu-20261207-120509-3.kvx");
    // Numbers the pruning freed are not taken again: the new one must sort last.
    EXPECT_EQ(backupName("menu", kNoon, {"menu-20261207-120509-3.kvx"}),
              "menu-20261207-120509-4.kvx");
    // Another design's backup of that second takes nothing from this one.
    EXPECT_EQ(backupName("menu", kNoon, {"main-20261207-120509.kvx"}), "menu-20261207-120509.kvx");
}

TEST(BackupNames, BackupsOfOneDesignAreFoundOldestFirst)
{
    const std::vector<std::string> names {
        "menu-20261207-120509-10.kvx", "menu-20261207-120509.kvx", "menu-20251231-235959.kvx",
        "menu-20261207-120509-2.kvx",
        // not menu's: another design, a look-alike design name, broken stamps, other files
        "main-20261207-120509.kvx", "menu-20260101-000000-20261207-120509.kvx",
        "menu-2026127-120509.kvx", "menu-20261207-120509-1.kvx", "menu-20261207-120509-x.kvx",
        "menu-20261207-120509.txt", "menu.kvx"};
    EXPECT_EQ(
        backupsOf("menu", names),
        (std::vector<std::string> {"menu-20251231-235959.kvx", "menu-20261207-120509.kvx",
                                   "menu-20261207-120509-2.kvx", "menu-20261207-120509-10.kvx"}));
    EXPECT_EQ(backupsOf("menu-20260101-000000", names),
              (std::vector<std::string> {"menu-20260101-000000-20261207-120509.kvx"}));
}

TEST(BackupNames, OnlyTheNewestTenOfADesignAreKept)
{
    std::vector<std::string> names {"main-20200101-000000.kvx"};
    for (int second = 0; second < 12; ++second)
        names.push_back(backupName("menu", {2026, 12, 7, 12, 0, second}, names));
    EXPECT_TRUE(backupsToRemove("menu", {names.begin(), names.end() - 2}).empty());
    EXPECT_EQ(backupsToRemove("menu", names),
              (std::vector<std::string> {"menu-20261207-120000.kvx", "menu-20261207-120001.kvx"}));
    EXPECT_EQ(backupsToRemove("menu", names, 11),
              (std::vector<std::string> {"menu-20261207-120000.kvx"}));
}
