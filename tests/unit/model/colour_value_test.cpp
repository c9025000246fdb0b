#include "model/colour_value.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(ColourValue, DisplayColourRoundsHalvesToEven)
{
    EXPECT_EQ(displayColour(colourOf(0.2, 0.2, 0.2, 1)), (Rgb8 {51, 51, 51}));
    EXPECT_EQ(displayColour(colourOf(1, 0.5, 0, 0)), (Rgb8 {255, 128, 0}));
    EXPECT_EQ(displayByte(0.3), 76);
    EXPECT_EQ(displayByte(0.4), 102);
}

TEST(ColourValue, TextComponentsReadWithEitherSeparator)
{
    const ColourValue typed
        = Rgba {std::string("0,2"), std::string("0.2"), std::string("-"), std::string("1")};
    EXPECT_EQ(displayColour(typed), (Rgb8 {51, 51, 0}));
    EXPECT_FALSE(displayColour(ColourValue {}));
}

TEST(ColourValue, ValuesOutsideTheRangeAreHeldOnScreen)
{
    EXPECT_EQ(displayColour(colourOf(2, -1, 0.5, 1)), (Rgb8 {255, 0, 128}));
}

TEST(ColourValue, ComponentTextKeepsTheFormHeld)
{
    EXPECT_EQ(componentText(ColourComponent {0.25}, '.'), "0.25");
    EXPECT_EQ(componentText(ColourComponent {0.25}, ','), "0,25");
    EXPECT_EQ(componentText(ColourComponent {std::string("0,25")}, '.'), "0.25");
    EXPECT_EQ(componentText(ColourComponent {1.0}, '.'), "1");
}
