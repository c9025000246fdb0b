#include "model/number_text.h"
#include "model/position_form.h"
#include "model/reference_screen.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

constexpr ReferenceScreen kWideLargest {ScreenAspect::Ratio16x9, InterfaceSize::VeryLarge};
constexpr ReferenceScreen kWideNormal {ScreenAspect::Ratio16x9, InterfaceSize::Normal};

} // namespace

TEST(ReferenceScreen, SafeZoneFollowsAspectAndInterfaceSize)
{
    struct Row
    {
        ReferenceScreen screen;
        double x, y, w, h, pixelW, pixelH;
    };
    const double small = 1 / 0.55; // safezoneH at the small size
    const double normal = 1 / 0.7;
    const Row rows[] = {
        {{ScreenAspect::Ratio4x3, InterfaceSize::VeryLarge}, 0, 0, 1, 1, 1.0 / 1024, 1.0 / 768},
        {{ScreenAspect::Ratio4x3, InterfaceSize::Small},
         (1 - small) / 2,
         (1 - small) / 2,
         small,
         small,
         small / 1024,
         small / 768},
        {kWideLargest, -1.0 / 6, 0, 4.0 / 3, 1, 4.0 / 3 / 1920, 1.0 / 1080},
        {kWideNormal, (1 - normal * 4 / 3) / 2, (1 - normal) / 2, normal * 4 / 3, normal,
         normal * 4 / 3 / 1920, normal / 1080},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(referenceScreenText(row.screen));
        EXPECT_DOUBLE_EQ(row.screen.safezoneX(), row.x);
        EXPECT_DOUBLE_EQ(row.screen.safezoneY(), row.y);
        EXPECT_DOUBLE_EQ(row.screen.safezoneW(), row.w);
        EXPECT_DOUBLE_EQ(row.screen.safezoneH(), row.h);
        EXPECT_DOUBLE_EQ(row.screen.pixelW(), row.pixelW);
        EXPECT_DOUBLE_EQ(row.screen.pixelH(), row.pixelH);
    }
    // Every typical resolution has square pixels, and the safe zone stays centred on the area.
    for (const ScreenAspect aspect : kAllAspects) {
        for (const InterfaceSize size : kAllInterfaceSizes) {
            const ReferenceScreen screen {aspect, size};
            SCOPED_TRACE(referenceScreenText(screen));
            EXPECT_DOUBLE_EQ(screen.pixelW() * 4 / 3,
                             screen.pixelH()); // a unit across is 4/3 longer
            EXPECT_DOUBLE_EQ(screen.safezoneW() / screen.safezoneH(), aspectRatio(aspect) * 3 / 4);
            EXPECT_DOUBLE_EQ(screen.safezoneX() + screen.safezoneW() / 2, 0.5);
        }
    }
}

TEST(ReferenceScreen, StoredTextRoundTripsAndDamagedTextFallsBackPartByPart)
{
    for (const ScreenAspect aspect : kAllAspects) {
        for (const InterfaceSize size : kAllInterfaceSizes) {
            const ReferenceScreen screen {aspect, size};
            EXPECT_EQ(referenceScreenFromText(referenceScreenText(screen)), screen)
                << referenceScreenText(screen);
        }
    }
    EXPECT_EQ(referenceScreenText(kWideNormal), "16:9 normal");
    const std::pair<ReferenceScreen, const char *> read[] = {
        {{ScreenAspect::Ratio21x9, InterfaceSize::VerySmall}, "  21:9 \t VERY-SMALL "},
        {{ScreenAspect::Ratio5x4, InterfaceSize::VerySmall}, "5:4 Very Small"},
        {{ScreenAspect::Ratio4x3, InterfaceSize::Normal}, "4:3 huge"},
        {{ScreenAspect::Ratio16x9, InterfaceSize::Large}, "16:8 large"},
        {{ScreenAspect::Ratio16x10, InterfaceSize::Normal}, "16:10"},
        {kWideNormal, ""},
        {kWideNormal, "\x01\xff garbage 4:3"},
        {kWideNormal, "16:9normal"},
    };
    for (const auto &[expected, text] : read)
        EXPECT_EQ(referenceScreenFromText(text), expected) << text;
}

TEST(PositionForm, ValuesConvertBetweenScreenAndSafeZone)
{
    struct Row
    {
        ReferenceScreen screen;
        PositionAxis axis;
        double screenValue;
        double fraction;
    };
    const Row rows[] = {
        {kWideLargest, PositionAxis::X, 0, 0.125},
        {kWideLargest, PositionAxis::X, 0.5, 0.5},
        {kWideLargest, PositionAxis::Width, 1, 0.75},
        {kWideLargest, PositionAxis::Y, 0.3, 0.3},
        {kWideNormal, PositionAxis::X, 0, 0.2375},
        {kWideNormal, PositionAxis::X, 0.33333, 0.4125},
        {kWideNormal, PositionAxis::Width, 1, 0.525},
        {kWideNormal, PositionAxis::Y, 0, 0.15},
        {kWideNormal, PositionAxis::Height, 1, 0.7},
        {kWideNormal, PositionAxis::Height, 0.05, 0.035},
        // 5 decimals of F would come back as 0.00001 off: it takes a 6th.
        {kWideNormal, PositionAxis::Width, 0.00001, 0.000005},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(::testing::Message() << referenceScreenText(row.screen) << " axis "
                                          << static_cast<int>(row.axis) << " " << row.screenValue);
        EXPECT_DOUBLE_EQ(safeZoneFromScreen(row.screenValue, row.axis, row.screen), row.fraction);
        EXPECT_DOUBLE_EQ(screenFromSafeZone(row.fraction, row.axis, row.screen),
                         roundDecimals(row.screenValue, kFractionDecimals));
    }
}

TEST(PositionForm, ScreenToSafeZoneAndBackKeepsTheFiveDecimalsOnEveryReferenceScreen)
{
    for (const ScreenAspect aspect : kAllAspects) {
        for (const InterfaceSize size : kAllInterfaceSizes) {
            const ReferenceScreen screen {aspect, size};
            for (const PositionAxis axis :
                 {PositionAxis::X, PositionAxis::Y, PositionAxis::Width, PositionAxis::Height}) {
                for (int step = -10000; step <= 20000; step += 37) {
                    const double value = step / 10000.0 + 0.00001 * (step % 7);
                    const double rounded = roundDecimals(value, kFractionDecimals);
                    const double fraction = safeZoneFromScreen(rounded, axis, screen);
                    // The record holds the fraction as a 32-bit value.
                    ASSERT_EQ(screenFromSafeZone(static_cast<float>(fraction), axis, screen),
                              rounded)
                        << referenceScreenText(screen) << " axis " << static_cast<int>(axis) << " "
                        << rounded;
                    ASSERT_EQ(roundDecimals(fraction, kFractionDecimals + kSafeZoneExtraDecimals),
                              fraction);
                }
            }
        }
    }
}

TEST(PositionForm, SafeZoneTextUsesTheDefinitionsNumberText)
{
    EXPECT_EQ(safeZoneText(0.2375f, PositionAxis::X), "0.2375 * safezoneW + safezoneX");
    EXPECT_EQ(safeZoneText(-0.5f, PositionAxis::Y), "-0.5 * safezoneH + safezoneY");
    EXPECT_EQ(safeZoneText(1.0f, PositionAxis::Width), "1 * safezoneW");
    EXPECT_EQ(safeZoneText(0.000005f, PositionAxis::Height), "0.000005 * safezoneH");
}
