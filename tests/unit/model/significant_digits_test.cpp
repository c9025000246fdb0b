#include "model/significant_digits.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

using namespace kovrin;

namespace {

// The rounding as the standard library does it, digit for digit: the reference.
template<typename T> std::string libraryRounding(T value, int significant)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                   significant - 1);
    std::string scientific(text, end.ptr);
    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.')
            digits += c;
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return (negative ? "-" : "") + digits + "e"
        + std::to_string(std::stoi(scientific.substr(e + 1)));
}

std::string shown(const SignificantDigits &rounded)
{
    return (rounded.negative ? "-" : "") + std::string(rounded.digits()) + "e"
        + std::to_string(rounded.exponent);
}

::testing::AssertionResult singleMatches(float value)
{
    if (!std::isfinite(value) || value == 0)
        return ::testing::AssertionSuccess();
    const std::string expected = libraryRounding(value, 7);
    const std::string actual = shown(roundedSingle(value));
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << "bits 0x" << std::hex << std::bit_cast<std::uint32_t>(value) << ": " << actual
        << " instead of " << expected;
}

::testing::AssertionResult doubleMatches(double value)
{
    if (!std::isfinite(value) || value == 0)
        return ::testing::AssertionSuccess();
    const std::string expected = libraryRounding(value, 15);
    const std::string actual = shown(roundedDouble(value));
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << "bits 0x" << std::hex << std::bit_cast<std::uint64_t>(value) << ": " << actual
        << " instead of " << expected;
}

} // namespace

TEST(SignificantDigits, KnownValues)
{
    EXPECT_EQ(shown(roundedSingle(0.2f)), "2e-1");
    EXPECT_EQ(shown(roundedSingle(1.0f / 3.0f)), "3333333e-1");
    EXPECT_EQ(shown(roundedSingle(-1234.5f)), "-12345e3");
    EXPECT_EQ(shown(roundedSingle(9.9999999f)), "1e1");
    EXPECT_EQ(shown(roundedSingle(12345675.0f)), "1234568e7"); // a tie, to the even neighbour
    EXPECT_EQ(shown(roundedSingle(12345665.0f)), "1234566e7");
    EXPECT_EQ(shown(roundedDouble(0.1)), "1e-1");
    EXPECT_EQ(shown(roundedDouble(128.0 / 255.0)), "501960784313725e-1");
    // Subnormal: fewer bits than digits, so the exact value shows.
    EXPECT_EQ(shown(roundedDouble(1e-310)), "999999999999997e-311");
}

// Ties and carries sit where the value is an exact binary fraction or a whole number.
TEST(SignificantDigits, SingleTiesAndCarriesAsTheLibraryRoundsThem)
{
    for (std::int32_t whole = 10000005; whole < 16777216; whole += 1010)
        ASSERT_TRUE(singleMatches(static_cast<float>(whole)));
    for (int shift = -40; shift <= 40; ++shift) {
        for (std::uint32_t odd = 1; odd < 4096; odd += 2)
            ASSERT_TRUE(singleMatches(std::ldexp(static_cast<float>(odd), shift)));
    }
    for (int decade = -45; decade <= 38; ++decade) {
        float near = static_cast<float>(std::pow(10.0, decade));
        for (int step = 0; step < 40; ++step) {
            ASSERT_TRUE(singleMatches(near));
            ASSERT_TRUE(singleMatches(-near));
            near = std::nextafter(near, 0.0f);
        }
    }
}

TEST(SignificantDigits, SingleAcrossEveryBinaryExponent)
{
    std::uint32_t bits = 1;
    while (bits < 0x7F800000u) {
        ASSERT_TRUE(singleMatches(std::bit_cast<float>(bits)));
        bits += 2039; // a prime stride visits every exponent and many mantissas
    }
}

TEST(SignificantDigits, SingleFractionsOfASurface)
{
    for (int twips = 0; twips <= 12030; ++twips) {
        ASSERT_TRUE(singleMatches(static_cast<float>(twips / 12030.0)));
        ASSERT_TRUE(singleMatches(static_cast<float>(twips / 7635.0)));
    }
}

TEST(SignificantDigits, DoubleTiesAndCarriesAsTheLibraryRoundsThem)
{
    for (std::int64_t whole = 1000000000000005; whole < 9007199254740992; whole += 7777777777770)
        ASSERT_TRUE(doubleMatches(static_cast<double>(whole)));
    for (int shift = -80; shift <= 80; ++shift) {
        for (std::uint64_t odd = 1; odd < 1u << 20; odd += 2 * 977)
            ASSERT_TRUE(doubleMatches(std::ldexp(static_cast<double>(odd), shift)));
    }
    for (int decade = -320; decade <= 308; ++decade) {
        double near = std::pow(10.0, decade);
        for (int step = 0; step < 20; ++step) {
            ASSERT_TRUE(doubleMatches(near));
            near = std::nextafter(near, 0.0);
        }
    }
}

TEST(SignificantDigits, DoubleAcrossRandomValuesAndCommonFractions)
{
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 200000; ++i)
        ASSERT_TRUE(doubleMatches(std::bit_cast<double>(random())));
    for (int i = 0; i < 100000; ++i) {
        const double unit = static_cast<double>(random() >> 11) * 0x1p-53;
        ASSERT_TRUE(doubleMatches(unit));
        ASSERT_TRUE(doubleMatches(-unit * 1e6));
    }
    for (int part = 0; part <= 1000; ++part) {
        ASSERT_TRUE(doubleMatches(part / 255.0));
        ASSERT_TRUE(doubleMatches(part / 1000.0));
        ASSERT_TRUE(doubleMatches(static_cast<float>(part / 1000.0)));
    }
    ASSERT_TRUE(doubleMatches(std::numeric_limits<double>::min()));
    ASSERT_TRUE(doubleMatches(std::numeric_limits<double>::max()));
    ASSERT_TRUE(doubleMatches(std::numeric_limits<double>::denorm_min()));
}
