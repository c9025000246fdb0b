#include "model/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

using namespace kovrin;

TEST(NumberText, SingleUsesSevenSignificantDigits)
{
    EXPECT_EQ(singleText(1.0f / 3.0f, '.'), "0.3333333");
    EXPECT_EQ(singleText(0.2f, '.'), "0.2"); // held as 0.2000000030
    EXPECT_EQ(singleText(0.04f, '.'), "0.04");
    EXPECT_EQ(singleText(0.3f, ','), "0,3");
    EXPECT_EQ(singleText(2.0f / 3.0f, '.'), "0.6666667");
}

TEST(NumberText, DoubleUsesFifteenSignificantDigits)
{
    EXPECT_EQ(doubleText(1.0 / 3.0, '.'), "0.333333333333333");
    EXPECT_EQ(doubleText(0.2, '.'), "0.2");
    EXPECT_EQ(doubleText(0.75, ','), "0,75");
}

TEST(NumberText, WholeNumbersHaveNoSeparatorAndNegativeZeroIsZero)
{
    EXPECT_EQ(singleText(0.0f, '.'), "0");
    EXPECT_EQ(singleText(-0.0f, '.'), "0");
    EXPECT_EQ(singleText(1.0f, '.'), "1");
    EXPECT_EQ(singleText(-1.0f, '.'), "-1");
    EXPECT_EQ(doubleText(999.0, '.'), "999");
    EXPECT_EQ(doubleText(100.0, '.'), "100");
    EXPECT_EQ(singleText(123456789.0f, '.'), "123456800");
}

TEST(NumberText, SmallAndNegativeValuesNeverUseAnExponent)
{
    EXPECT_EQ(singleText(1e-05f, '.'), "0.00001");
    EXPECT_EQ(doubleText(1e-05, '.'), "0.00001");
    EXPECT_EQ(singleText(-0.5f, '.'), "-0.5");
    EXPECT_EQ(singleText(-0.00012345678f, ','), "-0,0001234568");
    EXPECT_EQ(doubleText(1e-20, '.'), "0.00000000000000000001");
}

TEST(NumberText, RoundsTheExactBinaryValueWithTiesToEven)
{
    // 2^-11 = 0.00048828125 and 2^-22 = 2.384185791015625e-7 are exact ties one digit past
    // the limit: both go to the even neighbour.
    EXPECT_EQ(singleText(0.00048828125f, '.'), "0.0004882812");
    EXPECT_EQ(doubleText(2.384185791015625e-7, '.'), "0.000000238418579101562");
    EXPECT_EQ(singleText(0.1234567891f, '.'), "0.1234568");
    EXPECT_EQ(singleText(9.9999999f, '.'), "10");
}

TEST(NumberText, TypedNumbersAcceptBothSeparatorsButNoGroups)
{
    EXPECT_EQ(parseTypedNumber("0.5"), 0.5);
    EXPECT_EQ(parseTypedNumber("0,5"), 0.5);
    EXPECT_EQ(parseTypedNumber("-.5"), -0.5);
    EXPECT_EQ(parseTypedNumber("5."), 5.0);
    EXPECT_EQ(parseTypedNumber("1E-05"), 1e-05);
    EXPECT_EQ(parseTypedNumber("+2"), 2.0);
    EXPECT_FALSE(parseTypedNumber("1.2.3"));
    EXPECT_FALSE(parseTypedNumber("1,000.5"));
    EXPECT_FALSE(parseTypedNumber("-"));
    EXPECT_FALSE(parseTypedNumber("."));
    EXPECT_FALSE(parseTypedNumber(" 1"));
    EXPECT_FALSE(parseTypedNumber("1e"));
    EXPECT_FALSE(parseTypedNumber("abc"));
    EXPECT_FALSE(parseTypedNumber(""));
}

TEST(NumberText, FileNumbersTakeOnlyThePoint)
{
    EXPECT_EQ(parseFileNumber(".05"), 0.05);
    EXPECT_EQ(parseFileNumber("1E-05"), 1e-05);
    EXPECT_EQ(parseFileNumber("-1"), -1.0);
    EXPECT_FALSE(parseFileNumber("0,5"));
    EXPECT_FALSE(parseFileNumber("ST_LEFT"));
    EXPECT_EQ(parseFileNumber("1e999"), std::numeric_limits<double>::max());
}

