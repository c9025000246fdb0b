#include "model/significant_digits.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <utility>

namespace kovrin {
namespace {

#if defined(__SIZEOF_INT128__)
__extension__ typedef unsigned __int128 Unsigned128;
#endif

// What the rounding needs to know of a binary format, and the whole numbers wide enough for it.
template<typename Float> struct Format;

template<> struct Format<float>
{
    using Bits = std::uint32_t;
    using Wide = std::uint64_t;
    static constexpr int kMantissaBits = 23;
    static constexpr int kBias = 127;
    static constexpr int kDigits = 7;
    static constexpr bool kWholeNumbers = true;
};

template<> struct Format<double>
{
    using Bits = std::uint64_t;
#if defined(__SIZEOF_INT128__)
    using Wide = Unsigned128;
    static constexpr bool kWholeNumbers = true;
#else
    using Wide = std::uint64_t;
    static constexpr bool kWholeNumbers = false; // 64 bits do not hold 53 bits times 10^15
#endif
    static constexpr int kMantissaBits = 52;
    static constexpr int kBias = 1023;
    static constexpr int kDigits = 15;
};

template<typename Wide> constexpr int kWideBits = static_cast<int>(sizeof(Wide)) * 8;

// 10^0 up to the largest power the type holds.
template<typename Wide>
constexpr auto kPowersOfTen = [] {
    std::array<Wide, kWideBits<Wide> == 64 ? 20 : 39> powers {};
    Wide power = 1;
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

// The digits of a whole number of the given length, trailing zeros dropped first so that only the
// digits that stay are written (a plain 1 is one digit, not fifteen).
void writeDigits(std::uint64_t number, int length, SignificantDigits &out)
{
    for (const auto &[power, places] :
         {std::pair<std::uint64_t, int> {100000000, 8}, {10000, 4}, {100, 2}, {10, 1}}) {
        if (number % power == 0) {
            number /= power;
            length -= places;
        }
    }
    out.count = length;
    for (int i = length - 1; i >= 0; --i) {
        out.buffer[static_cast<std::size_t>(i)] = static_cast<char>('0' + number % 10);
        number /= 10;
    }
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

// The standard library's exact conversion, for every value.
template<typename Float> SignificantDigits roundedByLibrary(Float value)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                   Format<Float>::kDigits - 1);
    return fromScientific(std::string_view(text, static_cast<std::size_t>(end.ptr - text)));
}

// floor(mantissa * 2^binaryExponent * 10^shift), and where the rest stands against a half.
template<typename Wide> struct Scaled
{
    Wide whole = 0;
    int half = 0; // -1 below a half, 0 exactly a half, 1 above
};

// False when the numbers would not fit (two bits are kept free, so twice a rest still fits).
template<typename Wide>
bool scale(std::uint64_t mantissa, int mantissaBits, int binaryExponent, int shift,
           Scaled<Wide> &out)
{
    constexpr int room = kWideBits<Wide> - 2;
    // 10^shift needs at most 3.33 bits a digit.
    const auto fits = [](int bits) {
        return bits <= room;
    };
    Wide numerator = mantissa;
    int numeratorBits = mantissaBits + 1;
    Wide denominator = 1;
    int denominatorBits = 1;
    if (shift >= 0) {
        numeratorBits += (shift * 3402 >> 10) + 1;
        if (!fits(numeratorBits))
            return false;
        numerator *= kPowersOfTen<Wide>[static_cast<std::size_t>(shift)];
    } else {
        denominatorBits += (-shift * 3402 >> 10) + 1;
        if (!fits(denominatorBits))
            return false;
        denominator = kPowersOfTen<Wide>[static_cast<std::size_t>(-shift)];
    }
    if (binaryExponent >= 0) {
        if (!fits(numeratorBits + binaryExponent))
            return false;
        numerator <<= binaryExponent;
    } else if (denominator == 1) {
        // Dividing by a power of two: a shift, and the rest is the bits shifted out.
        const int bits = -binaryExponent;
        if (bits >= room)
            return false;
        out.whole = numerator >> bits;
        const Wide rest = numerator & ((Wide {1} << bits) - 1);
        const Wide half = Wide {1} << (bits - 1);
        out.half = rest < half ? -1 : rest == half ? 0 : 1;
        return true;
    } else {
        if (!fits(denominatorBits - binaryExponent))
            return false;
        denominator <<= -binaryExponent;
    }
    out.whole = numerator / denominator;
    const Wide twiceRest = (numerator % denominator) * 2;
    out.half = twiceRest < denominator ? -1 : twiceRest == denominator ? 0 : 1;
    return true;
}

// The rounding worked out in whole numbers: exact, and much quicker than the library's general
// conversion. False outside the range they cover (for a float about 1e-5 and up, for a double
// about 1e-7 and up), or for a subnormal, infinite or NaN value.
template<typename Float> bool roundInWholeNumbers(Float value, SignificantDigits &out)
{
    using F = Format<Float>;
    using Wide = typename F::Wide;
    if constexpr (!F::kWholeNumbers)
        return false;
    const auto bits = std::bit_cast<typename F::Bits>(value);
    constexpr typename F::Bits exponentMask
        = (typename F::Bits {1} << (kWideBits<typename F::Bits> - 1 - F::kMantissaBits)) - 1;
    const int biased = static_cast<int>((bits >> F::kMantissaBits) & exponentMask);
    if (biased == 0 || biased == static_cast<int>(exponentMask))
        return false;
    constexpr typename F::Bits implicitOne = typename F::Bits {1} << F::kMantissaBits;
    const std::uint64_t mantissa = (bits & (implicitOne - 1)) | implicitOne;
    const int binaryExponent = biased - F::kBias - F::kMantissaBits;
    // floor(log10(2^log2)); the value's own decade is this one or the next.
    int decade = ((biased - F::kBias) * 78913) >> 18;
    const Wide lowest = kPowersOfTen<Wide>[F::kDigits - 1];
    const Wide beyond = kPowersOfTen<Wide>[F::kDigits];
    Scaled<Wide> scaled;
    if (!scale(mantissa, F::kMantissaBits, binaryExponent, F::kDigits - 1 - decade, scaled))
        return false;
    if (scaled.whole >= beyond) {
        ++decade;
        if (!scale(mantissa, F::kMantissaBits, binaryExponent, F::kDigits - 1 - decade, scaled))
            return false;
    }
    if (scaled.whole < lowest || scaled.whole >= beyond)
        return false;
    auto rounded = static_cast<std::uint64_t>(scaled.whole);
    if (scaled.half > 0 || (scaled.half == 0 && (rounded & 1) != 0))
        ++rounded;
    if (rounded == static_cast<std::uint64_t>(beyond)) {
        rounded = static_cast<std::uint64_t>(lowest);
        ++decade;
    }
    out.negative = value < 0;
    out.exponent = decade;
    writeDigits(rounded, F::kDigits, out);
    return true;
}

template<typename Float> SignificantDigits rounded(Float value)
{
    SignificantDigits out;
    if (roundInWholeNumbers(value, out))
        return out;
    return roundedByLibrary(value);
}

} // namespace

SignificantDigits roundedSingle(float value)
{
    return rounded(value);
}

SignificantDigits roundedDouble(double value)
{
    return rounded(value);
}

} // namespace kovrin
