#include "props/style_text.h"

namespace kovrin {

StyleParts parseStyle(std::string_view style)
{
    StyleParts parts;
    parts.base = std::string(style.substr(0, style.find(' ')));
    parts.multiline = style.find("ST_MULTI") != std::string_view::npos;
    parts.shadow = style.find("ST_SHADOW") != std::string_view::npos;
    return parts;
}

std::string buildStyle(std::string_view base, bool multiline, bool shadow)
{
    std::string style(base);
    if (multiline)
        style += kMultiSuffix;
    if (shadow)
        style += kShadowSuffix;
    return style;
}

} // namespace kovrin