TEST(NumberText, ReplaceDecimalPutsTheSeparatorInEitherWay)
{
    EXPECT_EQ(replaceDecimal("0.5", ','), "0,5");
    EXPECT_EQ(replaceDecimal("0,5", ','), "0,5");
    EXPECT_EQ(replaceDecimal("0,25", '.'), "0.25");
    EXPECT_EQ(replaceDecimal("ST_LEFT", '.'), "ST_LEFT");
}

TEST(NumberText, RoundingHalvesGoToEven)
{
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_DOUBLE_EQ(roundDecimals(0.125, 5), 0.125);
    EXPECT_DOUBLE_EQ(roundDecimals(2375.0 / 12000.0, 5), 0.19792);
}

TEST(NumberText, Int16IsHeldAtTheNearestValue)
{
    bool clamped = false;
    EXPECT_EQ(toInt16Clamped(40000, &clamped), 32767);
    EXPECT_TRUE(clamped);
    EXPECT_EQ(toInt16Clamped(-40000, &clamped), -32768);
    EXPECT_EQ(toInt16Clamped(2.5, &clamped), 2);
    EXPECT_FALSE(clamped);
    EXPECT_EQ(toInt16Clamped(-1.5), -2);
}

TEST(NumberText, TypedSingleReadsANonNumberAsZero)
{
    EXPECT_EQ(typedSingle("-"), 0.0f);
    EXPECT_EQ(typedSingle("0,25"), 0.25f);
    EXPECT_EQ(typedSingle("1e300"), std::numeric_limits<float>::max());
}

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
    std::string whole;
    std::string fraction;
    if (exponent >= 0) {
        mantissa.resize(std::max<std::size_t>(mantissa.size(), std::size_t(exponent) + 1), '0');
        whole = mantissa.substr(0, std::size_t(exponent) + 1);
        fraction = mantissa.substr(std::size_t(exponent) + 1);
    } else {
        whole = "0";
        fraction = std::string(std::size_t(-exponent - 1), '0') + mantissa;
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return (negative ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

} // namespace

TEST(NumberText, AgreesWithThePlainRoundingOverManyValues)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::ldexp(mantissa(random), exponent(random) * 3);
        const auto single = static_cast<float>(value);
        ASSERT_EQ(singleText(single, '.'), referenceText(single, 7)) << single;
        ASSERT_EQ(doubleText(value, '.'), referenceText(value, 15)) << value;
    }
    // Values a design really holds: fractions with up to five decimals, and colour bytes / 255.
    for (int n = 0; n <= 100000; n += 7) {
        const float fraction = static_cast<float>(n / 100000.0);
        ASSERT_EQ(singleText(fraction, '.'), referenceText(fraction, 7)) << n;
    }
    for (int byte = 0; byte <= 255; ++byte)
        ASSERT_EQ(doubleText(byte / 255.0, '.'), referenceText(byte / 255.0, 15)) << byte;
}

TEST(NumberText, ShortDecimalsReadExactlyAsTheLibraryReadsThem)
{
    std::mt19937 random(42);
    const auto digits = [&random](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += static_cast<char>('0' + random() % 10);
        return text;
    };
    for (int i = 0; i < 200000; ++i) {
        const std::string text = digits(static_cast<int>(random() % 12)) + "."
            + digits(1 + static_cast<int>(random() % 24));
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(parseFileNumber(text), expected) << text;
        ASSERT_EQ(parseTypedNumber("-" + text), -expected) << text;
    }
    EXPECT_TRUE(std::signbit(*parseFileNumber("-0.0")));
    EXPECT_EQ(parseFileNumber("9007199254740993"), 9007199254740992.0); // past 2^53: rounded once
}

TEST(NumberText, IsTypedNumberAgreesWithParseTypedNumber)
{
    for (const char *text :
         {"0.5",   "0,5",     "-.5", "5.",    "1E-05", "+2",    "1e999", "1e-999",
          "1.2.3", "1,000.5", "-",   ".",     " 1",    "1 ",    "1e",    "1e+",
          "abc",   "",        "+",   "-,5e3", "00012", "1,5e-2"})
        EXPECT_EQ(isTypedNumber(text), parseTypedNumber(text).has_value()) << text;
}
