#include "model/control_groups.h"

#include "model/control_kind.h"
#include "model/number_text.h"

#include <unordered_map>

namespace kovrin {
namespace {

std::optional<std::size_t> groupByTag(const std::vector<ControlRecord> &records,
                                      std::string_view tag)
{
    if (tag.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].Tag == tag && isGroupRecord(records[i]))
            return i;
    }
    return std::nullopt;
}

// The groups by Tag, the first of each tag, for the walks over a whole dialog.
using GroupIndex = std::unordered_map<std::string_view, std::size_t>;

GroupIndex indexGroups(const std::vector<ControlRecord> &records)
{
    GroupIndex groups;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (isGroupRecord(records[i]))
            groups.emplace(records[i].Tag, i);
    }
    return groups;
}

// The holders up to the dialog's list, innermost first; none when the chain breaks or loops, so
// that the record counts as the dialog's own.
std::vector<std::size_t> chainOf(const std::vector<ControlRecord> &records,
                                 const GroupIndex &groups, const ControlRecord &record)
{
    std::vector<std::size_t> chain;
    const ControlRecord *at = &record;
    while (!at->Group.empty()) {
        const auto found = groups.find(at->Group);
        if (found == groups.end() || chain.size() >= records.size()
            || &records[found->second] == &record)
            return {};
        for (std::size_t held : chain) {
            if (held == found->second)
                return {};
        }
        chain.push_back(found->second);
        at = &records[found->second];
    }
    return chain;
}

} // namespace

bool isGroupRecord(const ControlRecord &record)
{
    return record.CtrlType == kindWord(ControlKind::Group);
}

std::optional<std::size_t> holderOf(const std::vector<ControlRecord> &records,
                                    const ControlRecord &record)
{
    const auto chain = holderChain(records, record);
    if (chain.empty())
        return std::nullopt;
    return chain.front();
}

std::vector<std::optional<std::size_t>> holderIndices(const std::vector<ControlRecord> &records)
{
    std::vector<std::optional<std::size_t>> holders(records.size());
    if (!holdsGroups(records))
        return holders;
    const GroupIndex groups = indexGroups(records);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].Group.empty())
            continue;
        if (const auto chain = chainOf(records, groups, records[i]); !chain.empty())
            holders[i] = chain.front();
    }
    return holders;
}

std::vector<std::size_t> holderChain(const std::vector<ControlRecord> &records,
                                     const ControlRecord &record)
{
    if (record.Group.empty())
        return {};
    return chainOf(records, indexGroups(records), record);
}

bool isInsideGroup(const std::vector<ControlRecord> &records, std::string_view tag,
                   std::string_view groupTag)
{
    if (groupTag.empty())
        return false;
    for (const ControlRecord &record : records) {
        if (record.Tag != tag)
            continue;
        for (std::size_t holder : holderChain(records, record)) {
            if (records[holder].Tag == groupTag)
                return true;
        }
        return false;
    }
    return false;
}

std::vector<std::size_t> controlsOf(const std::vector<ControlRecord> &records,
                                    std::string_view groupTag)
{
    const GroupIndex groups = indexGroups(records);
    std::vector<std::size_t> list;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto chain = chainOf(records, groups, records[i]);
        const bool inList = groupTag.empty()
            ? chain.empty()
            : !chain.empty() && records[chain.front()].Tag == groupTag;
        if (inList)
            list.push_back(i);
    }
    return list;
}

std::vector<std::size_t> contentOf(const std::vector<ControlRecord> &records,
                                   std::string_view groupTag)
{
    const GroupIndex groups = indexGroups(records);
    std::vector<std::size_t> content;
    if (groupTag.empty())
        return content;
    for (std::size_t i = 0; i < records.size(); ++i) {
        for (std::size_t holder : chainOf(records, groups, records[i])) {
            if (records[holder].Tag == groupTag) {
                content.push_back(i);
                break;
            }
        }
    }
    return content;
}

ScreenPoint screenPlace(const std::vector<ControlRecord> &records, const ControlRecord &record)
{
    ScreenPoint point {record.X, record.Y};
    for (std::size_t holder : holderChain(records, record)) {
        point.x += records[holder].X;
        point.y += records[holder].Y;
    }
    return point;
}

std::vector<ScreenPoint> screenPlaces(const std::vector<ControlRecord> &records)
{
    const GroupIndex groups = indexGroups(records);
    std::vector<ScreenPoint> places;
    places.reserve(records.size());
    for (const ControlRecord &record : records) {
        ScreenPoint point {record.X, record.Y};
        if (!record.Group.empty()) {
            for (std::size_t holder : chainOf(records, groups, record)) {
                point.x += records[holder].X;
                point.y += records[holder].Y;
            }
        }
        places.push_back(point);
    }
    return places;
}

ScreenPoint listOrigin(const std::vector<ControlRecord> &records, std::string_view groupTag)
{
    if (const auto group = groupByTag(records, groupTag))
        return screenPlace(records, records[*group]);
    return {};
}

ScreenPoint placeInList(const std::vector<ControlRecord> &records, std::string_view groupTag,
                        ScreenPoint screen)
{
    const ScreenPoint origin = listOrigin(records, groupTag);
    return {roundDecimals(screen.x - origin.x, kFractionDecimals),
            roundDecimals(screen.y - origin.y, kFractionDecimals)};
}

bool canJoinList(const std::vector<ControlRecord> &records, std::string_view tag,
                 std::string_view groupTag)
{
    if (groupTag.empty())
        return true;
    const auto group = groupByTag(records, groupTag);
    return group && groupTag != tag && !isInsideGroup(records, groupTag, tag);
}

std::vector<TreeEntry> treeOrder(const std::vector<ControlRecord> &records)
{
    const GroupIndex groups = indexGroups(records);
    // The list each record is in: the index of its holder, or none for the dialog's.
    std::unordered_map<std::size_t, std::vector<std::size_t>> lists;
    std::vector<std::size_t> top;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto chain = chainOf(records, groups, records[i]);
        if (chain.empty())
            top.push_back(i);
        else
            lists[chain.front()].push_back(i);
    }
    std::vector<TreeEntry> order;
    order.reserve(records.size());
    // Depth first without recursion, so that no nesting depth in a file can exhaust the stack.
    struct Level
    {
        const std::vector<std::size_t> *list;
        std::size_t next;
    };
    std::vector<Level> levels {{&top, 0}};
    while (!levels.empty()) {
        Level &level = levels.back();
        if (level.next == level.list->size()) {
            levels.pop_back();
            continue;
        }
        const std::size_t index = (*level.list)[level.next++];
        order.push_back({index, levels.size() - 1});
        if (const auto inner = lists.find(index); inner != lists.end())
            levels.push_back({&inner->second, 0});
    }
    return order;
}

std::vector<std::size_t> strayMembers(const std::vector<ControlRecord> &records)
{
    const GroupIndex groups = indexGroups(records);
    std::vector<std::size_t> stray;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!records[i].Group.empty() && chainOf(records, groups, records[i]).empty())
            stray.push_back(i);
    }
    return stray;
}

bool holdsGroups(const std::vector<ControlRecord> &records)
{
    for (const ControlRecord &record : records) {
        if (isGroupRecord(record) || !record.Group.empty())
            return true;
    }
    return false;
}

} // namespace kovrin
