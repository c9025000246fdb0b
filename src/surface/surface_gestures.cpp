#include "surface/surface_gestures.h"

#include "model/control_kind.h"
#include "surface/drag_preview.h"
#include "surface/grid_step.h"
#include "surface/kind_gestures.h"
#include "surface/list_drop.h"
#include "surface/snap.h"
#include "surface/surface_commands.h"

#include <string>

namespace kovrin {
namespace {

std::int16_t recordPosition(const SurfaceRef &s, std::string_view tag)
{
    const auto index = s.dialog().recordIndexByTag(tag);
    return index ? static_cast<std::int16_t>(*index + 1) : std::int16_t {-1};
}

} // namespace

Status placeArmedControl(SurfaceRef s, ControlKind armed, double x, double y)
{
    const auto made = s.set.createControl(s.dialogIndex, armed, x, y, s.size);
    if (!made)
        return Status::failure(made.message);
    dropIntoLists(s, {s.dialog().cControls.at(*made).Tag});
    return Status::success();
}

void pressControl(SurfaceRef s, std::string_view tag, double x, double y)
{
    SurfaceInteraction &surface = s.interaction;
    const DrawnControl *drawn = s.drawn().findByTag(tag);
    if (!drawn)
        return;
    beginDrag(surface.drag, drawn->rect(), x, y);
    if (takesKeyboardFocus(drawn->kind))
        surface.focusTag = std::string(tag);
}

TrackOutcome trackControl(SurfaceRef s, std::string_view tag, double x, double y, int buttons,
                          int keys)
{
    SurfaceInteraction &surface = s.interaction;
    const DrawnControl *drawn = s.drawn().findByTag(tag);
    if (!drawn)
        return {};
    return trackDrag(surface.drag, surface.lnMoving, drawn->rect(), x, y, buttons, keys);
}

ReleaseOutcome releaseControl(SurfaceRef s, std::string_view tag, double x, double y,
                              std::optional<float> snapGrid)
{
    SurfaceInteraction &surface = s.interaction;
    const DrawnControl *drawn = s.drawn().findByTag(tag);
    if (!drawn) {
        showMovingFrame(surface.lnMoving, false);
        return {};
    }
    const DragHandle handle = surface.drag.handle;
    DragEnd end = endDrag(surface.drag, surface.lnMoving, drawn->rect(), x, y, s.size);
    if (end.rect && snapGrid)
        end.rect = snapDraggedRect(*end.rect, handle, s.size, *snapGrid);
    ReleaseOutcome outcome;
    outcome.pointerToArrow = end.pointerToArrow;
    if (end.rect)
        outcome.changed = applyGeometry(s, tag, *end.rect, end.sizeChanged);
    // A move drops the control into the list under its new corner; a resize keeps its list.
    if (outcome.changed && !end.sizeChanged)
        dropIntoLists(s, {std::string(tag)});
    return outcome;
}

bool registerClick(DragState &drag, std::string_view tag, int keys)
{
    if (keys & (KeyState::Shift | KeyState::Ctrl)) {
        expireClick(drag);
        return false;
    }
    if (drag.ClickPending && drag.clickTag == tag)
        return true;
    drag.ClickPending = true;
    drag.clickTag = std::string(tag);
    return false;
}

void expireClick(DragState &drag)
{
    drag.ClickPending = false;
    drag.clickTag.clear();
}

void openMenuOnControl(SurfaceRef s, std::string_view tag, double x, double y)
{
    SurfaceInteraction &surface = s.interaction;
    showMovingFrame(surface.lnMoving, false);
    surface.menu.CtrlToPos = std::string(tag);
    surface.menu.CtrlIndexToPos = recordPosition(s, tag);
    surface.menu.CtrlToPosMouseX = static_cast<float>(x);
    surface.menu.CtrlToPosMouseY = static_cast<float>(y);
}

void openMenuOnBackground(SurfaceRef s, double x, double y)
{
    SurfaceInteraction &surface = s.interaction;
    showMovingFrame(surface.lnMoving, false);
    surface.menu.CtrlToPos.clear();
    surface.menu.CtrlIndexToPos = -1;
    surface.menu.CtrlToPosMouseX = static_cast<float>(x);
    surface.menu.CtrlToPosMouseY = static_cast<float>(y);
}

bool nudgeControl(SurfaceRef s, NudgeKey key, int keys)
{
    const float gridSize = s.dialog().GridSize;
    if (!isGridStep(gridSize) || keys != KeyState::Ctrl)
        return false;
    const std::string tag = s.interaction.focusTag;
    const DrawnControl *focused = tag.empty() ? nullptr : s.drawn().findByTag(tag);
    if (!focused || !focused->visible)
        return false;

    s.interaction.menu.CtrlToPos = tag;
    s.interaction.menu.CtrlIndexToPos = recordPosition(s, tag);
    bool changed = snapMenuControlToGrid(s);
    const TwipRect stepped = stepRect(s.drawn().findByTag(tag)->rect(), s.size, gridSize, key);
    changed = applyGeometry(s, tag, stepped, false) || changed;
    return dropIntoLists(s, {tag}) || changed;
}

} // namespace kovrin
