#include "surface/with_content.h"

#include "model/control_groups.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace kovrin {
namespace {

// Whether a group of one of the tags holds the record, at any depth.
bool insideAny(const std::vector<ControlRecord> &records, const ControlRecord &record,
               const std::unordered_set<std::string> &tags)
{
    const std::vector<std::size_t> chain = holderChain(records, record);
    return std::any_of(chain.begin(), chain.end(),
                       [&](std::size_t holder) { return tags.count(records[holder].Tag) > 0; });
}

const ControlRecord *recordOf(const std::vector<ControlRecord> &records, std::string_view tag)
{
    const auto found = std::find_if(records.begin(), records.end(),
                                    [&](const ControlRecord &r) { return r.Tag == tag; });
    return found == records.end() ? nullptr : &*found;
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

    std::vector<std::string> taken;
    std::unordered_set<std::string> seen;
    for (const std::string &tag : tags) {
        const auto place = placeInTree.find(tag);
        if (place == placeInTree.end()) {
            if (seen.insert(tag).second)
                taken.push_back(tag);
            continue;
        }
        if (insideAny(records, records[tree[place->second].index], picked))
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
    std::vector<std::size_t> depth(tags.size(), 0);
    for (std::size_t k = 0; k < tags.size(); ++k) {
        if (const ControlRecord *record = recordOf(records, tags[k]))
            depth[k] = holderChain(records, *record).size();
    }
    std::stable_sort(places.begin(), places.end(),
                     [&](std::size_t a, std::size_t b) { return depth[a] < depth[b]; });
    return places;
}

} // namespace kovrin
