#pragma once
// The colour a group's sample shows, read from its field texts, and the field texts a picked
// colour gives.

#include "model/colour_value.h"

#include <array>
#include <string>
#include <string_view>

namespace kovrin {

// Red, green, blue and alpha as their fields hold them.
using ColourTexts = std::array<std::string, 4>;

// A component field read for the sample: empty or no number (a lone "-") as 0, either separator,
// as a single-precision value.
float sampleComponent(std::string_view text);

// The sample's colour: 255 times each of red, green and blue, halves to even. Alpha never shows.
Rgb8 sampleColour(const ColourTexts &fields);

// The red, green and blue texts of a picked colour: each byte / 255 in the 15-digit form with the
// user's separator (the fields' guard then cuts them to three decimals).
std::array<std::string, 3> pickedComponentTexts(Rgb8 picked, char separator);

} // namespace kovrin
