#include "codegen/control_class.h"
#include "model/creation_defaults.h"
#include "props/colour_groups.h"
#include "props/field_table.h"
#include "props/style_text.h"

#include <gtest/gtest.h>

using namespace kovrin;

// The editor offers a kind exactly the fields its generated class writes.
TEST(FieldTable, EachKindUsesTheFieldsItsCodeWrites)
{
    struct Row
    {
        std::optional<KindField> field;
        std::optional<ColourGroup> group;
        std::string key; // of the line in the code
    };
    const Row rows[] = {
        {{}, ColourGroup::Fore, "colorText[]"},
        {KindField::BackColor, ColourGroup::Back, "colorBackground[]"},
        {KindField::Font, {}, "font"},
        {KindField::Text, {}, "text"},
        {KindField::ActiveColor, ColourGroup::Active, "colorActive[]"},
        {KindField::Action, {}, "action"},
        {KindField::Enter, {}, "default"},
        {KindField::SelectColor, ColourGroup::Select, "colorSelect[]"},
        {KindField::SelectBGColor, ColourGroup::SelectBG, "colorSelectBackGround[]"},
        {KindField::RowHeight, {}, "RowHeight"},
        {KindField::WholeHeight, {}, "wholeHeight"},
        // Both style suffixes are offered where multi-line texts are written.
        {KindField::Multiline, {}, "linespacing"},
        {KindField::Shadow, {}, "linespacing"},
    };
    for (ControlKind kind : kAllKinds) {
        ControlRecord r = defaultRecord(kind);
        r.Style = "ST_LEFT + ST_MULTI";
        const std::string code = controlClassText(r);
        for (const Row &row : rows) {
            const bool written = code.find("\r\n " + row.key + " =") != std::string::npos
                || code.find("\r\n  " + row.key + " =") != std::string::npos
                || code.find("\r\n   " + row.key + " =") != std::string::npos;
            SCOPED_TRACE(std::string(kindWord(kind)) + " " + row.key);
            EXPECT_TRUE(!row.field || isUsable(kind, *row.field) == written);
            EXPECT_TRUE(!row.group || isUsable(kind, *row.group) == written);
        }
        // Every style choice is found where it stands, the default among them.
        const auto choices = styleChoices(kind);
        for (std::size_t i = 0; i < choices.size(); ++i)
            EXPECT_EQ(findStyleChoice(kind, choices[i]), i);
        EXPECT_TRUE(findStyleChoice(kind, parseStyle(defaultRecord(kind).Style).base));
    }
    // Without a kind everything is open and no style offered.
    for (const Row &row : rows)
        EXPECT_TRUE(!row.field || isUsable(std::nullopt, *row.field));
    EXPECT_TRUE(styleChoices(std::nullopt).empty());
}

TEST(FieldTable, StyleSearchIsExactFontSearchIgnoresCaseBothStopAtTheEnd)
{
    EXPECT_EQ(findStyleChoice(ControlKind::Button, "ST_RIGHT"), 2u);
    EXPECT_EQ(findStyleChoice(ControlKind::Button, "st_right"), std::nullopt);
    EXPECT_EQ(findStyleChoice(ControlKind::Frame, "ST_LEFT"), std::nullopt);
    EXPECT_EQ(findStyleChoice(ControlKind::Text, ""), std::nullopt);
    EXPECT_EQ(findFontEntry("COURIERNEWB64"), 2u);
    EXPECT_EQ(findFontEntry("SteelfishB64CE"), 6u);
    EXPECT_EQ(findFontEntry("SteelfishB64C"), std::nullopt);
    EXPECT_EQ(findFontEntry("Arial"), std::nullopt);
}

TEST(ColourGroups, RedGreenAndBlueFieldsRepaintTheirSampleAndAllTheLast)
{
    for (ColourGroup group : kColourGroups) {
        for (std::size_t component = 0; component < 3; ++component)
            EXPECT_EQ(sampleForName(componentFieldName(group, component)), group);
        EXPECT_EQ(sampleForName(componentFieldName(group, 3)), std::nullopt); // alpha
    }
    EXPECT_EQ(componentFieldName(ColourGroup::Select, 3), "txt_sel_a");
    EXPECT_EQ(sampleForName("ALL"), ColourGroup::SelectBG);
    EXPECT_EQ(sampleForName("txt_name"), std::nullopt);
}
