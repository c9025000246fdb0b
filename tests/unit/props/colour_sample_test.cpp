#include "props/colour_groups.h"
#include "props/colour_sample.h"
#include "props/drawn_refresh.h"

#include "model/number_guard.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(ColourSample, ReadsEitherSeparatorAndTreatsNoNumberAsZero)
{
    EXPECT_EQ(sampleColour({"0.2", "0,2", "1", "0.7"}), (Rgb8 {51, 51, 255}));
    EXPECT_EQ(sampleColour({"0.5", "", "-", ""}), (Rgb8 {128, 0, 0}));
    EXPECT_EQ(sampleColour({"abc", "1.5", "0.001", ""}), (Rgb8 {0, 255, 0}));
}

TEST(ColourSample, PickedBytesFillTheFieldsAsTheGuardCutsThem)
{
    auto guarded = [](Rgb8 picked, char sep) {
        std::array<std::string, 3> out;
        const auto texts = pickedComponentTexts(picked, sep);
        for (std::size_t i = 0; i < 3; ++i)
            out[i] = limitaNumero(texts[i], texts[i].size(), kFractionBounds, sep).text;
        return out;
    };
    EXPECT_EQ(guarded({0, 128, 5}, '.'), (std::array<std::string, 3> {"0", "0.501", "0.019"}));
    EXPECT_EQ(guarded({0, 128, 5}, ','), (std::array<std::string, 3> {"0", "0,501", "0,019"}));
    EXPECT_EQ(guarded({255, 0, 0}, '.'), (std::array<std::string, 3> {"1", "0", "0"}));
    EXPECT_EQ(guarded({0, 0, 0}, '.'), (std::array<std::string, 3> {"0", "0", "0"}));
}

TEST(ColourSample, UpdateSampleChoosesBySourceName)
{
    EXPECT_EQ(sampleForName("txt_fg_r"), ColourGroup::Fore);
    EXPECT_EQ(sampleForName("txt_selbg_b"), ColourGroup::SelectBG);
    EXPECT_EQ(sampleForName("txt_active_g"), ColourGroup::Active);
    EXPECT_EQ(sampleForName("ALL"), ColourGroup::SelectBG);
    EXPECT_EQ(sampleForName("txt_fg_a"), std::nullopt); // alpha repaints nothing
    EXPECT_EQ(sampleForName("txt_name"), std::nullopt);
    EXPECT_EQ(componentFieldName(ColourGroup::Select, 3), "txt_sel_a");
    EXPECT_EQ(colourGroupInfo(ColourGroup::Back).pickerTitle, "Select background color");
}

TEST(DrawnRefresh, SizesFromTheFieldsAndTakesWhatTheKindShows)
{
    DrawnControl control;
    control.left = 300;
    control.caption = "old";
    control.textColour = Rgb8 {1, 2, 3};
    const EditorLook look {"0,5", "-", "New", Rgb8 {10, 20, 30}, Rgb8 {200, 200, 200}};
    const SurfaceSize surface {12000, 9000};

    DrawnControl button = control;
    refreshDrawnControl(button, ControlKind::Button, look, surface);
    EXPECT_EQ(button.width, 6000);
    EXPECT_EQ(button.height, 0);
    EXPECT_EQ(button.caption, "New");
    EXPECT_EQ(button.textColour, (Rgb8 {1, 2, 3}));
    EXPECT_EQ(button.backColour, std::nullopt);
    EXPECT_EQ(button.left, 300);

    DrawnControl link = control;
    refreshDrawnControl(link, ControlKind::Link, look, surface);
    EXPECT_EQ(link.textColour, (Rgb8 {10, 20, 30}));
    EXPECT_EQ(link.backColour, (Rgb8 {200, 200, 200})); // the grey of its disabled sample

    DrawnControl input = control;
    refreshDrawnControl(input, ControlKind::Input, look, surface);
    EXPECT_EQ(input.caption, "old");
    EXPECT_EQ(input.backColour, std::nullopt);
    EXPECT_EQ(drawnRefreshOf(ControlKind::Slider), DrawnRefresh {});
    EXPECT_EQ(drawnRefreshOf(ControlKind::Combo), (DrawnRefresh {false, true, true}));
}
