#include "model/problem_list.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kovrin;

TEST(ProblemList, EachProblemIsOneDashLineEndedByCrLf)
{
    EXPECT_EQ(problemLines({"first", "- second", "third\n"}), "- first\r\n- second\r\n- third\r\n");
    EXPECT_EQ(problemLines({}), "");
}

TEST(ProblemList, ALongListIsCutWithACountOfTheRest)
{
    std::vector<std::string> many(30, "bad number");
    const std::string text = problemLines(many, 25);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 26);
    EXPECT_TRUE(text.ends_with("- ... and 5 more.\r\n"));
    EXPECT_EQ(problemLines(std::vector<std::string>(25, "x"), 25).find("more"), std::string::npos);
}
