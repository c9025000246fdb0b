#pragma once
// A colour field: unset, or four components (red, green, blue, alpha), each a fraction held
// either as a number or as the text of a number, exactly as it came in.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace kovrin {

using ColourComponent = std::variant<double, std::string>;
using Rgba = std::array<ColourComponent, 4>;
using ColourValue = std::optional<Rgba>;

struct Rgb8
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb8 &) const = default;
};

// A colour of four numbers, as creation stores it.
ColourValue colourOf(double red, double green, double blue, double alpha);

// The component's value: a number as it is, a text read with either separator, a text that is
// no number (a lone "-") as 0.
double componentValue(const ColourComponent &component);

// The component as text with the given separator: a number in its 15-digit form, a text with
// every "." and "," replaced by the separator.
std::string componentText(const ColourComponent &component, char separator);
// The same, appended to out.
void appendComponentText(std::string &out, const ColourComponent &component, char separator);

// Red, green and blue times 255, halves to even, held between 0 and 255; none for an unset colour.
std::optional<Rgb8> displayColour(const ColourValue &colour);

// One component's display byte.
std::uint8_t displayByte(double component);

} // namespace kovrin
