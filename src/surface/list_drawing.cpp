#include "surface/list_drawing.h"

#include "model/control_groups.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace kovrin {
namespace {

constexpr std::size_t kTopList = 0; // the dialog's own list; a group's is its stack index + 1

std::optional<TwipRect> intersect(const TwipRect &a, const TwipRect &b)
{
    const double left = std::max(a.left, b.left);
    const double top = std::max(a.top, b.top);
    const double right = std::min(a.right(), b.right());
    const double bottom = std::min(a.bottom(), b.bottom());
    if (right <= left || bottom <= top)
        return std::nullopt;
    return TwipRect {left, top, right - left, bottom - top};
}

// (list, stack index) of every shown drawn control, sorted: each list's controls back first;
// the record each shows goes into recordOf, by stack index.
std::vector<std::pair<std::size_t, std::size_t>>
listsOf(const Dialog &dialog, std::vector<const ControlRecord *> &recordOf)
{
    const std::vector<DrawnControl> &stack = dialog.drawn.stackingOrder();
    const std::vector<ControlRecord> &records = dialog.cControls;
    std::unordered_map<std::string_view, std::size_t> stackIndex;
    stackIndex.reserve(stack.size());
    for (std::size_t i = 0; i < stack.size(); ++i) {
        if (stack[i].visible)
            stackIndex.emplace(stack[i].tag, i);
    }
    // Drawn controls without a record stand in the dialog's list.
    std::vector<std::size_t> listOf(stack.size(), kTopList);
    std::vector<bool> hidden(stack.size(), false);
    const auto holders = holderIndices(records);
    recordOf.assign(stack.size(), nullptr);
    for (std::size_t r = 0; r < records.size(); ++r) {
        const auto drawn = stackIndex.find(records[r].Tag);
        if (drawn == stackIndex.end())
            continue;
        recordOf[drawn->second] = &records[r];
        if (!holders[r])
            continue;
        const auto holder = stackIndex.find(records[*holders[r]].Tag);
        if (holder == stackIndex.end())
            hidden[drawn->second] = true; // its group is not shown, so neither is it
        else
            listOf[drawn->second] = holder->second + 1;
    }
    std::vector<std::pair<std::size_t, std::size_t>> lists;
    lists.reserve(stackIndex.size());
    for (std::size_t i = 0; i < stack.size(); ++i) {
        if (stack[i].visible && !hidden[i])
            lists.emplace_back(listOf[i], i);
    }
    std::sort(lists.begin(), lists.end());
    return lists;
}

} // namespace

bool showsGroupBackground(const ControlRecord &group)
{
    return group.BackColor && componentValue((*group.BackColor)[3]) > 0;
}

std::vector<DrawingStep> drawingOrder(const Dialog &dialog)
{
    const std::vector<DrawnControl> &stack = dialog.drawn.stackingOrder();
    std::vector<DrawingStep> order;
    if (!holdsGroups(dialog.cControls)) {
        order.reserve(stack.size());
        for (const DrawnControl &control : stack) {
            if (control.visible)
                order.push_back({&control, std::nullopt});
        }
        return order;
    }
    std::vector<const ControlRecord *> recordOf;
    const auto lists = listsOf(dialog, recordOf);
    order.reserve(lists.size());
    // Where each list starts in the sorted pairs.
    const auto firstOf = [&lists](std::size_t list) {
        return static_cast<std::size_t>(
            std::lower_bound(lists.begin(), lists.end(), std::make_pair(list, std::size_t {0}))
            - lists.begin());
    };
    // Depth first without recursion, so that no nesting depth can exhaust the stack; a chain
    // of holders that loops was broken by the model already.
    struct Level
    {
        std::size_t list;
        std::size_t next;
        std::optional<TwipRect> clip;
    };
    std::vector<Level> levels {{kTopList, firstOf(kTopList), std::nullopt}};
    while (!levels.empty()) {
        Level &level = levels.back();
        if (level.next == lists.size() || lists[level.next].first != level.list) {
            levels.pop_back();
            continue;
        }
        const std::size_t index = lists[level.next++].second;
        const DrawnControl &control = stack[index];
        const std::optional<TwipRect> clip = level.clip;
        order.push_back({&control, clip, recordOf[index]});
        if (control.kind != ControlKind::Group)
            continue;
        const std::size_t inner = firstOf(index + 1);
        if (inner == lists.size() || lists[inner].first != index + 1)
            continue;
        const std::optional<TwipRect> innerClip
            = clip ? intersect(*clip, control.rect()) : std::optional(control.rect());
        // A group clipped away whole shows none of its controls.
        if (innerClip)
            levels.push_back({index + 1, inner, innerClip});
    }
    return order;
}

std::optional<TwipRect> visiblePart(const DrawingStep &step)
{
    const TwipRect rect = step.control->rect();
    if (!step.clip)
        return rect;
    return intersect(rect, *step.clip);
}

const DrawnControl *controlAtPoint(const Dialog &dialog, double x, double y)
{
    if (!holdsGroups(dialog.cControls))
        return dialog.drawn.hitTest(x, y);
    const std::vector<DrawingStep> order = drawingOrder(dialog);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const std::optional<TwipRect> part = visiblePart(*it);
        if (part && x >= part->left && y >= part->top && x < part->right() && y < part->bottom())
            return it->control;
    }
    return nullptr;
}

} // namespace kovrin
