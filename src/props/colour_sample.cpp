#include "props/colour_sample.h"

#include "model/number_text.h"

namespace kovrin {

float sampleComponent(std::string_view text)
{
    return typedSingle(text);
}

Rgb8 sampleColour(const ColourTexts &fields)
{
    auto byteOf = [](const std::string &text) {
        return displayByte(static_cast<double>(sampleComponent(text)));
    };
    return Rgb8 {byteOf(fields[0]), byteOf(fields[1]), byteOf(fields[2])};
}

std::array<std::string, 3> pickedComponentTexts(Rgb8 picked, char separator)
{
    auto textOf = [separator](std::uint8_t byte) {
        return doubleText(byte / 255.0, separator);
    };
    return {textOf(picked.red), textOf(picked.green), textOf(picked.blue)};
}

} // namespace kovrin
