// The lines of "Other properties" as the editor takes them: each a property or a nested class
// as its class would hold it, checked before anything is kept.
#include "props/other_lines.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(OtherLines, GoodLinesAreKeptAsWrittenAndShownAgainTheSame)
{
    struct Row
    {
        std::string_view typed;
        std::string_view shown; // the lines as the field shows them again
        std::string_view key; // of the last entry
    };
    const Row rows[] = {
        {"onLoad = \"_this call f\";", "onLoad = \"_this call f\"", "onLoad"},
        {"  tooltip = \"a \"\"b\"\" = {\"  ", "tooltip = \"a \"\"b\"\" = {\"", "tooltip"},
        {"sounds[] = {\"a\", 0.5, {1}}", "sounds[] = {\"a\", 0.5, {1}}", "sounds"},
        {"items[] += {2};", "items[] += {2}", "items"},
        {"hint = ", "hint = ", "hint"},
        {"class Attributes {font = \"x\"; class B {c = 1;};};",
         "class Attributes {font = \"x\"; class B {c = 1;};}", "Attributes"},
        {"class Base : RscText {}", "class Base : RscText {}", "Base"},
        {"class RscText;", "class RscText", "RscText"},
        {"\n a = 1\r\n\r\nB = 2 \n", "a = 1\nB = 2", "B"},
        {"idd = 1234\nmovingEnable = false", "idd = 1234\nmovingEnable = false", "movingEnable"},
        {"colorSelection[] = {1, 1, 1, 1}", "colorSelection[] = {1, 1, 1, 1}", "colorSelection"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        const OtherLinesRead read = readOtherLines(row.typed, OwnNames::Control);
        ASSERT_EQ(read.report, "");
        EXPECT_EQ(otherLinesText(read.others), row.shown);
        EXPECT_EQ(entryKey(read.others.list().back()), row.key);
        EXPECT_EQ(read.others.find(row.key), &read.others.list().back());
        // Shown again and taken again, the lines stay the same.
        EXPECT_EQ(otherLinesText(readOtherLines(row.shown, OwnNames::Control).others), row.shown);
    }
}

TEST(OtherLines, ABadLineIsReportedWithItsNumberAndNothingIsKept)
{
    struct Row
    {
        std::string_view typed;
        OwnNames own;
        std::string_view report;
    };
    const Row rows[] = {
        {"a = 1\n= 2", OwnNames::Control, "line 2: a name is needed before \"=\"."},
        {"just words", OwnNames::Control, "line 1: a name is needed before \"=\"."},
        {"a b = 1", OwnNames::Control, "line 1: a name is needed before \"=\"."},
        {"a = \"open", OwnNames::Control, "line 1: a double quote is not closed."},
        {"a[] = {1, {2}", OwnNames::Control, "line 1: the braces do not balance."},
        {"a = }{", OwnNames::Control, "line 1: the braces do not balance."},
        {"class {a = 1;}", OwnNames::Control, "line 1: a class is written \"class Name {...}\"."},
        {"class A {a = 1;} b", OwnNames::Control,
         "line 1: a class is written \"class Name {...}\"."},
        {"IDC = 5", OwnNames::Control, "line 1: IDC is set by Kovrin's own fields."},
        {"sizeEx = 0.03", OwnNames::Control, "line 1: sizeEx is set by Kovrin's own fields."},
        {"controls[] = {a}", OwnNames::Dialog, "line 1: controls is set by Kovrin's own fields."},
        {"class Controls {}", OwnNames::Dialog, "line 1: Controls is set by Kovrin's own fields."},
        {"a = 1\n\nA = 2", OwnNames::Dialog, "line 3: A is set twice."},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        const OtherLinesRead read = readOtherLines(row.typed, row.own);
        EXPECT_EQ(read.report, "- Other properties, " + std::string(row.report) + "\r\n");
        EXPECT_TRUE(read.others.empty());
    }
    // A dialog keeps the names a control's fields take, and the reverse.
    EXPECT_EQ(readOtherLines("idc = 5\ntext = \"a\"", OwnNames::Dialog).report, "");
    EXPECT_EQ(readOtherLines("controls[] = {}", OwnNames::Control).report, "");
}

// A control's own names are those its kind's class writes: a value the class never writes may be
// kept as a line (as the import keeps it), one it writes may not.
TEST(OtherLines, AControlRefusesOnlyTheNamesItsClassWrites)
{
    const struct
    {
        ClassShape shape;
        std::string_view typed;
        bool kept;
    } rows[] = {
        {{ControlKind::Button, "ST_CENTER"}, "colorBackground[] = {0, 0, 0, 1}", true},
        {{ControlKind::Button, "ST_CENTER"}, "colorText[] = {0, 0, 0, 1}", false},
        {{ControlKind::Text, ""}, "lineSpacing = 1", true},
        {{ControlKind::Text, "ST_MULTI"}, "lineSpacing = 1", false},
        {{ControlKind::Input, ""}, "type = 2", false},
        {{ControlKind::Input, "", true}, "type = 2", true}, // the game's base implies none
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed);
        const OtherLinesRead read = readOtherLines(row.typed, OwnNames::Control, row.shape);
        EXPECT_EQ(read.report.empty(), row.kept) << read.report;
        EXPECT_EQ(read.others.empty(), !row.kept);
    }
}
