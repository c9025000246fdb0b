#include "model/view_grid_text.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(ViewGridText, OnlyTheWholeNumberOneShowsTheGridAndWrittenTextReadsBack)
{
    for (const char *on : {"1", "01", " 1 ", "+1"})
        EXPECT_TRUE(viewGridFromText(on)) << on;
    for (const char *off : {"0", "2", "-1", "", "yes", "1.0", "1x", "99999999999999999999999"})
        EXPECT_FALSE(viewGridFromText(off)) << off;
    EXPECT_EQ(viewGridText(true), "1");
    EXPECT_EQ(viewGridText(false), "0");
}
