#include "cli/file_scan.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(FileScan, FindsWhereADialogOpensAgainUnderTheSameName)
{
    const std::string header = "\"KOVRIN_INFO_GRIDSIZE\"\r\n0\r\n\"###\"\r\n";
    const std::string control = "\"c\"\r\n\"###\"\r\n";
    const std::string file = "\"0.61\"\r\n"
                             "\"A\"\r\n"
        + header + "\"A\"\r\n" + control + "\"A\"\r\n" + control + "\"A\"\r\n" + header
        + "\"A\"\r\n" + control + "\"B\"\r\n" + header;
    const FileScan scan = scanDesignFile(file);
    EXPECT_FALSE(scan.olderFormat);
    EXPECT_EQ(scan.controlCounts, (std::vector<std::size_t> {3, 0}));
    ASSERT_EQ(scan.splits.size(), 1u);
    EXPECT_EQ(scan.splits[0].dialog, 0u);
    EXPECT_EQ(scan.splits[0].controlsBefore, 2u);
    EXPECT_FALSE(scan.endsInsideRecord);
}

TEST(FileScan, DropsARecordOfBlankLinesOnlyAsTheReaderDoes)
{
    const std::string file = "\"0.61\"\r\n"
                             "\"A\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\n0\r\n\"###\"\r\n"
                             "\r\n\r\n\"###\"\r\n"
                             "\"A\"\r\n\"c\"\r\n\"###\"\r\n"
                             "\r\n\r\n";
    const FileScan scan = scanDesignFile(file);
    EXPECT_EQ(scan.controlCounts, (std::vector<std::size_t> {1}));
    EXPECT_TRUE(scan.splits.empty());
    EXPECT_FALSE(scan.endsInsideRecord);
}
