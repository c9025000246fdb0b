#include "persist/item_reader.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kovrin;

namespace {

struct Expected
{
    std::string text;
    bool quoted = false;
};

void expectItems(const std::string &file, const std::vector<Expected> &expected)
{
    ItemReader items(file);
    for (const Expected &want : expected) {
        ASSERT_FALSE(items.atEnd()) << file;
        const Item item = items.next();
        EXPECT_EQ(item.text, want.text) << file;
        EXPECT_EQ(item.quoted, want.quoted) << file;
    }
    EXPECT_TRUE(items.atEnd()) << file;
}

} // namespace

TEST(ItemReader, SplitsAtLineEndsAndCommasOutsideQuotes)
{
    expectItems(
        "\"0.61\"\r\n\"D\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\n0.05\r\n\"###\"\r\n",
        {{"0.61", true}, {"D", true}, {"KOVRIN_INFO_GRIDSIZE", true}, {"0.05"}, {"###", true}});
    // Blanks around bare items go; an empty line is an empty item; a lone CR or LF ends a line
    // and, inside a text, becomes CRLF.
    expectItems(
        "  \"a\" , b ,c\t\r\n\r\n-1,1E-05\n\"two\rlines\"\rx",
        {{"a", true}, {"b"}, {"c"}, {""}, {"-1"}, {"1E-05"}, {"two\r\nlines", true}, {"x"}});
    expectItems("\"\",,\r\n  ,\"\"trailing\r\n", {{"", true}, {""}, {""}, {""}, {"", true}});
}

TEST(ItemReader, KeepsWhatItDropsAfterAClosingQuote)
{
    ItemReader items("\"Box \"big\" one\"  \r\n\"fine\"  \r\n\"open");
    Item item = items.next();
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

TEST(ItemReader, TextWithoutClosingQuoteRunsToTheEndOfTheFile)
{
    ItemReader items("\"Box \"big\" one\",next\r\n\"unclosed, to the end\r\nof the file");
    EXPECT_EQ(items.next().text, "Box ");
    EXPECT_EQ(items.next().text, "next");
    const Item last = items.next();
    EXPECT_EQ(last.text, "unclosed, to the end\r\nof the file");
    EXPECT_TRUE(last.unclosed);
    EXPECT_TRUE(items.atEnd());
}
