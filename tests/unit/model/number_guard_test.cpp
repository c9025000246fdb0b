#include "model/number_guard.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {
std::string guard(const std::string &text, NumberBounds bounds, char sep)
{
    return limitaNumero(text, text.size(), bounds, sep).text;
}
} // namespace

TEST(NumberGuard, ColourFieldWithPoint)
{
    EXPECT_EQ(guard("0.12345", kFractionBounds, '.'), "0.123");
    EXPECT_EQ(guard("1.5", kFractionBounds, '.'), "1");
    EXPECT_EQ(guard("-0.5", kFractionBounds, '.'), "0");
    EXPECT_EQ(guard("0.5", kFractionBounds, '.'), "0.5");
    EXPECT_EQ(guard("0,5", kFractionBounds, '.'), "0.5");
}

TEST(NumberGuard, ColourFieldWithComma)
{
    EXPECT_EQ(guard("0.5", kFractionBounds, ','), "0,5");
    EXPECT_EQ(guard("0,12345", kFractionBounds, ','), "0,123");
    EXPECT_EQ(guard("1,5", kFractionBounds, ','), "1");
    EXPECT_EQ(guard("1.2.3", kFractionBounds, ','), "");
}

TEST(NumberGuard, IdcFieldDropsTheSeparatorNotTheDigits)
{
    for (char sep : {'.', ','}) {
        EXPECT_EQ(guard("12.5", kIdcBounds, sep), "125");
        EXPECT_EQ(guard("12,5", kIdcBounds, sep), "125");
        EXPECT_EQ(guard("-", kIdcBounds, sep), "-");
        EXPECT_EQ(guard("-5", kIdcBounds, sep), "-1");
        EXPECT_EQ(guard("1500", kIdcBounds, sep), "999");
    }
}

TEST(NumberGuard, NonNumbersAreCleared)
{
    EXPECT_EQ(guard("abc", kFractionBounds, '.'), "");
    EXPECT_EQ(guard("1a", kIdcBounds, '.'), "");
    EXPECT_EQ(guard("", kFractionBounds, '.'), "");
}

TEST(NumberGuard, BoundsAndDecimalsOfTheOtherFields)
{
    EXPECT_EQ(guard("12", kLineSpacingBounds, '.'), "10");
    EXPECT_EQ(guard("1.255", kLineSpacingBounds, '.'), "1.25");
    EXPECT_EQ(guard("0.00015", kGridStepBounds, ','), "0,0001");
}

TEST(NumberGuard, CaretStaysUnlessTheTextChanges)
{
    EXPECT_EQ(limitaNumero("0.5", 1, kFractionBounds, '.').caret, 1u);
    const auto cut = limitaNumero("0.12345", 2, kFractionBounds, '.');
    EXPECT_EQ(cut.text, "0.123");
    EXPECT_EQ(cut.caret, 5u);
    EXPECT_EQ(limitaNumero("x", 1, kFractionBounds, '.').caret, 0u);
}

TEST(NumberGuard, SettledTextIsAFixedPoint)
{
    for (const char *t : {"0.12345", "1500", "12.5", "-0.5", "0,5", "7e-1", "-"}) {
        for (char sep : {'.', ','}) {
            const auto once = limitaNumero(t, 0, kFractionBounds, sep);
            EXPECT_EQ(limitaNumeroOnce(once.text, once.caret, kFractionBounds, sep).text, once.text)
                << t;
        }
    }
}
