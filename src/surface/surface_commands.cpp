#include "surface/surface_commands.h"

#include "model/control_groups.h"

#include "surface/clipboard.h"
#include "surface/grid_step.h"
#include "surface/group_clipboard.h"
#include "surface/snap.h"

#include <optional>
#include <utility>

namespace kovrin {
namespace {

// CtrlIndexToPos as a 0-based index, when it names a record of the dialog.
std::optional<std::size_t> recordAtCtrlIndex(const SurfaceRef &s)
{
    const int position = s.interaction.menu.CtrlIndexToPos;
    if (position < 1 || static_cast<std::size_t>(position) > s.dialog().cControls.size())
        return std::nullopt;
    return static_cast<std::size_t>(position - 1);
}

bool restack(SurfaceRef s, DialogSet::StackEnd end)
{
    const std::string drawnTag = s.interaction.menu.CtrlToPos;
    const auto record = recordAtCtrlIndex(s);
    if (drawnTag.empty() && !record)
        return false;
    s.set.restackControl(s.dialogIndex, drawnTag, record.value_or(s.dialog().cControls.size()),
                         end);
    return true;
}

// The order of the records and of the drawn controls, by tag, to tell whether a restack moved
// anything.
std::pair<std::vector<std::string>, std::vector<std::string>> stackingOf(const Dialog &dialog)
{
    std::pair<std::vector<std::string>, std::vector<std::string>> order;
    for (const ControlRecord &record : dialog.cControls)
        order.first.push_back(record.Tag);
    for (const DrawnControl &drawn : dialog.drawn.stackingOrder())
        order.second.push_back(drawn.tag);
    return order;
}

} // namespace

TwipPoint rightClickedPoint(SurfaceRef s)
{
    const ControlMenuState &menu = s.interaction.menu;
    TwipPoint at {menu.CtrlToPosMouseX, menu.CtrlToPosMouseY};
    if (const DrawnControl *on
        = menu.CtrlToPos.empty() ? nullptr : s.drawn().findByTag(menu.CtrlToPos)) {
        at.x += on->left;
        at.y += on->top;
    }
    return at;
}

bool bringMenuControlToFront(SurfaceRef s)
{
    const auto before = stackingOf(s.dialog());
    return restack(s, DialogSet::StackEnd::Front) && stackingOf(s.dialog()) != before;
}

bool sendMenuControlToBack(SurfaceRef s)
{
    const auto before = stackingOf(s.dialog());
    return restack(s, DialogSet::StackEnd::Back) && stackingOf(s.dialog()) != before;
}

bool copyMenuControl(SurfaceRef s, ControlClipboard &clipboard)
{
    const std::string &tag = s.interaction.menu.CtrlToPos;
    const auto index = tag.empty() ? std::nullopt : s.dialog().recordIndexByTag(tag);
    if (!index)
        return false;
    if (isGroupRecord(s.dialog().cControls[*index]))
        clipboard.copyGroup(copyControls(s, {tag})); // the group with its content
    else
        clipboard.copyOne(s.dialog().cControls[*index]);
    return true;
}

Result<std::size_t> pasteAtMenuPoint(SurfaceRef s, const ControlClipboard &clipboard)
{
    if (clipboard.empty())
        return Result<std::size_t>::failure(kNoControlInClipboard);

    const TwipPoint at = rightClickedPoint(s);
    return pasteRecordAt(s, clipboard.copyCtrl(), at.x, at.y);
}

bool snapMenuControlToGrid(SurfaceRef s)
{
    const float gridSize = s.dialog().GridSize;
    const std::string tag = s.interaction.menu.CtrlToPos;
    const DrawnControl *drawn = tag.empty() ? nullptr : s.drawn().findByTag(tag);
    if (!drawn || !isGridStep(gridSize))
        return false;
    return applyGeometry(s, tag, snapRect(drawn->rect(), s.size, gridSize), false);
}

bool applyControlOrder(SurfaceRef s, const std::vector<std::string> &tags)
{
    const auto before = stackingOf(s.dialog());
    for (const std::string &tag : tags) {
        ControlMenuState &menu = s.interaction.menu;
        // A record of a kind that has no drawn control is reordered by its own tag too.
        menu.CtrlToPos = s.drawn().findByTag(tag) ? tag : std::string();
        const auto index = s.dialog().recordIndexByTag(tag);
        menu.CtrlIndexToPos = index ? static_cast<std::int16_t>(*index + 1) : std::int16_t {-1};
        restack(s, DialogSet::StackEnd::Front);
    }
    return stackingOf(s.dialog()) != before;
}

} // namespace kovrin
