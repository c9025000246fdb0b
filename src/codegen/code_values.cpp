#include "codegen/code_values.h"

#include "model/line_breaks.h"
#include "model/number_text.h"

namespace kovrin {

std::string numberText(float value)
{
    return singleText(value, '.');
}

std::string numberText(std::int16_t value)
{
    return std::to_string(value);
}

std::string styleText(std::string_view style)
{
    return rawText(replaceDecimal(style, '.'));
}

std::string colourList(const ColourValue &colour)
{
    if (!colour)
        return "0, 0, 0, 0";
    std::string out;
    for (const ColourComponent &component : *colour) {
        if (!out.empty())
            out += ", ";
        out += rawText(componentText(component, '.'));
    }
    return out;
}

std::string rawText(std::string_view text)
{
    return withCrlfLineBreaks(text);
}

std::string actionText(std::string_view action)
{
    std::string out;
    for (char c : rawText(action)) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out;
}

void appendLine(std::string &out, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        out += piece;
    out += "\r\n";
}

} // namespace kovrin
