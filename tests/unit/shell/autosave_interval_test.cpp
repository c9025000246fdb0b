#include "model/autosave_interval.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(AutosaveInterval, StoredSecondsAreClampedAndAnythingElseIsAMinute)
{
    EXPECT_EQ(autosaveSecondsFromText(" 90 "), 90);
    EXPECT_EQ(autosaveSecondsFromText("+5"), 5);
    EXPECT_EQ(autosaveSecondsFromText("86400"), 86400);
    for (const char *tooOften : {"4", "0", "-30"})
        EXPECT_EQ(autosaveSecondsFromText(tooOften), 5) << tooOften;
    for (const char *tooSeldom : {"86401", "99999999999"})
        EXPECT_EQ(autosaveSecondsFromText(tooSeldom), 86400) << tooSeldom;
    for (const char *noNumber : {"", "soon", "7.5", "10s", "99999999999999999999999"})
        EXPECT_EQ(autosaveSecondsFromText(noNumber), 60) << noNumber;
}
