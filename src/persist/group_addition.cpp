#include "persist/group_addition.h"

#include "model/control_groups.h"
#include "model/message_text.h"

namespace kovrin {

using namespace design;

std::unordered_map<std::string_view, std::string_view>
groupNamesByTag(const std::vector<ControlRecord> &records)
{
    std::unordered_map<std::string_view, std::string_view> names;
    if (!holdsGroups(records))
        return names;
    for (const ControlRecord &record : records) {
        if (isGroupRecord(record))
            names.emplace(record.Tag, record.Name);
    }
    return names;
}

void writeGroupAddition(ItemWriter &out, std::string_view groupName, const Place &where)
{
    out.mark(kGroupKey);
    out.number(std::int32_t {1});
    out.text(groupName, Place {where.dialog, where.control, where.controlName, "group"});
}

void readGroupAddition(std::span<const Item> items, const Place &where, ProblemList &problems,
                       ControlRecord &record)
{
    if (items.size() != 1 || items[0].text.empty()) {
        problems.add(placeText(where.dialog, where.control, where.controlName, "group")
                     + ": the group is not named; the control belongs to the dialog.");
        return;
    }
    record.Group = items[0].text;
}

std::vector<std::string> linkGroupNames(std::vector<ControlRecord> &records,
                                        std::string_view dialogName)
{
    std::vector<std::string> lines;
    if (!holdsGroups(records))
        return lines;
    std::unordered_map<std::string, std::string> tagOfName;
    for (const ControlRecord &record : records) {
        if (isGroupRecord(record))
            tagOfName.emplace(record.Name, record.Tag);
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        ControlRecord &record = records[i];
        if (record.Group.empty())
            continue;
        if (const auto found = tagOfName.find(record.Group); found != tagOfName.end()) {
            record.Group = found->second;
            continue;
        }
        lines.push_back(placeText(dialogName, i + 1, record.Name, "group") + ": no group is named "
                        + quotedText(record.Group) + "; the control belongs to the dialog.");
        record.Group.clear();
    }
    // A chain of groups that comes back on itself holds nothing: its members are the dialog's.
    for (std::size_t index : strayMembers(records)) {
        lines.push_back(placeText(dialogName, index + 1, records[index].Name, "group")
                        + ": its groups hold one another; the control belongs to the dialog.");
        records[index].Group.clear();
    }
    return lines;
}

} // namespace kovrin
