#include "model/drawn_detail.h"

#include "model/kind_properties.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kovrin {
namespace {

std::string itemLines(const OtherProperties &others, std::string_view entry)
{
    const OtherProperty *found = others.find(entry);
    if (!found || isClassEntry(*found))
        return {};
    std::vector<std::string> items = listItems(found->value);
    items.resize(std::min(items.size(), kDrawnDetailItems));
    std::string lines;
    for (const std::string &item : items) {
        if (!lines.empty())
            lines += '\n';
        // An item is one line, however it was written.
        for (const char c : item)
            lines += c == '\n' || c == '\r' ? ' ' : c;
    }
    return lines;
}

std::string valueOf(const OtherProperties &others, std::string_view entry)
{
    const OtherProperty *found = others.find(entry);
    return found && !isClassEntry(*found) ? unquotedText(found->value) : std::string();
}

// The members of a structured text's Attributes its drawing takes, in the detail's order.
constexpr std::array kDrawnAttributes {
    KindProperty {"", "align", ValueShape::Text, "Attributes"},
    KindProperty {"", "color", ValueShape::Text, "Attributes"},
    KindProperty {"", "size", ValueShape::Text, "Attributes"},
};

std::string attributeLines(const OtherProperties &others)
{
    std::string lines;
    bool any = false;
    for (const KindProperty &member : kDrawnAttributes) {
        if (&member != kDrawnAttributes.data())
            lines += '\n';
        std::string value = kindPropertyText(others, member);
        std::ranges::replace_if(
            value, [](char c) { return c == '\n' || c == '\r'; }, ' ');
        any = any || !value.empty();
        lines += value;
    }
    return any ? lines : std::string();
}

} // namespace

MarkupDefaults structuredTextDefaults(std::string_view detail)
{
    std::array<std::string_view, kDrawnAttributes.size()> values {};
    for (std::string_view &value : values) {
        const std::size_t end = std::min(detail.find('\n'), detail.size());
        value = detail.substr(0, end);
        detail.remove_prefix(std::min(end + 1, detail.size()));
    }
    return markupDefaults(values[0], values[1], values[2]);
}

SharedText drawnDetail(ControlKind kind, const ControlRecord &record)
{
    switch (kind) {
    case ControlKind::ColumnList:
        return SharedText(itemLines(record.Others, "columns"));
    case ControlKind::CheckBoxRow:
    case ControlKind::ToolboxRow:
        return SharedText(itemLines(record.Others, "strings"));
    case ControlKind::CheckBox:
        return SharedText(valueOf(record.Others, "checked"));
    case ControlKind::StructuredText:
        return SharedText(attributeLines(record.Others));
    case ControlKind::Generic: {
        // Without a type of its own it is the game class it derives from.
        const std::string type = valueOf(record.Others, "type");
        return SharedText(record.Name + '\n' + (type.empty() ? record.Base : type));
    }
    default:
        return {};
    }
}

} // namespace kovrin
