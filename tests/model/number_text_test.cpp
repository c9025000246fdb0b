// Numbers as text: the significant-digit rounding under every number text, reading typed and
// stored numbers, the guard of the numeric fields, and colour components.
#include "model/colour_value.h"
#include "model/number_guard.h"
#include "model/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using namespace kovrin;

namespace {

// The plain way to the same text: the exact value rounded by to_chars in scientific form, then
// the digits put in place. Slow, and obviously right; the module's own path must agree with it.
template<typename T> std::string referenceText(T value, int digits)
{
    if (value == 0)
        return "0";
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, digits - 1)
                         .ptr;
    std::string sci(buffer, end);
    const bool negative = sci.front() == '-';
    if (negative)
        sci.erase(0, 1);
    const auto e = sci.find('e');
    const int exponent = std::stoi(sci.substr(e + 1));
    std::string mantissa;
    for (char c : sci.substr(0, e))
        if (c != '.')
            mantissa += c;
    std::string whole = "0";
    std::string fraction;
    if (exponent >= 0) {
        mantissa.resize(std::max<std::size_t>(mantissa.size(), std::size_t(exponent) + 1), '0');
        whole = mantissa.substr(0, std::size_t(exponent) + 1);
        fraction = mantissa.substr(std::size_t(exponent) + 1);
    } else {
        fraction = std::string(std::size_t(-exponent - 1), '0') + mantissa;
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return (negative ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

// Both widths of a value against the reference; the float is the double narrowed.
void expectLikeReference(double value)
{
    if (!std::isfinite(value))
        return;
    const auto single = static_cast<float>(value);
    if (std::isfinite(single)) {
        ASSERT_EQ(singleText(single, '.'), referenceText(single, 7))
            << "bits 0x" << std::hex << std::bit_cast<std::uint32_t>(single);
    }
    ASSERT_EQ(doubleText(value, '.'), referenceText(value, 15))
        << "bits 0x" << std::hex << std::bit_cast<std::uint64_t>(value);
}

} // namespace

// The reference below knows neither the separator nor negative zero.
TEST(NumberText, SeparatorAndSignOfKnownValues)
{
    EXPECT_EQ(singleText(1.0f / 3.0f, '.'), "0.3333333");
    EXPECT_EQ(singleText(-0.00012345678f, ','), "-0,0001234568");
    EXPECT_EQ(singleText(-0.0f, '.'), "0");
    EXPECT_EQ(doubleText(-0.0, '.'), "0");
    EXPECT_EQ(doubleText(1234.5, ','), "1234,5");
}

// Ties and carries sit where the value is an exact binary fraction, a whole number or next to a
// power of ten; the rest is covered by a stride over all exponents and random bits.
TEST(NumberText, AgreesWithThePlainRoundingOverManyValues)
{
    for (std::int64_t whole = 10000005; whole < 16777216; whole += 1010)
        expectLikeReference(static_cast<double>(whole));
    for (std::int64_t whole = 1000000000000005; whole < 9007199254740992; whole += 7777777777770)
        expectLikeReference(static_cast<double>(whole));
    for (int shift = -80; shift <= 80; ++shift)
        for (std::uint64_t odd = 1; odd < 1u << 20; odd += 2 * 977)
            expectLikeReference(std::ldexp(static_cast<double>(odd), shift));
    for (int decade = -320; decade <= 308; ++decade) {
        double near = std::pow(10.0, decade);
        auto nearSingle = static_cast<float>(near);
        for (int step = 0; step < 20; ++step, near = std::nextafter(near, 0.0)) {
            expectLikeReference(near);
            expectLikeReference(-nearSingle);
            nearSingle = std::nextafter(nearSingle, 0.0f);
        }
    }
    for (std::uint32_t bits = 1; bits < 0x7F800000u; bits += 2039)
        expectLikeReference(std::bit_cast<float>(bits));
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 100000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value))
            expectLikeReference(value);
    }
    // Values a design really holds: fractions of a surface, and colour bytes / 255.
    for (int part = 0; part <= 12030; ++part)
        expectLikeReference(part / 12030.0);
    for (int byte = 0; byte <= 255; ++byte)
        expectLikeReference(byte / 255.0);
    for (double extreme : {std::numeric_limits<double>::min(), std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min()})
        expectLikeReference(extreme);
}

