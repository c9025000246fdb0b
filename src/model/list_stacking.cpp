#include "model/list_stacking.h"

#include "model/control_groups.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace kovrin {
namespace {

// The tags that move with a control: its own and its content's.
std::unordered_set<std::string> tagsMovingWith(const std::vector<ControlRecord> &records,
                                               std::string_view tag)
{
    std::unordered_set<std::string> tags {std::string(tag)};
    for (std::size_t index : contentOf(records, tag))
        tags.insert(records[index].Tag);
    return tags;
}

// The Tag of the group holding the record of tag; "" for the dialog's own list or no record.
std::string holderTagOf(const std::vector<ControlRecord> &records, std::string_view tag)
{
    for (const ControlRecord &record : records) {
        if (record.Tag != tag)
            continue;
        const auto holder = holderOf(records, record);
        return holder ? records[*holder].Tag : std::string();
    }
    return {};
}

} // namespace

void restackInList(DrawnControls &drawn, const std::vector<ControlRecord> &records,
                   std::string_view tag, ListEnd end)
{
    const std::string holder = holderTagOf(records, tag);
    const std::unordered_set<std::string> moving = tagsMovingWith(records, tag);
    std::vector<DrawnControl> block;
    std::vector<DrawnControl> rest;
    for (DrawnControl &control : drawn.stack)
        (moving.count(control.tag) ? block : rest).push_back(std::move(control));

    // Where the block goes in the stack without it.
    std::size_t at = end == ListEnd::Front ? rest.size() : 0;
    if (!holder.empty()) {
        const std::unordered_set<std::string> list = tagsMovingWith(records, holder);
        std::optional<std::size_t> first;
        std::optional<std::size_t> last;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            if (rest[i].tag == holder) {
                first = i + 1; // in front of the group itself
                last = std::max(last.value_or(0), i + 1);
            } else if (list.count(rest[i].tag)) {
                first = first ? first : std::optional<std::size_t>(i);
                last = i + 1;
            }
        }
        if (first && last)
            at = end == ListEnd::Front ? *last : *first;
    }
    rest.insert(rest.begin() + static_cast<std::ptrdiff_t>(at),
                std::make_move_iterator(block.begin()), std::make_move_iterator(block.end()));
    drawn.stack = std::move(rest);
}

std::size_t listEndIndex(const std::vector<ControlRecord> &records, std::size_t recordIndex,
                         ListEnd end)
{
    const auto holder = holderOf(records, records.at(recordIndex));
    const std::vector<std::size_t> list
        = controlsOf(records, holder ? std::string_view(records[*holder].Tag) : std::string_view());
    if (list.empty())
        return recordIndex;
    if (end == ListEnd::Front)
        return std::max(list.back(), recordIndex);
    return std::min(list.front(), recordIndex);
}

} // namespace kovrin
