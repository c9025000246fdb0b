#include "model/number_text.h"

#include "model/significant_digits.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
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

// What the grammar found in a number text, for the conversion.
struct NumberScan
{
    bool negative = false;
    std::uint64_t digits = 0; // every digit as one whole number, while at most 19 of them
    int digitCount = 0;
    int fractionDigits = 0;
    bool exponentPart = false;
};

// Shared grammar: sign? (digits (sep digits?)? | sep digits) (e sign? digits)?
bool scanNumber(std::string_view text, bool commaToo, NumberScan &scan)
{
    std::size_t i = 0;
    const auto isDigit = [&text, &i] {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    const auto takeDigit = [&text, &i, &scan] {
        scan.digits = scan.digits * 10 + static_cast<std::uint64_t>(text[i++] - '0');
        ++scan.digitCount;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        scan.negative = text[i++] == '-';
    int intDigits = 0;
    for (; isDigit(); ++intDigits)
        takeDigit();
    if (i < text.size() && (text[i] == '.' || (commaToo && text[i] == ','))) {
        ++i;
        for (; isDigit(); ++scan.fractionDigits)
            takeDigit();
    }
    if (intDigits + scan.fractionDigits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        scan.exponentPart = true;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        int expDigits = 0;
        for (; isDigit(); ++i)
            ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return i == text.size();
}

// Short decimals without an exponent: the digits and the power of ten are both exact doubles,
// so one division rounds correctly, exactly as from_chars would (the classic fast path).
std::optional<double> exactShortDecimal(const NumberScan &scan)
{
#if FLT_EVAL_METHOD == 0
    constexpr std::uint64_t exactLimit = std::uint64_t {1} << 53;
    constexpr double powers[]
        = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
           1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (scan.exponentPart || scan.digitCount > 19 || scan.digits >= exactLimit
        || scan.fractionDigits >= static_cast<int>(std::size(powers)))
        return std::nullopt;
    const double value
        = static_cast<double>(scan.digits) / powers[static_cast<std::size_t>(scan.fractionDigits)];
    return scan.negative ? -value : value;
#else
    (void)scan;
    return std::nullopt; // wider intermediate results could round twice
#endif
}

std::optional<double> parseNumber(std::string_view text, bool commaToo)
{
    NumberScan scan;
    if (!scanNumber(text, commaToo, scan))
        return std::nullopt;
    if (const auto exact = exactShortDecimal(scan))
        return exact;
    // from_chars takes no leading '+' and only the point; "5." and ".5" are fine.
    std::string normal;
    normal.reserve(text.size());
    for (char c : text.substr(!text.empty() && text.front() == '+' ? 1 : 0))
        normal += c == ',' ? '.' : c == 'E' ? 'e' : c;
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

bool holdsNoDigit(std::string_view text)
{
    return std::ranges::none_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

bool isTypedNumber(std::string_view text)
{
    NumberScan scan;
    return scanNumber(text, true, scan);
}

std::optional<double> parseFileNumber(std::string_view text)
{
    return parseNumber(text, false);
}

std::optional<double> parseDefinitionNumber(std::string_view spelling)
{
    if (spelling.size() > 2 && spelling[0] == '0' && (spelling[1] == 'x' || spelling[1] == 'X')) {
        std::uint64_t value = 0;
        const char *first = spelling.data() + 2;
        const char *last = spelling.data() + spelling.size();
        const auto [end, error] = std::from_chars(first, last, value, 16);
        if (error != std::errc() || end != last)
            return std::nullopt;
        return static_cast<double>(value);
    }
    return parseFileNumber(spelling);
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

std::string fixedText(double value, int decimals, char separator)
{
    char text[400];
    const auto result
        = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    std::string out(text, result.ec == std::errc() ? result.ptr : text);
    if (out.find_first_not_of("-0.") == std::string::npos && !out.empty() && out[0] == '-')
        out.erase(0, 1);
    if (const auto point = out.find('.'); point != std::string::npos)
        out[point] = separator;
    return out;
}

} // namespace kovrin
