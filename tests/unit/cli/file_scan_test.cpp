#include "cli/file_scan.h"
#include "cli/item_scanner.h"
#include "persist/item_reader.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(ItemScanner, SplitsItemsExactlyAsTheReaderDoes)
{
    const std::string samples[] = {
        "\"0.61\"\r\n\"D\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\n0.05\r\n\"###\"\r\n",
        "  \"a\" , b ,c\t\r\n\r\n-1,1E-05\n\"two\r\nlines\"\rx",
        "\"Box \"big\" one\",next\r\n\"unclosed, to the end\r\nof the file",
        "\"\",,\r\n  ,\"\"trailing\r\n",
    };
    for (const std::string &text : samples) {
        ItemReader reader(text);
        ItemScanner scanner(text);
        while (!reader.atEnd()) {
            ASSERT_FALSE(scanner.atEnd()) << text;
            const Item expected = reader.next();
            const ScannedItem actual = scanner.next();
            EXPECT_EQ(actual.text, expected.text) << text;
            EXPECT_EQ(actual.quoted, expected.quoted) << text;
        }
        EXPECT_TRUE(scanner.atEnd()) << text;
    }
}

TEST(ItemScanner, KeepsWhatTheReaderDropsAfterAClosingQuote)
{
    ItemScanner items("\"Box \"big\" one\"  \r\n\"fine\"  \r\n\"open");
    ScannedItem item = items.next();
    EXPECT_EQ(item.text, "Box ");
    EXPECT_EQ(item.dropped, "big\" one\"");
    item = items.next();
    EXPECT_EQ(item.text, "fine");
    EXPECT_TRUE(item.dropped.empty());
    EXPECT_FALSE(item.unclosed);
    item = items.next();
    EXPECT_EQ(item.text, "open");
    EXPECT_TRUE(item.unclosed);
}

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
