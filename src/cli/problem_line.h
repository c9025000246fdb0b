#pragma once
// One line of a check report: the dialog, the control if any, and what is wrong.

#include <string>
#include <string_view>

namespace kovrin {

// dialog "D", control "c": problem. Names are quoted, with line breaks and tabs spelled out, so
// that every problem stays on one line.
std::string problemLine(std::string_view dialog, const std::string *control,
                        std::string_view problem);

// A name or text quoted as a report shows it.
std::string shownText(std::string_view text);

inline constexpr const char *kQuoteEndsText
    = " holds a double quote, which ends the text on loading";

} // namespace kovrin
