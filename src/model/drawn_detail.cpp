#include "model/drawn_detail.h"

#include "model/kind_properties.h"

#include <algorithm>
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

} // namespace

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
    case ControlKind::Generic:
        return SharedText(record.Name + '\n' + valueOf(record.Others, "type"));
    default:
        return {};
    }
}

} // namespace kovrin
