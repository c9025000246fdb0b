#pragma once
// The stored text of the grid switch: "1" shown, "0" hidden. Only a text that reads as the whole
// number 1 turns the grid on; any other number, and any text that is no whole number, leaves it
// off.

#include <string_view>

namespace kovrin {

bool viewGridFromText(std::string_view stored);
std::string_view viewGridText(bool visible);

} // namespace kovrin
