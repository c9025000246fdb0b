#pragma once
// One line of a check report: the dialog, the control if any, and what is wrong.

#include <string>
#include <string_view>

namespace kovrin {

// dialog "D", control "c": problem. Names are quoted as messages quote them, so that every
// problem stays on one line.
std::string problemLine(std::string_view dialog, const std::string *control,
                        std::string_view problem);

inline constexpr const char *kQuoteEndsText
    = " holds a double quote, which ends the text on loading";

} // namespace kovrin
