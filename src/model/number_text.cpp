#include "model/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace kovrin {
namespace {

// Turns the scientific form "d.dddde±x" that to_chars gives into plain positional text.
std::string positionalFromScientific(std::string_view sci, char separator)
{
    bool negative = false;
    if (!sci.empty() && sci.front() == '-') {
        negative = true;
        sci.remove_prefix(1);
    }
    const auto ePos = sci.find('e');
    const std::string_view mantissa = sci.substr(0, ePos);
    int exponent = 0;
    const char *expBegin = sci.data() + ePos + 1;
    if (*expBegin == '+') // from_chars takes no plus sign
        ++expBegin;
    std::from_chars(expBegin, sci.data() + sci.size(), exponent);

    std::string digits;
    for (char c : mantissa) {
        if (c != '.')
            digits += c;
    }
    if (digits.find_first_not_of('0') == std::string::npos)
        return "0";

    // The first digit stands at 10^exponent.
    std::string intPart;
    std::string fracPart;
    const int count = static_cast<int>(digits.size());
    if (exponent >= 0) {
        if (exponent + 1 >= count) {
            intPart = digits + std::string(static_cast<size_t>(exponent + 1 - count), '0');
        } else {
            intPart = digits.substr(0, static_cast<size_t>(exponent + 1));
            fracPart = digits.substr(static_cast<size_t>(exponent + 1));
        }
    } else {
        intPart = "0";
        fracPart = std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    while (!fracPart.empty() && fracPart.back() == '0')
        fracPart.pop_back();
    std::string out = negative ? "-" : "";
    out += intPart;
    if (!fracPart.empty()) {
        out += separator;
        out += fracPart;
    }
    return out;
}

template<typename T>
std::string significantText(T value, int significantDigits, char separator)
{
    if (std::isnan(value))
        return "0";
    if (std::isinf(value))
        return value > 0 ? "1" : "-1"; // unreachable from any field; keep the text a number
    if (value == 0)
        return "0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significantDigits - 1);
    return positionalFromScientific(std::string_view(buffer, result.ptr), separator);
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

std::string singleText(float value, char separator)
{
    return significantText(value, 7, separator);
}

std::string doubleText(double value, char separator)
{
    return significantText(value, 15, separator);
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
    std::string out(text);
    for (char &c : out) {
        if (c == '.' || c == ',')
            c = separator;
    }
    return out;
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
