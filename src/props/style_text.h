#pragma once
// A record's style text: one style choice, optionally followed by the multi-line suffix and then
// by the shadow suffix. The editor splits it into its parts and builds it again on writing.

#include <string>
#include <string_view>

namespace kovrin {

inline constexpr std::string_view kMultiSuffix = " + ST_MULTI + ST_NO_RECT";
inline constexpr std::string_view kShadowSuffix = " + ST_SHADOW";

struct StyleParts
{
    std::string base; // the text before the first blank, or all of it
    bool multiline = false;
    bool shadow = false;
    bool operator==(const StyleParts &) const = default;
};

// Multiline and shadow are found anywhere in the text, as the generated code does.
StyleParts parseStyle(std::string_view style);

// The base followed by the suffixes that apply, multi-line first.
std::string buildStyle(std::string_view base, bool multiline, bool shadow);

} // namespace kovrin
