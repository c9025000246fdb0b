#pragma once
// The guard every numeric field runs after each change of its text: it clears what is no
// number, holds the value between its bounds, puts the user's decimal separator in and cuts the
// decimals, moving the caret to the end whenever it changes something.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kovrin {

struct GuardedText
{
    std::string text;
    std::size_t caret = 0; // position in characters; the guard only ever moves it to the end
    bool operator==(const GuardedText &) const = default;
};

struct NumberBounds
{
    double min = 0;
    double max = 1;
    std::uint8_t decimals = 3;
};

// The bounds of the fields that use the guard.
inline constexpr NumberBounds kFractionBounds {0, 1, 3}; // sizes, font size, colour components
inline constexpr NumberBounds kIdcBounds {-1, 999, 0};
inline constexpr NumberBounds kLineSpacingBounds {0, 10, 2};
inline constexpr NumberBounds kGridStepBounds {0, 1, 4};

// One pass of the guard (LimitaNumero) over the text.
GuardedText guardNumberOnce(const std::string &text, std::size_t caret, NumberBounds bounds,
                            char separator);

// The guard run until the text settles, as the field's own change event would run it again.
GuardedText guardNumber(const std::string &text, std::size_t caret, NumberBounds bounds,
                        char separator);

} // namespace kovrin
