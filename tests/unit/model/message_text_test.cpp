// What messages quote: control characters spelt out, long quotations cut, long lists counted.
#include "model/message_text.h"
#include "model/problem_list.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(MessageText, ControlCharactersAreSpeltOutAndTheRestKept)
{
    const struct
    {
        std::string in;
        std::string out;
    } cases[] = {
        {"\x1b]0;owned\x07\x1b[2J", "\\x1b]0;owned\\x07\\x1b[2J"},
        {"a\r\nb\tc", "a\\r\\nb\\tc"},
        {std::string("nul\0del\x7f", 8), "nul\\x00del\\x7f"},
        {"\xC2\x9B"
         "31m",
         "\\u009b31m"}, // the one-character CSI of the C1 controls
        {"caf\xC3\xA9 \xE2\x82\xAC C:\\dir", "caf\xC3\xA9 \xE2\x82\xAC C:\\dir"},
        {"bad \xFF\xC3 end", "bad \\xff\\xc3 end"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(escapedControls(c.in), c.out);
        EXPECT_EQ(escapedControls(escapedControls(c.in)), c.out) << "escaped twice";
    }
}

TEST(MessageText, LongQuotationsAreCutAfterSixtyCharacters)
{
    const std::string sixty(60, 'x');
    EXPECT_EQ(quotedText(sixty), "\"" + sixty + "\"");
    EXPECT_EQ(quotedText(sixty + "yz"), "\"" + sixty + "\xE2\x80\xA6\"");
    // Characters, not bytes: sixty two-byte letters stay whole.
    std::string accented;
    for (int i = 0; i < 61; ++i)
        accented += "\xC3\xA9";
    EXPECT_EQ(quotedText(accented), "\"" + accented.substr(0, 120) + "\xE2\x80\xA6\"");
    EXPECT_EQ(quotedText("\x1b"), "\"\\x1b\"");

    // A path keeps its end, where the file's name is.
    const std::string folder(100, 'd');
    EXPECT_EQ(quotedPath("/" + folder + "/name.kvx"),
              "\"\xE2\x80\xA6" + folder.substr(0, 51) + "/name.kvx\"");
    EXPECT_EQ(quotedPath("/tmp/a\nb.kvx"), "\"/tmp/a\\nb.kvx\"");
}

TEST(MessageText, AListNamesAHundredProblemsAndCountsTheRest)
{
    ProblemList list;
    for (int i = 0; i < 150; ++i)
        list.add("problem " + std::to_string(i));
    const auto lines = list.lines();
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines[99], "problem 99");
    EXPECT_EQ(lines.back(), "... and 50 more problems.");
    EXPECT_EQ(list.count(), 150u);
    EXPECT_EQ(listedProblems(std::vector<std::string>(100, "p")).size(), 100u);
    EXPECT_EQ(listedProblems(std::vector<std::string>(101, "p")).back(), "... and 1 more problem.");
}
