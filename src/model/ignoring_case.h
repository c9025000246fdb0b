#pragma once
// Names the game does not tell apart: it compares class names and font names without regard to
// the case of the letters A to Z.

#include <string>
#include <string_view>

namespace kovrin {

bool equalIgnoringCase(std::string_view a, std::string_view b);

// The name with A to Z made lower case: equal keys for names equal ignoring case.
std::string caseKey(std::string_view name);

} // namespace kovrin
