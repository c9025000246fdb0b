#include "model/group_scroll_bars.h"

#include "model/ignoring_case.h"

#include <vector>

namespace kovrin {
namespace {

const char *const kVertical = "VScrollbar";
const char *const kHorizontal = "HScrollbar";

bool takesAway(const OtherProperties &others, std::string_view key, std::string_view body)
{
    const OtherProperty *entry = others.find(key);
    return entry && isClassEntry(*entry) && entry->value == body;
}

} // namespace

bool groupScrollBars(const ControlRecord &group)
{
    return !(takesAway(group.Others, kVertical, kNoVerticalBar)
             && takesAway(group.Others, kHorizontal, kNoHorizontalBar));
}

void setGroupScrollBars(ControlRecord &group, bool shown)
{
    if (groupScrollBars(group) == shown)
        return;
    std::vector<OtherProperty> list;
    for (const OtherProperty &entry : group.Others.list()) {
        const std::string_view key = entryKey(entry);
        if (!(isClassEntry(entry)
              && (equalIgnoringCase(key, kVertical) || equalIgnoringCase(key, kHorizontal))))
            list.push_back(entry);
    }
    if (!shown) {
        list.push_back({std::string("class ") + kVertical, std::string(kNoVerticalBar)});
        list.push_back({std::string("class ") + kHorizontal, std::string(kNoHorizontalBar)});
    }
    group.Others = list.empty() ? OtherProperties() : OtherProperties(std::move(list));
}

} // namespace kovrin
