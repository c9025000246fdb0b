#include "model/autosave_interval.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(AutosaveInterval, StoredSecondsWithinTheBoundsAreKept)
{
    EXPECT_EQ(autosaveSecondsFromText("60"), 60);
    EXPECT_EQ(autosaveSecondsFromText(" 90 "), 90);
    EXPECT_EQ(autosaveSecondsFromText("+5"), 5);
    EXPECT_EQ(autosaveSecondsFromText("86400"), 86400);
}

TEST(AutosaveInterval, TooOftenOrTooSeldomIsClampedToTheBounds)
{
    EXPECT_EQ(autosaveSecondsFromText("4"), 5);
    EXPECT_EQ(autosaveSecondsFromText("0"), 5);
    EXPECT_EQ(autosaveSecondsFromText("-30"), 5);
    EXPECT_EQ(autosaveSecondsFromText("86401"), 86400);
    EXPECT_EQ(autosaveSecondsFromText("99999999999"), 86400);
}

TEST(AutosaveInterval, NoWholeNumberMeansEveryMinute)
{
    for (const char *stored : {"", "  ", "soon", "7.5", "10s", "99999999999999999999999"})
        EXPECT_EQ(autosaveSecondsFromText(stored), 60) << stored;
}
