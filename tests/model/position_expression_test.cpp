#include "model/position_expression.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace kovrin;

namespace {

constexpr ReferenceScreen kSquareNormal {ScreenAspect::Ratio4x3, InterfaceSize::Normal};
constexpr ReferenceScreen kWideVerySmall {ScreenAspect::Ratio16x9, InterfaceSize::VerySmall};

// The safe zone's height on each screen; its width is the same on 4:3 and 4/3 of it on 16:9.
const double kNormalH = 1 / 0.7;
const double kVerySmallH = 1 / 0.47;
const double kVerySmallW = kVerySmallH * 4 / 3;

std::string nested(int depth)
{
    return std::string(static_cast<std::size_t>(depth), '(') + "1"
        + std::string(static_cast<std::size_t>(depth), ')');
}

} // namespace

TEST(PositionExpression, SafeZoneFormIsRecognisedInEverySpellingAndNothingElse)
{
    struct Row
    {
        const char *text;
        PositionAxis axis;
        std::optional<float> fraction;
    };
    const Row rows[] = {
        {"0.25 * safezoneW + safezoneX", PositionAxis::X, 0.25f},
        {"safezoneX + 0.25 * safezoneW", PositionAxis::X, 0.25f},
        {"SafeZoneX + safeZoneW * 0.25", PositionAxis::X, 0.25f},
        {"\"safezoneX + 0.1 * safezoneW\"", PositionAxis::X, 0.1f},
        {"  safezoneX + (0.1) * safezoneW ", PositionAxis::X, 0.1f},
        {"((-1.5e-1 * safezoneH) + safezoneY)", PositionAxis::Y, -0.15f},
        {"0.5 * SAFEZONEH", PositionAxis::Height, 0.5f},
        {"safezoneW * 0.123456789", PositionAxis::Width, 0.123456789f},
        {"0.1 * safezoneW + safezoneX + 0.01", PositionAxis::X, std::nullopt},
        {"pixelW * 4", PositionAxis::Width, std::nullopt},
        {"0.1 * safezoneW", PositionAxis::X, std::nullopt},
        {"0.1 * safezoneH + safezoneX", PositionAxis::X, std::nullopt},
        {"0.1 * safezoneW + safezoneX", PositionAxis::Y, std::nullopt},
        {"0.1 * safezoneW + safezoneX", PositionAxis::Width, std::nullopt},
        {"safezoneW", PositionAxis::Width, std::nullopt},
        {"0.1 * safezoneW * 1", PositionAxis::Width, std::nullopt},
        {"safezoneW * safezoneW", PositionAxis::Width, std::nullopt},
        {"1e999 * safezoneW", PositionAxis::Width, std::nullopt}, // beyond a 32-bit value
        {"(0.1 * safezoneW", PositionAxis::Width, std::nullopt},
        {"\"0.1 * safezoneW", PositionAxis::Width, std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(recognizeSafeZone(row.text, row.axis), row.fraction);
    }
}

TEST(PositionExpression, ValueFollowsTheReferenceScreenAndTheGamesPrecedence)
{
    struct Row
    {
        std::string text;
        double onSquareNormal;
        double onWideVerySmall;
    };
    const Row rows[] = {
        {"0.25 * safezoneW + safezoneX", 0.25 * kNormalH + (1 - kNormalH) / 2,
         0.25 * kVerySmallW + (1 - kVerySmallW) / 2},
        {"\"safezoneY + 0.1 * safezoneH\"", (1 - kNormalH) / 2 + 0.1 * kNormalH,
         (1 - kVerySmallH) / 2 + 0.1 * kVerySmallH},
        {"safeZoneXAbs + safeZoneWAbs", (1 + kNormalH) / 2, (1 + kVerySmallW) / 2},
        {"-(0.5) * -2 + 1e-1", 1.1, 1.1},
        {"0x10 / 32", 0.5, 0.5},
        {"8 * pixelH", 8 * kNormalH / 768, 8 * kVerySmallH / 1080},
        {"pixelGrid * pixelW", 8 * kNormalH / 1024, 8 * kVerySmallW / 1920},
        {"getResolution select 2", 717, 677}, // the screen area's width in pixels
        {"(getResolution select 3) * pixelH", 538 * kNormalH / 768, 508 * kVerySmallH / 1080},
        {"0.5 max safezoneW min 2", kNormalH, 2},
        {"1 + 2 * 3 min 4", 4, 4}, // * binds tighter than min, min as tight as +
        {"[10, 20, 30] select 0 + 1", 20, 20}, // select binds looser than +
        {"[0.1, 0.2] select (safezoneW > 2)", 0.1, 0.2},
        {"(profileNamespace getVariable ['GUI_GRID_X', 0.5]) * 2", 1, 1},
        {"\"(uiNamespace getVariable [\"\"GRID\"\", 0.5]) * 2\"", 1, 1},
        {nested(64), 1, 1},
        {std::string(100000, '-') + "1", 1, 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text.substr(0, 60));
        const auto square = evaluatePosition(row.text, kSquareNormal);
        const auto wide = evaluatePosition(row.text, kWideVerySmall);
        ASSERT_TRUE(square) << square.message;
        ASSERT_TRUE(wide) << wide.message;
        EXPECT_NEAR(*square, row.onSquareNormal, 1e-12);
        EXPECT_NEAR(*wide, row.onWideVerySmall, 1e-12);
    }
    // Near interface sizes share a grid; it is 16 on 1080 pixels at the largest size.
    EXPECT_EQ((ReferenceScreen {ScreenAspect::Ratio16x9, InterfaceSize::Normal}.pixelGrid()), 12);
    EXPECT_EQ((ReferenceScreen {ScreenAspect::Ratio16x9, InterfaceSize::Large}.pixelGrid()), 12);
    EXPECT_EQ((ReferenceScreen {ScreenAspect::Ratio16x9, InterfaceSize::VeryLarge}.pixelGrid()),
              16);
}

TEST(PositionExpression, ErrorsNameLineAndColumnAndNeverCrash)
{
    std::string longSum = "1";
    for (int i = 0; i < 50000; ++i)
        longSum += "+1";
    const std::pair<std::string, std::string> rows[] = {
        {"safezoneX + 0.1 * safezoneQ", "1:19: unknown name \"safezoneQ\""},
        {"\"1 + bad\"", "1:6: unknown name \"bad\""},
        {"1 +\r\n  foo", "2:3: unknown name \"foo\""},
        {"", "1:1: there is no value"},
        {"  \"\" ", "1:4: there is no value"},
        {"1 / (safezoneW - safezoneH)", "1:3: division by zero"},
        {"1e308 * 10", "1:7: the result of \"*\" is too large"},
        {" 1e39", "1:2: the value is too large"},
        {"(1 + 2", "1:7: a closing parenthesis is missing"},
        {"[1, 2", "1:6: a closing bracket is missing"},
        {"[1, ]", "1:5: \"]\" was not expected here"},
        {"\"0.1 * safezoneW", "1:1: the string opened here is never closed"},
        {"1.2.3 * 2", "1:1: \"1.2.3\" is not a number"},
        {"0x", "1:1: \"0x\" is not a number"},
        {"0.5 foo", "1:5: \"foo\" was not expected here"},
        {"1 +", "1:4: a value is missing at the end"},
        {"getResolution select 9", "1:15: \"select\" takes item 9 of an array of 8"},
        {"getResolution", "1:1: the value is not a number"},
        {"[1] + 1", "1:5: \"+\" needs a number on each side"},
        {"-getResolution", "1:1: a sign needs a number after it"},
        {"profileNamespace getVariable 'X'",
         "1:18: \"getVariable\" needs a namespace and [name, default]"},
        {nested(65), "1:65: brackets nest more than 64 deep"},
        {std::string(100000, '['), "1:65: brackets nest more than 64 deep"},
        {longSum + "/0", "1:100002: division by zero"},
    };
    for (const auto &[text, message] : rows) {
        SCOPED_TRACE(text.substr(0, 60));
        const auto result = evaluatePosition(text, kSquareNormal);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.message, message);
    }
}

