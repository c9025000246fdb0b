#include "model/view_grid_text.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(ViewGridText, OnlyTheWholeNumberOneShowsTheGrid)
{
    EXPECT_TRUE(viewGridFromText("1"));
    EXPECT_TRUE(viewGridFromText("01"));
    EXPECT_TRUE(viewGridFromText(" 1 "));
    EXPECT_TRUE(viewGridFromText("+1"));
    EXPECT_FALSE(viewGridFromText("0"));
    EXPECT_FALSE(viewGridFromText("2"));
    EXPECT_FALSE(viewGridFromText("-1"));
}

TEST(ViewGridText, TextThatIsNoWholeNumberHidesTheGrid)
{
    EXPECT_FALSE(viewGridFromText(""));
    EXPECT_FALSE(viewGridFromText("yes"));
    EXPECT_FALSE(viewGridFromText("1.0"));
    EXPECT_FALSE(viewGridFromText("1x"));
    EXPECT_FALSE(viewGridFromText("99999999999999999999999"));
}

TEST(ViewGridText, WrittenTextReadsBack)
{
    EXPECT_TRUE(viewGridFromText(viewGridText(true)));
    EXPECT_FALSE(viewGridFromText(viewGridText(false)));
    EXPECT_EQ(viewGridText(true), "1");
    EXPECT_EQ(viewGridText(false), "0");
}
