#include "codegen/control_class.h"
#include "model/creation_defaults.h"
#include "model/number_guard.h"
#include "props/colour_groups.h"
#include "props/colour_sample.h"
#include "props/drawn_refresh.h"
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
        {KindField::ForeColor, ColourGroup::Fore, "colorText[]"},
        {KindField::Style, {}, "style"},
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
        std::string code = controlClassText(r);
        std::erase(code, ' ');
        for (const Row &row : rows) {
            const bool written = code.find("\n" + row.key + "=") != std::string::npos;
            SCOPED_TRACE(std::string(kindWord(kind)) + " " + row.key);
            EXPECT_TRUE(!row.field || isUsable(kind, *row.field) == written);
            EXPECT_TRUE(!row.group || isUsable(kind, *row.group) == written);
        }
        // Every style choice is found where it stands, the default among them.
        const auto choices = styleChoices(kind);
        for (std::size_t i = 0; i < choices.size(); ++i)
            EXPECT_EQ(findStyleChoice(kind, choices[i]), i);
        EXPECT_TRUE(!isUsable(kind, KindField::Style)
                    || findStyleChoice(kind, parseStyle(defaultRecord(kind).Style).base));
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
            EXPECT_EQ(sampleToUpdate(SampleChoice::OneField, componentFieldName(group, component)),
                      group);
        EXPECT_EQ(sampleToUpdate(SampleChoice::OneField, componentFieldName(group, 3)),
                  std::nullopt); // alpha
    }
    EXPECT_EQ(componentFieldName(ColourGroup::Select, 3), "txt_sel_a");
    EXPECT_EQ(sampleToUpdate(SampleChoice::All), ColourGroup::SelectBG);
    EXPECT_EQ(sampleToUpdate(SampleChoice::OneField, "txt_name"), std::nullopt);
}

TEST(ColourSample, ReadsEitherSeparatorAndTreatsNoNumberAsZero)
{
    EXPECT_EQ(sampleColour({"0.2", "0,2", "1", "0.7"}), (Rgb8 {51, 51, 255}));
    EXPECT_EQ(sampleColour({"0.5", "", "-", ""}), (Rgb8 {128, 0, 0}));
    EXPECT_EQ(sampleColour({"abc", "1.5", "0.001", ""}), (Rgb8 {0, 255, 0}));
}

TEST(ColourSample, PickedBytesFillTheFieldsAsTheGuardCutsThem)
{
    const std::tuple<Rgb8, char, std::array<std::string, 3>> cases[] = {
        {{0, 128, 5}, '.', {"0", "0.501", "0.019"}},
        {{0, 128, 5}, ',', {"0", "0,501", "0,019"}},
        {{255, 0, 0}, '.', {"1", "0", "0"}},
    };
    for (const auto &[picked, separator, expected] : cases) {
        const auto texts = pickedComponentTexts(picked, separator);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(guardNumber(texts[i], texts[i].size(), kFractionBounds, separator).text,
                      expected[i]);
        }
    }
}

TEST(DrawnRefresh, SizesFromTheFieldsAndTakesWhatTheKindShows)
{
    DrawnControl control;
    control.left = 300;
    control.caption = "old";
    control.textColour = Rgb8 {1, 2, 3};
    const EditorLook look {"0,5", "-", "New", Rgb8 {10, 20, 30}, Rgb8 {200, 200, 200}, "0\n0.5"};
    const auto refreshed = [&](ControlKind kind) {
        DrawnControl drawn = control;
        refreshDrawnControl(drawn, kind, look, SurfaceSize {12000, 9000});
        return drawn;
    };
    DrawnControl button = control;
    button.width = 6000, button.height = 0, button.caption = "New", button.detail = "0\n0.5";
    EXPECT_EQ(refreshed(ControlKind::Button), button);
    DrawnControl link = button; // the grey of its disabled sample is its background
    link.textColour = Rgb8 {10, 20, 30}, link.backColour = Rgb8 {200, 200, 200};
    EXPECT_EQ(refreshed(ControlKind::Link), link);
    DrawnControl input = button;
    input.caption = "old", input.textColour = Rgb8 {10, 20, 30};
    EXPECT_EQ(refreshed(ControlKind::Input), input);
    EXPECT_EQ(drawnRefreshOf(ControlKind::Slider), DrawnRefresh {});
    EXPECT_EQ(drawnRefreshOf(ControlKind::Combo), (DrawnRefresh {false, true, true}));
}
