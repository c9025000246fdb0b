#include "surface/with_content.h"

#include "model/control_groups.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace kovrin {
namespace {

using Holders = std::vector<std::optional<std::size_t>>;

// Whether a group of one of the tags holds the record, at any depth. A holder's own holder is the
// next one out, so the chain is walked in the table without looking anything up again.
bool insideAny(const std::vector<ControlRecord> &records, const Holders &holders,
               std::size_t record, const std::unordered_set<std::string> &tags)
{
    for (auto holder = holders[record]; holder; holder = holders[*holder]) {
        if (tags.count(records[*holder].Tag) > 0)
            return true;
    }
    return false;
}

std::size_t depthOf(const Holders &holders, std::size_t record)
{
    std::size_t depth = 0;
    for (auto holder = holders[record]; holder; holder = holders[*holder])
        ++depth;
    return depth;
}

} // namespace

std::vector<std::string> tagsWithContent(const std::vector<ControlRecord> &records,
                                         const std::vector<std::string> &tags)
{
    if (!holdsGroups(records))
        return tags;
    const std::vector<TreeEntry> tree = treeOrder(records);
    std::unordered_map<std::string, std::size_t> placeInTree;
    for (std::size_t k = 0; k < tree.size(); ++k)
        placeInTree.emplace(records[tree[k].index].Tag, k);
    const std::unordered_set<std::string> picked(tags.begin(), tags.end());
    const Holders holders = holderIndices(records);

    std::vector<std::string> taken;
    std::unordered_set<std::string> seen;
    for (const std::string &tag : tags) {
        const auto place = placeInTree.find(tag);
        if (place == placeInTree.end()) {
            if (seen.insert(tag).second)
                taken.push_back(tag);
            continue;
        }
        if (insideAny(records, holders, tree[place->second].index, picked))
            continue; // comes with its group
        if (!seen.insert(tag).second)
            continue;
        taken.push_back(tag);
        // The content follows the group in the tree, deeper than it.
        const std::size_t depth = tree[place->second].depth;
        for (std::size_t k = place->second + 1; k < tree.size() && tree[k].depth > depth; ++k) {
            const std::string &inner = records[tree[k].index].Tag;
            if (seen.insert(inner).second)
                taken.push_back(inner);
        }
    }
    return taken;
}

std::vector<std::size_t> holdersFirst(const std::vector<ControlRecord> &records,
                                      const std::vector<std::string> &tags)
{
    std::vector<std::size_t> places(tags.size());
    for (std::size_t k = 0; k < places.size(); ++k)
        places[k] = k;
    if (!holdsGroups(records))
        return places;
    const Holders holders = holderIndices(records);
    std::unordered_map<std::string_view, std::size_t> indexOfTag;
    for (std::size_t i = 0; i < records.size(); ++i)
        indexOfTag.emplace(records[i].Tag, i);
    std::vector<std::size_t> depth(tags.size(), 0);
    for (std::size_t k = 0; k < tags.size(); ++k) {
        if (const auto found = indexOfTag.find(tags[k]); found != indexOfTag.end())
            depth[k] = depthOf(holders, found->second);
    }
    std::stable_sort(places.begin(), places.end(),
                     [&](std::size_t a, std::size_t b) { return depth[a] < depth[b]; });
    return places;
}

} // namespace kovrin
