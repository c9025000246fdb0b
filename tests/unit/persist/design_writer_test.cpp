#include "persist/design_writer.h"

#include "persist_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

// One dialog with one control whose record the caller edits as the property editor would.
template<typename Edit> DesignBytes oneControl(ControlKind kind, Edit edit)
{
    DialogSet set;
    set.insertDialog();
    set.setGridSize(0, 0.05f);
    set.createControl(0, kind, 1500, 900, kSurface);
    ControlRecord r = set.dialog(0).cControls.at(0);
    edit(set, r);
    set.writeRecord(0, 0, r);
    return designBytes(set);
}

} // namespace

// The layout of every field is held by the golden file of the round-trip test.
TEST(DesignWriter, TwoDialogsWithTwoAndNoControlsGiveEightyFiveLines)
{
    EXPECT_EQ(designBytes(DialogSet {}).bytes, "\"0.61\"\r\n");
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

TEST(DesignWriter, EachFieldKeepsItsWrittenForm)
{
    const DesignBytes out = oneControl(ControlKind::Text, [](DialogSet &set, ControlRecord &r) {
        set.setGridSize(0, 0.0001f);
        set.renameDialog(0, "Men\xC3\xBC"); // ü is in the code page
        r.IDC = 999;
        r.Width = 0.00001f;
        r.Height = 1.0f / 3.0f;
        r.ForeColor = Rgba {std::string("0,5"), std::string("0.25"), 0.2, 1.0 / 3.0};
        r.Text = "caf\xC3\xA9\none\r\n"; // é, and a bare line feed
        r.Action = "a\"b";
        r.Enter = 1;
        r.LineSpacing = 1.5f;
    });
    const auto lines = crlfLines(out.bytes);
    const std::pair<std::size_t, const char *> expected[]
        = {{1, "\"Men\xFC\""},        {3, "0.0001"},     {7, "999"},       {8, "0.00001"},
           {9, "0.3333333"},          {11, "\"0,5\""},   {12, "\"0.25\""}, {13, "0.2"},
           {14, "0.333333333333333"}, {21, "\"caf\xE9"}, {22, "one"},      {23, "\""},
           {36, "\"a&quotb\""},       {37, "1"},         {43, "1.5"}};
    for (const auto &[line, text] : expected)
        EXPECT_EQ(lines.at(line), text) << "line " << line;
    EXPECT_EQ(lines.size(), 45u);
}

TEST(DesignWriter, ForeignCharactersAndTextsThatCannotReadBackAreReported)
{
    const DesignBytes out = oneControl(ControlKind::Button, [](DialogSet &, ControlRecord &r) {
        r.Name = "\xD0\x96uk"; // Ж is not in the code page
        r.Text = "say \"hi\"";
        r.Style = "###";
        r.Action = "hint(\"&quot\")"; // the entity itself would come back as a quote
    });
    const std::string control = "dialog \"DIALOG1\", control 1 (\"\xD0\x96uk\"), ";
    EXPECT_EQ(out.replacedTexts, std::vector<std::string> {control + "Name"});
    EXPECT_EQ(out.unreadableTexts,
              (std::vector<std::string> {control + "Style", control + "Text", control + "Action"}));
    // Still written as they are.
    const auto lines = crlfLines(out.bytes);
    EXPECT_EQ(lines.at(6), "\"?uk\"");
    EXPECT_EQ(lines.at(21), "\"say \"hi\"\"");
}
