#include "surface/list_drop.h"

#include "model/control_groups.h"

namespace kovrin {
namespace {

bool showsPoint(const DrawnControls &drawn, std::string_view tag, double x, double y)
{
    const DrawnControl *control = drawn.findByTag(tag);
    return control && control->visible && control->contains(x, y);
}

} // namespace

std::string listAtPoint(const Dialog &dialog, double x, double y, std::string_view movingTag)
{
    const std::vector<ControlRecord> &records = dialog.cControls;
    std::string found;
    std::size_t foundDepth = 0;
    std::size_t foundStack = 0;
    for (const ControlRecord &group : records) {
        if (!isGroupRecord(group) || !showsPoint(dialog.drawn, group.Tag, x, y))
            continue;
        if (!movingTag.empty() && !canJoinList(records, movingTag, group.Tag))
            continue;
        // A group clipped away by a group around it shows nothing at the point.
        const std::vector<std::size_t> chain = holderChain(records, group);
        bool clipped = false;
        for (std::size_t holder : chain)
            clipped = clipped || !showsPoint(dialog.drawn, records[holder].Tag, x, y);
        if (clipped)
            continue;
        const std::size_t depth = chain.size() + 1;
        const std::size_t stack = dialog.drawn.stackIndexOfTag(group.Tag).value_or(0);
        if (depth > foundDepth || (depth == foundDepth && stack > foundStack)) {
            found = group.Tag;
            foundDepth = depth;
            foundStack = stack;
        }
    }
    return found;
}

} // namespace kovrin
