#include "persist/design_writer.h"

#include "persist_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

DialogSet oneControl(ControlKind kind)
{
    DialogSet set;
    set.insertDialog();
    set.setGridSize(0, 0.05f);
    set.createControl(0, kind, 1500, 900, kSurface);
    return set;
}

} // namespace

TEST(DesignWriter, TwoDialogsWithTwoAndNoControlsGiveEightyFiveLines)
{
    const DesignBytes out = designBytes(sampleSet());
    const auto lines = crlfLines(out.bytes);
    EXPECT_EQ(lines.size(), 85u);
    ASSERT_TRUE(out.bytes.ends_with("\"###\"\r\n")); // nothing after the last line break
    EXPECT_EQ(lines[0], "\"0.61\"");
    EXPECT_EQ(lines[81], "\"DIALOG2\""); // the second header follows 4 + 2 x 38 lines
    EXPECT_EQ(lines[82], "\"KOVRIN_INFO_GRIDSIZE\"");
    EXPECT_EQ(lines[83], "0.05"); // copied from the dialog before at insert
    EXPECT_TRUE(out.replacedTexts.empty());
    EXPECT_TRUE(out.unreadableTexts.empty());
}

TEST(DesignWriter, OneControlFileMatchesTheFormatLineByLine)
{
    const auto lines = crlfLines(designBytes(oneControl(ControlKind::Text)).bytes);
    const std::vector<std::string> expected {
        "\"0.61\"",
        "\"DIALOG1\"",
        "\"KOVRIN_INFO_GRIDSIZE\"",
        "0.05",
        "\"###\"",
        "\"DIALOG1\"",
        "\"TEXT1\"",
        "-1",
        "0.2",
        "0.1",
        "\"ST_LEFT\"",
        "1",
        "1",
        "1",
        "1", // ForeColor
        "0",
        "0",
        "0",
        "0", // BackColor
        "\"tahomaB36\"",
        "0.04",
        "\"\"", // Font, FontSize, Text
        "0",
        "0",
        "0",
        "0", // ActiveColor, never set
        "0",
        "0",
        "0",
        "0", // SelectionColor
        "0",
        "0",
        "0",
        "0", // SelectionBGColor
        "\"\"",
        "0",
        "0",
        "0",
        "\"TEXT\"", // Action, Enter, RowHeight, WholeHeight, CtrlType
        "0.125",
        "0.1",
        "0",
        "\"###\""}; // X, Y, LineSpacing, end mark
    EXPECT_EQ(lines, expected);
}

TEST(DesignWriter, EmptySetIsTheVersionLineAlone)
{
    EXPECT_EQ(designBytes(DialogSet {}).bytes, "\"0.61\"\r\n");
}

TEST(DesignWriter, ActionQuotesAreStoredAsEntities)
{
    DialogSet set = oneControl(ControlKind::Button);
    ControlRecord r = set.dialog(0).cControls.at(0);
    r.Action = "a\"b";
    set.writeRecord(0, 0, r);
    EXPECT_EQ(crlfLines(designBytes(set).bytes).at(34), "\"a&quotb\"");
}

TEST(DesignWriter, ColourComponentsKeepTheirForm)
{
    DialogSet set = oneControl(ControlKind::Text);
    ControlRecord r = set.dialog(0).cControls.at(0);
    r.ForeColor = Rgba {std::string("0,5"), std::string("0.25"), 0.2, 1.0 / 3.0};
    set.writeRecord(0, 0, r);
    const auto lines = crlfLines(designBytes(set).bytes);
    EXPECT_EQ(lines.at(11), "\"0,5\"");
    EXPECT_EQ(lines.at(12), "\"0.25\"");
    EXPECT_EQ(lines.at(13), "0.2");
    EXPECT_EQ(lines.at(14), "0.333333333333333");
}

TEST(DesignWriter, NumbersHaveALeadingZeroAndNoExponent)
{
    DialogSet set = oneControl(ControlKind::Text);
    ControlRecord r = set.dialog(0).cControls.at(0);
    r.Width = 0.00001f;
    r.Height = 1.0f / 3.0f;
    r.LineSpacing = 1.5f;
    r.IDC = 999;
    r.Enter = 1;
    set.writeRecord(0, 0, r);
    set.setGridSize(0, 0.0001f);
    const auto lines = crlfLines(designBytes(set).bytes);
    EXPECT_EQ(lines.at(3), "0.0001");
    EXPECT_EQ(lines.at(7), "999");
    EXPECT_EQ(lines.at(8), "0.00001");
    EXPECT_EQ(lines.at(9), "0.3333333");
    EXPECT_EQ(lines.at(35), "1");
    EXPECT_EQ(lines.at(41), "1.5");
}

TEST(DesignWriter, LineBreaksInsideTextsAreCrlf)
{
    DialogSet set = oneControl(ControlKind::Text);
    ControlRecord r = set.dialog(0).cControls.at(0);
    r.Text = "one\ntwo\r\nthree";
    set.writeRecord(0, 0, r);
    const std::string bytes = designBytes(set).bytes;
    EXPECT_NE(bytes.find("\"one\r\ntwo\r\nthree\"\r\n"), std::string::npos);
    EXPECT_EQ(crlfLines(bytes).size(), 45u);
}

TEST(DesignWriter, TextsAreWrittenInWindows1252AndForeignCharactersAreReported)
{
    DialogSet set = oneControl(ControlKind::Text);
    set.renameDialog(0, "Men\xC3\xBC"); // ü is in the code page
    ControlRecord r = set.dialog(0).cControls.at(0);
    r.Text = "caf\xC3\xA9"; // é
    r.Name = "\xD0\x96uk"; // Ж is not
    set.writeRecord(0, 0, r);
    const DesignBytes out = designBytes(set);
    const auto lines = crlfLines(out.bytes);
    EXPECT_EQ(lines.at(1), "\"Men\xFC\"");
    EXPECT_EQ(lines.at(21), "\"caf\xE9\"");
    EXPECT_EQ(lines.at(6), "\"?uk\"");
    ASSERT_EQ(out.replacedTexts.size(), 1u);
    EXPECT_EQ(out.replacedTexts[0], "dialog \"Men\xC3\xBC\", control 1 (\"\xD0\x96uk\"), Name");
}

TEST(DesignWriter, TextsThatCannotReadBackWholeAreReported)
{
    DialogSet set = oneControl(ControlKind::Button);
    ControlRecord r = set.dialog(0).cControls.at(0);
    r.Text = "say \"hi\"";
    r.Style = "###";
    r.Action = "hint(\"&quot\")"; // the entity itself would come back as a quote
    set.writeRecord(0, 0, r);
    const DesignBytes out = designBytes(set);
    const std::string control = "dialog \"DIALOG1\", control 1 (\"BUTTON1\"), ";
    EXPECT_EQ(out.unreadableTexts,
              (std::vector<std::string> {control + "Style", control + "Text", control + "Action"}));
    // Still written as they are.
    EXPECT_EQ(crlfLines(out.bytes).at(21), "\"say \"hi\"\"");
}
