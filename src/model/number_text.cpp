#include "model/number_text.h"

#include "model/significant_digits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace kovrin {
namespace {

// The plain positional form of the digits: no exponent, "0" before the separator below 1. Built
// in a buffer and appended at once.
void appendPositional(std::string &out, const SignificantDigits &number, char separator)
{
    const std::string_view digits = number.digits();
    if (digits.empty()) {
        out += '0';
        return;
    }
    // The longest text: a sign, "0.", the zeros of the smallest double, 17 digits.
    char text[400];
    char *end = text;
    const auto put = [&end](std::string_view part) {
        part.copy(end, part.size());
        end += part.size();
    };
    const auto zeros = [&end](int count) {
        for (; count > 0; --count)
            *end++ = '0';
    };
    if (number.negative)
        *end++ = '-';
    const int exponent = number.exponent;
    const auto count = static_cast<int>(digits.size());
    if (exponent < 0) {
        *end++ = '0';
        *end++ = separator;
        zeros(-exponent - 1);
        put(digits);
    } else if (exponent + 1 >= count) {
        put(digits);
        zeros(exponent + 1 - count);
    } else {
        const auto whole = static_cast<std::size_t>(exponent + 1);
        put(digits.substr(0, whole));
        *end++ = separator;
        put(digits.substr(whole));
    }
    out.append(text, end);
}

// False for the values that take a fixed text instead of digits.
template<typename T> bool appendSpecialValue(std::string &out, T value)
{
    if (std::isnan(value) || value == 0) {
        out += '0'; // "-0" too
        return true;
    }
    if (std::isinf(value)) {
        out += value > 0 ? "1" : "-1"; // unreachable from any field; keep the text a number
        return true;
    }
    return false;
}

// Shared grammar: sign? (digits (sep digits?)? | sep digits) (e sign? digits)?
std::optional<double> parseNumber(std::string_view text, bool commaToo)
{
    if (text.empty())
        return std::nullopt;
    std::string normal;
    normal.reserve(text.size());
    size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-')
            normal += '-';
        ++i;
    }
    size_t intDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        normal += text[i++];
        ++intDigits;
    }
    size_t fracDigits = 0;
    if (i < text.size() && (text[i] == '.' || (commaToo && text[i] == ','))) {
        normal += '.';
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            normal += text[i++];
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            normal += text[i++];
        size_t expDigits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            normal += text[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    // from_chars takes no leading '+' and wants a digit before or after the point; "5." is fine.
    double value = 0;
    const char *begin = normal.data();
    const char *end = normal.data() + normal.size();
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: hold at the nearest representable value.
        const bool negative = normal.front() == '-';
        const bool tiny = normal.find("e-") != std::string::npos;
        if (tiny)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

void appendSingleText(std::string &out, float value, char separator)
{
    if (!appendSpecialValue(out, value))
        appendPositional(out, roundedSingle(value), separator);
}

void appendDoubleText(std::string &out, double value, char separator)
{
    if (!appendSpecialValue(out, value))
        appendPositional(out, roundedDouble(value), separator);
}

std::string singleText(float value, char separator)
{
    std::string out;
    appendSingleText(out, value, separator);
    return out;
}

std::string doubleText(double value, char separator)
{
    std::string out;
    appendDoubleText(out, value, separator);
    return out;
}

std::optional<double> parseTypedNumber(std::string_view text)
{
    return parseNumber(text, true);
}

std::optional<double> parseFileNumber(std::string_view text)
{
    return parseNumber(text, false);
}

std::string replaceDecimal(std::string_view text, char separator)
{
    std::string out;
    appendReplacedDecimal(out, text, separator);
    return out;
}

void appendReplacedDecimal(std::string &out, std::string_view text, char separator)
{
    const std::size_t start = out.size();
    out += text;
    for (std::size_t i = start; i < out.size(); ++i) {
        if (out[i] == '.' || out[i] == ',')
            out[i] = separator;
    }
}

float typedSingle(std::string_view text)
{
    const auto value = parseTypedNumber(text);
    if (!value)
        return 0.0f;
    constexpr double maxFloat = std::numeric_limits<float>::max();
    if (*value > maxFloat)
        return std::numeric_limits<float>::max();
    if (*value < -maxFloat)
        return -std::numeric_limits<float>::max();
    return static_cast<float>(*value);
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

double roundDecimals(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return roundHalfEven(value * scale) / scale;
}

short toInt16Clamped(double value, bool *clamped)
{
    double rounded = std::isnan(value) ? 0.0 : roundHalfEven(value);
    bool held = false;
    if (rounded > std::numeric_limits<short>::max()) {
        rounded = std::numeric_limits<short>::max();
        held = true;
    } else if (rounded < std::numeric_limits<short>::min()) {
        rounded = std::numeric_limits<short>::min();
        held = true;
    }
    if (clamped)
        *clamped = held;
    return static_cast<short>(rounded);
}

} // namespace kovrin