// __EVAL's values: numbers as positions have them, texts joined, variables a script stored.
TEST(PositionExpression, ScriptValuesAreNumbersOrTextsWithTheVariablesGiven)
{
    const ScriptVariables variables {{"_idc", {65400.0, {}}}, {"_name", {std::nullopt, "Main"}}};
    const std::string longText(kMaxScriptText / 2 + 1, 'x');
    struct Row
    {
        std::string text;
        std::optional<ScriptValue> value;
        std::string why; // when there is none
    };
    const Row rows[] = {
        {"_IDC + 40", ScriptValue {65440.0, {}}, ""},
        {"\"Dlg_\" + _name + 'Group'", ScriptValue {std::nullopt, "Dlg_MainGroup"}, ""},
        {"\"0.5\"", ScriptValue {std::nullopt, "0.5"}, ""}, // a text here, not its inside
        {"\"say \"\"hi\"\"\"", ScriptValue {std::nullopt, "say \"hi\""}, ""},
        {"'it''s'", ScriptValue {std::nullopt, "it's"}, ""},
        {"safezoneH max 1", ScriptValue {kNormalH, {}}, ""},
        {"_name + 1", std::nullopt, "\"+\" needs a number on each side"},
        {"_other", std::nullopt, "unknown name \"_other\""},
        {"1 > 0", std::nullopt, "the value is not a number or a text"},
        {"'" + longText + "' + '" + longText + "'", std::nullopt,
         "the text joined is longer than 100000 bytes"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text.substr(0, 60));
        const auto result = evaluateScript(row.text, kSquareNormal, variables);
        EXPECT_EQ(result.value, row.value);
        EXPECT_EQ(result.message, row.why);
    }
}
