#include "model/significant_digits.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kovrin {
namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers {};
    std::uint64_t power = 1;
    for (auto &p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

void dropTrailingZeros(SignificantDigits &out)
{
    while (out.count > 0 && out.buffer[static_cast<std::size_t>(out.count - 1)] == '0')
        --out.count;
}

// Reads to_chars' scientific form, "-d.ddde-xx".
SignificantDigits fromScientific(std::string_view text)
{
    SignificantDigits out;
    if (!text.empty() && text.front() == '-') {
        out.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.' && out.count < static_cast<int>(out.buffer.size()))
            out.buffer[static_cast<std::size_t>(out.count++)] = c;
    }
    const char *exponent = text.data() + e + 1;
    if (*exponent == '+') // from_chars takes no plus sign
        ++exponent;
    std::from_chars(exponent, text.data() + text.size(), out.exponent);
    dropTrailingZeros(out);
    return out;
}

template<typename T> SignificantDigits exactlyRounded(T value, int significant)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                   significant - 1);
    return fromScientific(std::string_view(text, static_cast<std::size_t>(end.ptr - text)));
}

// floor(|value| * 10^(digits - 1 - decimalExponent)) with the remainder's place against a half,
// in 64-bit whole numbers; false when they do not suffice.
struct Scaled
{
    std::uint64_t whole = 0;
    int half = 0; // -1 below a half, 0 exactly a half, 1 above
};

bool scaleSingle(std::uint64_t mantissa, int binaryExponent, int shift, Scaled &out)
{
    // value = mantissa * 2^binaryExponent; wanted: value * 10^shift.
    std::uint64_t numerator = mantissa;
    std::uint64_t denominator = 1;
    if (shift >= 0) {
        if (shift > 11) // mantissa < 2^24, 10^11 < 2^37: the product stays below 2^61
            return false;
        numerator *= kPowersOfTen[static_cast<std::size_t>(shift)];
    } else {
        if (-shift > 18)
            return false;
        denominator = kPowersOfTen[static_cast<std::size_t>(-shift)];
    }
    if (binaryExponent >= 0) {
        if (binaryExponent >= 62 || numerator > (std::uint64_t {1} << (62 - binaryExponent)))
            return false;
        numerator <<= binaryExponent;
    } else {
        if (-binaryExponent >= 62 || denominator > (std::uint64_t {1} << (62 + binaryExponent)))
            return false;
        denominator <<= -binaryExponent;
    }
    out.whole = numerator / denominator;
    const std::uint64_t twiceRest = (numerator % denominator) * 2;
    out.half = twiceRest < denominator ? -1 : twiceRest == denominator ? 0 : 1;
    return true;
}

// The common range of a float (about 1e-5 to 4e18), worked out without the library.
bool roundSingleInWholeNumbers(float value, SignificantDigits &out)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const int biased = static_cast<int>((bits >> 23) & 0xFF);
    if (biased == 0 || biased == 0xFF)
        return false; // subnormal, infinite or NaN
    const std::uint64_t mantissa = (bits & 0x7FFFFF) | 0x800000;
    const int binaryExponent = biased - 150;
    const int log2 = biased - 127;
    // floor(log10(2^log2)); the value's own decade is this or the next.
    int decade = (log2 * 78913) >> 18;
    constexpr std::uint64_t lowest = 1000000; // 10^(kSingleDigits - 1)
    constexpr std::uint64_t beyond = 10000000;
    Scaled scaled;
    if (!scaleSingle(mantissa, binaryExponent, kSingleDigits - 1 - decade, scaled))
        return false;
    if (scaled.whole >= beyond) {
        ++decade;
        if (!scaleSingle(mantissa, binaryExponent, kSingleDigits - 1 - decade, scaled))
            return false;
    }
    if (scaled.whole < lowest || scaled.whole >= beyond)
        return false;
    std::uint64_t rounded = scaled.whole;
    if (scaled.half > 0 || (scaled.half == 0 && (rounded & 1) != 0))
        ++rounded;
    if (rounded == beyond) {
        rounded = lowest;
        ++decade;
    }
    out.negative = (bits >> 31) != 0;
    out.exponent = decade;
    out.count = kSingleDigits;
    for (int i = kSingleDigits - 1; i >= 0; --i) {
        out.buffer[static_cast<std::size_t>(i)] = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
    }
    dropTrailingZeros(out);
    return true;
}

} // namespace

SignificantDigits roundedSingle(float value)
{
    SignificantDigits out;
    if (roundSingleInWholeNumbers(value, out))
        return out;
    return exactlyRounded(value, kSingleDigits);
}

SignificantDigits roundedDouble(double value)
{
    // The shortest text that reads back as the value is quick to find. When it has no more
    // digits than wanted and the value is normal, it is the rounding too: it lies within half a
    // binary step of the value, and that step is finer than a unit of the 15th digit.
    if (std::fabs(value) >= std::numeric_limits<double>::min()) {
        char text[64];
        const auto end
            = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
        SignificantDigits shortest
            = fromScientific(std::string_view(text, static_cast<std::size_t>(end.ptr - text)));
        if (shortest.count <= kDoubleDigits)
            return shortest;
    }
    return exactlyRounded(value, kDoubleDigits);
}

} // namespace kovrin
