#include "model/list_holders.h"

#include "model/control_groups.h"

namespace kovrin {

std::vector<std::optional<std::size_t>> holderIndices(const std::vector<ControlRecord> &records)
{
    std::vector<std::optional<std::size_t>> holders(records.size());
    // The tree order lists each group's controls right after it, one level deeper: the group
    // last seen one level up holds the record.
    std::vector<std::size_t> open;
    for (const TreeEntry &entry : treeOrder(records)) {
        open.resize(entry.depth);
        if (entry.depth > 0)
            holders[entry.index] = open.back();
        if (isGroupRecord(records[entry.index]))
            open.push_back(entry.index);
    }
    return holders;
}

} // namespace kovrin
