#include "code_lines.h"
#include "codegen/dialog_class.h"
#include "codegen/generate_code.h"
#include "model/dialog_set.h"

#include <gtest/gtest.h>

using namespace kovrin;
using kovrin::test::crlfLines;
using kovrin::test::recordOf;

namespace {

using Lines = std::vector<std::string>;

Dialog dialogOf(std::string name, std::vector<ControlRecord> controls)
{
    Dialog dialog;
    dialog.Tag = std::move(name);
    dialog.cControls = std::move(controls);
    return dialog;
}

ControlRecord frameRecord()
{
    ControlRecord r = recordOf(ControlKind::Frame, "fra1");
    r.X = 0.1f;
    r.Y = 0.1f;
    r.Width = 0.5f;
    r.Height = 0.4f;
    r.Style = "ST_FRAME";
    r.ForeColor = colourOf(1, 1, 1, 1);
    r.BackColor = colourOf(0, 0, 0, 0.5);
    r.FontSize = 0.03f;
    r.Text = "Box";
    return r;
}

ControlRecord buttonRecord()
{
    ControlRecord r = recordOf(ControlKind::Button, "btnOK");
    r.X = 0.2f;
    r.Y = 0.4f;
    r.Width = 0.1f;
    r.Height = 0.05f;
    r.IDC = 1;
    r.Style = "ST_CENTER";
    r.ForeColor = colourOf(0, 0, 0, 1);
    r.Font = "tahomaB36";
    r.FontSize = 0.025f;
    r.Text = "OK";
    r.Action = "";
    r.Enter = 1;
    return r;
}

} // namespace

TEST(DialogClass, WorkedExampleMatchesByteForByte)
{
    DialogSet set;
    set.insertDialog();
    const SurfaceSize surface {12030, 7575};
    ControlRecord frame = frameRecord();
    frame.Tag = "1";
    ControlRecord button = buttonRecord();
    button.Tag = "2";
    ASSERT_TRUE(set.addControl(0, frame, 0, 0, surface));
    ASSERT_TRUE(set.addControl(0, button, 0, 0, surface));

    const std::string expected = test::goldenText("codegen/worked_example_classes.txt");
    EXPECT_EQ(dialogClassesText(set), expected);
    EXPECT_EQ(generateCode(set), preambleText() + expected);
}

TEST(DialogClass, EmptyDialogIsEightLines)
{
    EXPECT_EQ(
        crlfLines(dialogClassText(dialogOf("DIALOG1", {}), 1)),
        (Lines {"class DIALOG1", "{", "  idd = -1;", "  movingEnable = true;",
                "  controlsBackground[] = {};", "  objects[] = { };", "  controls[] = {};", "};"}));
}

TEST(DialogClass, FramesOnlyFillTheBackgroundListAndTheFirstFrameMakesTheBackgroundClass)
{
    ControlRecord a = frameRecord();
    a.Name = "A";
    ControlRecord b = frameRecord();
    b.Name = "B";
    b.BackColor = colourOf(1, 0, 0, 1);
    b.X = 0.7f;
    const Lines lines = crlfLines(dialogClassText(dialogOf("D", {a, b}), 1));
    ASSERT_GE(lines.size(), 18u);
    EXPECT_EQ(lines[4], "  controlsBackground[] = {DLG_BACK1, A, B};");
    EXPECT_EQ(lines[6], "  controls[] = {};");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "  class DLG_BACK1: RscText");
    EXPECT_EQ(lines[10], "     colorBackground[] = {0, 0, 0, 0.5};");
    EXPECT_EQ(lines[12], "     x = 0.1;");
    EXPECT_EQ(lines[17], " class A : RscText");
    EXPECT_EQ(lines.back(), "};");
    EXPECT_NE(std::find(lines.begin(), lines.end(), " class B : RscText"), lines.end());
}

TEST(DialogClass, BackgroundClassIsNumberedByPlaceInTheSetNotByFrmIndex)
{
    DialogSet set;
    for (int i = 0; i < 3; ++i)
        set.insertDialog();
    ASSERT_TRUE(set.removeDialog(1)); // the dialogs left carry FrmIndex 2 and 3
    ControlRecord frame = frameRecord();
    frame.Tag = "1";
    ASSERT_TRUE(set.addControl(1, frame, 0, 0, SurfaceSize {12030, 7575}));

    const std::string text = dialogClassesText(set);
    EXPECT_NE(text.find("  controlsBackground[] = {DLG_BACK2, fra1};\r\n"), std::string::npos);
    EXPECT_NE(text.find("  class DLG_BACK2: RscText\r\n"), std::string::npos);
    EXPECT_EQ(text.find("DLG_BACK3"), std::string::npos);
    // One class after another, no empty line between dialogs.
    EXPECT_NE(text.find("};\r\nclass DIALOG3\r\n"), std::string::npos);
}

TEST(DialogClass, ControlListKeepsRecordOrderAndLeavesFramesOut)
{
    const Dialog dialog
        = dialogOf("D",
                   {recordOf(ControlKind::Text, "t1"), frameRecord(),
                    recordOf(ControlKind::Slider, "s1"), recordOf(ControlKind::Input, "")});
    const Lines lines = crlfLines(dialogClassText(dialog, 1));
    EXPECT_EQ(lines[6], "  controls[] = {t1, s1, };");
}

TEST(DialogClass, UnknownKindIsLeftOutAndNamedInAComment)
{
    ControlRecord odd = recordOf(ControlKind::Text, "odd1");
    odd.CtrlType = "text"; // kind words are compared exactly
    const Dialog dialog = dialogOf(
        "D", {recordOf(ControlKind::Button, "b1"), odd, recordOf(ControlKind::Link, "l1")});
    const std::string text = dialogClassText(dialog, 1);
    const Lines lines = crlfLines(text);
    EXPECT_EQ(lines[6], "  controls[] = {b1, l1};");
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "  // control \"odd1\" left out: unknown kind \"text\""),
              lines.end());

    // Well-formed: every opening brace of a class has its closing line.
    int opened = 0;
    int closed = 0;
    for (const auto &line : lines) {
        opened += line == "{" || line == " {" || line == "  {";
        closed += line == "};" || line == "  };";
    }
    EXPECT_EQ(opened, closed);
    EXPECT_EQ(lines.back(), "};");
}

TEST(DialogClass, UnknownKindCommentStaysOnOneLine)
{
    ControlRecord odd = recordOf(ControlKind::Text, "a\r\nb");
    odd.CtrlType = "X\nY";
    const Lines lines = crlfLines(dialogClassText(dialogOf("D", {odd}), 1));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[7], "  // control \"a  b\" left out: unknown kind \"X Y\"");
}