TEST(NumberText, TypedNumbersTakeEitherSeparatorFileNumbersOnlyThePoint)
{
    constexpr double kMax = std::numeric_limits<double>::max();
    const std::pair<const char *, double> both[]
        = {{"0.5", 0.5},
           {"-.5", -0.5},
           {"5.", 5.0},
           {"1E-05", 1e-05},
           {"+2", 2.0},
           {"00012", 12.0},
           {"1e999", kMax},
           {"-1e999", -kMax},
           {"1e-999", 0.0},
           {"9007199254740993", 9007199254740992.0},
           {"0.00000000000000000000001", 1e-23},
           {"0.18446744073709551616", 0.18446744073709551616},
           {"12345678901234567890.5", 12345678901234567890.5}};
    for (const auto &[text, value] : both) {
        EXPECT_EQ(parseTypedNumber(text), value) << text;
        EXPECT_EQ(parseFileNumber(text), value) << text;
    }
    const std::pair<const char *, double> typedOnly[]
        = {{"0,5", 0.5}, {"-,5e3", -500.0}, {"1,5e-2", 0.015}};
    for (const auto &[text, value] : typedOnly) {
        EXPECT_EQ(parseTypedNumber(text), value) << text;
        EXPECT_TRUE(isTypedNumber(text)) << text;
        EXPECT_FALSE(parseFileNumber(text)) << text;
    }
    for (const char *text :
         {"1.2.3", "1,000.5", "-", ".", " 1", "1 ", "1e", "1e+", "abc", "", "+", "ST_LEFT"}) {
        EXPECT_FALSE(parseTypedNumber(text)) << text;
        EXPECT_FALSE(isTypedNumber(text)) << text;
        EXPECT_FALSE(parseFileNumber(text)) << text;
    }
    EXPECT_TRUE(std::signbit(*parseFileNumber("-0.0")));
    EXPECT_EQ(typedSingle("-"), 0.0f);
    EXPECT_EQ(typedSingle("0,25"), 0.25f);
    EXPECT_EQ(typedSingle("1e300"), std::numeric_limits<float>::max());
}

TEST(NumberText, RoundingAndHoldingGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_DOUBLE_EQ(roundDecimals(2375.0 / 12000.0, 5), 0.19792);
    bool clamped = false;
    EXPECT_EQ(toInt16Clamped(40000, &clamped), 32767);
    EXPECT_TRUE(clamped);
    EXPECT_EQ(toInt16Clamped(-40000, &clamped), -32768);
    EXPECT_EQ(toInt16Clamped(2.5, &clamped), 2);
    EXPECT_FALSE(clamped);
    EXPECT_EQ(toInt16Clamped(-1.5), -2);
    EXPECT_EQ(replaceDecimal("0.5,5", ','), "0,5,5");
}

TEST(NumberGuard, ClearsHoldsAndCutsEachFieldsText)
{
    // The settled text is one the guard leaves as it is.
    const auto guard = [](const char *text, NumberBounds bounds, char separator) {
        const GuardedText once = guardNumber(text, 0, bounds, separator);
        EXPECT_EQ(guardNumberOnce(once.text, once.caret, bounds, separator), once) << text;
        return once.text;
    };
    EXPECT_EQ(guard("0.12345", kFractionBounds, '.'), "0.123");
    EXPECT_EQ(guard("1.5", kFractionBounds, '.'), "1");
    EXPECT_EQ(guard("-0.5", kFractionBounds, '.'), "0");
    EXPECT_EQ(guard("0,5", kFractionBounds, '.'), "0.5");
    EXPECT_EQ(guard("0.5", kFractionBounds, ','), "0,5");
    EXPECT_EQ(guard("1.2.3", kFractionBounds, ','), "");
    EXPECT_EQ(guard("abc", kFractionBounds, '.'), "");
    EXPECT_EQ(guard("", kFractionBounds, '.'), "");
    EXPECT_EQ(guard("12.5", kIdcBounds, '.'), "125"); // the separator goes, not the digits
    EXPECT_EQ(guard("12,5", kIdcBounds, ','), "125");
    EXPECT_EQ(guard("-", kIdcBounds, '.'), "-");
    EXPECT_EQ(guard("-5", kIdcBounds, '.'), "-1");
    EXPECT_EQ(guard("1500", kIdcBounds, ','), "999");
    EXPECT_EQ(guard("1a", kIdcBounds, '.'), "");
    EXPECT_EQ(guard("12", kLineSpacingBounds, '.'), "10");
    EXPECT_EQ(guard("1.255", kLineSpacingBounds, '.'), "1.25");
    EXPECT_EQ(guard("0.00015", kGridStepBounds, ','), "0,0001");
    // The caret stays unless the text changes; then it goes to the end.
    EXPECT_EQ(guardNumber("0.5", 1, kFractionBounds, '.').caret, 1u);
    EXPECT_EQ(guardNumber("0.12345", 2, kFractionBounds, '.').caret, 5u);
    EXPECT_EQ(guardNumber("x", 1, kFractionBounds, '.').caret, 0u);
    EXPECT_EQ(guardNumber("0,5", 1, kFractionBounds, '.').caret, 3u);
}

TEST(ColourValue, DisplayBytesAndComponentTexts)
{
    EXPECT_EQ(displayColour(colourOf(0.2, 0.2, 0.2, 1)), (Rgb8 {51, 51, 51}));
    EXPECT_EQ(displayColour(colourOf(1, 0.5, 0, 0)), (Rgb8 {255, 128, 0})); // half to even
    EXPECT_EQ(displayColour(colourOf(2, -1, 0.3, 1)), (Rgb8 {255, 0, 76})); // held on screen
    const ColourValue typed
        = Rgba {std::string("0,2"), std::string("0.2"), std::string("-"), std::string("1")};
    EXPECT_EQ(displayColour(typed), (Rgb8 {51, 51, 0}));
    EXPECT_FALSE(displayColour(ColourValue {}));
    EXPECT_EQ(componentText(ColourComponent {0.25}, ','), "0,25");
    EXPECT_EQ(componentText(ColourComponent {std::string("0,25")}, '.'), "0.25");
    EXPECT_EQ(componentText(ColourComponent {1.0}, '.'), "1");
}
