#include "code_lines.h"
#include "codegen/generate_code.h"

#include <gtest/gtest.h>

using namespace kovrin;
using kovrin::test::crlfLines;

TEST(Preamble, MatchesTheFixedBlockByteForByte)
{
    EXPECT_EQ(preambleText(), test::goldenText("codegen/preamble.txt"));
}

TEST(Preamble, Has128CrlfLinesEndingWithAClosedClassAndAnEmptyLine)
{
    const std::string text = preambleText();
    const auto lines = crlfLines(text);
    ASSERT_EQ(lines.size(), 128u);
    EXPECT_TRUE(text.ends_with("};\r\n\r\n"));
    EXPECT_EQ(lines.front(), "#define ST_LEFT      0"); // nothing before the first line
    EXPECT_EQ(text.find('\t'), std::string::npos);
    for (const auto &line : lines) {
        EXPECT_EQ(line.find('\r'), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    }
}

TEST(Preamble, KeepsItsOddSpots)
{
    const auto lines = crlfLines(preambleText());
    ASSERT_EQ(lines.size(), 128u);
    EXPECT_EQ(lines[51], "        soundPush[] = {, 0.2, 1};");
    EXPECT_EQ(lines[65], "        soundPush[] = {, 0.2, 1};");
    EXPECT_EQ(lines[50], R"(        soundEnter[] = {"ui\ui_over", 0.2, 1};)");
    EXPECT_EQ(lines[92], "       text = ;");
    EXPECT_EQ(lines[100], "        colorSelectBackground[] = {0.2, 0.2, 0.2, 1};");
    EXPECT_EQ(lines[108], "class RscListBox: RscLB_C");
    EXPECT_EQ(lines[113], "class RscCombo: RscLB_C");
    EXPECT_EQ(lines[124], "            idc = -1;"); // after color[] in RscSliderH
}

TEST(Preamble, IndentsEditMembersBySevenAndSliderMembersByTwelve)
{
    const auto lines = crlfLines(preambleText());
    ASSERT_EQ(lines.size(), 128u);
    auto indent = [](const std::string &line) {
        return line.find_first_not_of(' ');
    };
    for (std::size_t i = 84; i <= 92; ++i) // lines 85 to 93
        EXPECT_EQ(indent(lines[i]), 7u) << lines[i];
    for (std::size_t i = 121; i <= 125; ++i) // lines 122 to 126
        EXPECT_EQ(indent(lines[i]), 12u) << lines[i];
    EXPECT_EQ(indent(lines[21]), 8u);
}
