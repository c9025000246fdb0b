#include "model/colour_value.h"

#include "model/number_text.h"

namespace kovrin {

ColourValue colourOf(double red, double green, double blue, double alpha)
{
    return Rgba {red, green, blue, alpha};
}

double componentValue(const ColourComponent &component)
{
    if (const double *number = std::get_if<double>(&component))
        return *number;
    return parseTypedNumber(std::get<std::string>(component)).value_or(0.0);
}

std::string componentText(const ColourComponent &component, char separator)
{
    std::string out;
    appendComponentText(out, component, separator);
    return out;
}

void appendComponentText(std::string &out, const ColourComponent &component, char separator)
{
    if (const double *number = std::get_if<double>(&component))
        appendDoubleText(out, *number, separator);
    else
        appendReplacedDecimal(out, std::get<std::string>(component), separator);
}

std::uint8_t displayByte(double component)
{
    const double scaled = roundHalfEven(component * 255.0);
    if (!(scaled > 0)) // also NaN
        return 0;
    if (scaled > 255)
        return 255;
    return static_cast<std::uint8_t>(scaled);
}

std::optional<Rgb8> displayColour(const ColourValue &colour)
{
    if (!colour)
        return std::nullopt;
    const Rgba &c = *colour;
    return Rgb8 {displayByte(componentValue(c[0])), displayByte(componentValue(c[1])),
                 displayByte(componentValue(c[2]))};
}

} // namespace kovrin
