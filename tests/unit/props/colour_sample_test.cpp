#include "model/number_guard.h"
#include "props/colour_sample.h"
#include "props/drawn_refresh.h"

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
    const std::tuple<Rgb8, char, std::array<std::string, 3>> cases[] = {
        {{0, 128, 5}, '.', {"0", "0.501", "0.019"}},
        {{0, 128, 5}, ',', {"0", "0,501", "0,019"}},
        {{255, 0, 0}, '.', {"1", "0", "0"}},
    };
    for (const auto &[picked, separator, expected] : cases) {
        const auto texts = pickedComponentTexts(picked, separator);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(limitaNumero(texts[i], texts[i].size(), kFractionBounds, separator).text,
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
    const EditorLook look {"0,5", "-", "New", Rgb8 {10, 20, 30}, Rgb8 {200, 200, 200}};
    const auto refreshed = [&](ControlKind kind) {
        DrawnControl drawn = control;
        refreshDrawnControl(drawn, kind, look, SurfaceSize {12000, 9000});
        return drawn;
    };
    DrawnControl button = control;
    button.width = 6000, button.height = 0, button.caption = "New";
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
