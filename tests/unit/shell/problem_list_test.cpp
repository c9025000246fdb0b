#include "model/problem_list.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(ProblemList, EachProblemIsOneDashLineEndedByCrLf)
{
    EXPECT_EQ(problemLines({"first", "- second", "third\n", "fourth\r\n"}),
              "- first\r\n- second\r\n- third\r\n- fourth\r\n");
    EXPECT_EQ(problemLines({}), "");
}
