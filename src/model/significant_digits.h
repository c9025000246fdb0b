#pragma once
// A binary floating-point value rounded to a number of significant decimal digits, exactly: from
// the value its bits hold, an exact half going to the even neighbour. This is the rounding every
// number text of the design file and the generated code rests on, so it is worked out in whole
// numbers where they suffice and left to the standard library's exact conversion elsewhere.

#include <array>
#include <string_view>

namespace kovrin {

struct SignificantDigits
{
    bool negative = false;
    std::array<char, 24> buffer {}; // '0' to '9'; trailing zeros dropped
    int count = 0; // 0 for zero
    int exponent = 0; // the first digit stands at 10^exponent

    std::string_view digits() const { return {buffer.data(), static_cast<std::size_t>(count)}; }
};

// 7 significant digits of a finite 32-bit value.
SignificantDigits roundedSingle(float value);

// 15 significant digits of a finite 64-bit value.
SignificantDigits roundedDouble(double value);

} // namespace kovrin
