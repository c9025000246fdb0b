#include "model/recent_files.h"

#include <gtest/gtest.h>

using namespace kovrin;
using Paths = std::vector<std::string>;

TEST(RecentFiles, TheLastUsedComesFirstOnceAndOnlyFiveAreKept)
{
    RecentFiles recent;
    for (const char *path : {"a", "b", "c", "d", "e", "f"})
        recent.use(path);
    EXPECT_EQ(recent.paths(), (Paths {"f", "e", "d", "c", "b"}));

    recent.use("c"); // used again: to the front, not twice
    EXPECT_EQ(recent.paths(), (Paths {"c", "f", "e", "d", "b"}));
    recent.use("a"); // the oldest falls off
    EXPECT_EQ(recent.paths(), (Paths {"a", "c", "f", "e", "d"}));
}

TEST(RecentFiles, RemovingKeepsTheOrderOfTheOthers)
{
    RecentFiles recent(Paths {"x", "y", "z"});
    EXPECT_TRUE(recent.remove("y"));
    EXPECT_FALSE(recent.remove("y"));
    EXPECT_EQ(recent.paths(), (Paths {"x", "z"}));
    recent.remove("x");
    recent.remove("z");
    EXPECT_TRUE(recent.paths().empty());
}

TEST(RecentFiles, AStoredListIsCleanedOfBlanksAndRepeatsAndCut)
{
    const RecentFiles recent(Paths {"a", "", "b", "a", "c", "d", "b", "e", "f", "g"});
    EXPECT_EQ(recent.paths(), (Paths {"a", "b", "c", "d", "e"}));
}
