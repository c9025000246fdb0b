#include "surface/group_move.h"

#include "model/drawn_controls.h"
#include "surface/drag.h"
#include "surface/grid_step.h"
#include "surface/list_drop.h"
#include "surface/move_limits.h"
#include "surface/selection.h"
#include "surface/snap.h"

#include <algorithm>
#include <unordered_map>

namespace kovrin {
namespace {

// One pixel is 15 twips.
constexpr double kOnePixel = 15.0;
constexpr double kTenPixels = 150.0;

} // namespace

TwipRect boundingBox(const std::vector<TwipRect> &rects)
{
    if (rects.empty())
        return {};
    double left = rects.front().left;
    double top = rects.front().top;
    double right = rects.front().right();
    double bottom = rects.front().bottom();
    for (const TwipRect &r : rects) {
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
    }
    return {left, top, right - left, bottom - top};
}

TwipOffset limitGroupOffset(const TwipRect &box, TwipOffset wanted, SurfaceSize surface)
{
    TwipRect moved = box;
    moved.left += wanted.dx;
    moved.top += wanted.dy;
    const TwipRect held = limitToSurface(moved, surface);
    return {held.left - box.left, held.top - box.top};
}

bool moveControls(SurfaceRef s, const std::vector<std::string> &tags, TwipOffset offset)
{
    if (offset == TwipOffset {})
        return false;
    bool changed = false;
    // A control whose holder moves too rides along inside it.
    const std::vector<std::string> outermost = outermostTags(s.dialog(), tags);
    for (const std::string &tag : outermost) {
        const DrawnControl *drawn = s.drawn().findByTag(tag);
        if (!drawn || !drawn->visible)
            continue;
        TwipRect moved = drawn->rect();
        moved.left += offset.dx;
        moved.top += offset.dy;
        changed = applyGeometry(s, tag, moved, false) || changed;
    }
    return dropIntoLists(s, outermost) || changed;
}

TwipOffset nudgeOffset(NudgeKey key, bool tenPixels)
{
    const double step = tenPixels ? kTenPixels : kOnePixel;
    switch (key) {
    case NudgeKey::Left:
        return {-step, 0};
    case NudgeKey::Right:
        return {step, 0};
    case NudgeKey::Up:
        return {0, -step};
    case NudgeKey::Down:
        return {0, step};
    case NudgeKey::Other:
        break;
    }
    return {};
}

void beginGroupDrag(GroupDrag &drag, const DrawnControls &surface, const Selection &selection,
                    const std::string &grabbedTag, double x, double y)
{
    drag = GroupDrag {};
    // One pass over the surface instead of a lookup per picked control.
    std::unordered_map<std::string_view, const DrawnControl *> shown;
    for (const DrawnControl &c : surface.stackingOrder()) {
        if (c.visible && selection.contains(c.tag))
            shown.emplace(c.tag, &c);
    }
    for (const std::string &tag : selection.tags()) {
        if (const auto it = shown.find(tag); it != shown.end()) {
            drag.tags.push_back(tag);
            drag.origins.push_back(it->second->rect());
        }
    }
    if (drag.tags.empty())
        return;
    drag.active = true;
    drag.grabbedTag = grabbedTag;
    drag.grabX = wholeTwips(x);
    drag.grabY = wholeTwips(y);
    drag.box = boundingBox(drag.origins);
}

void trackGroupDrag(GroupDrag &drag, double x, double y, SurfaceSize surface,
                    std::optional<float> snapGrid)
{
    if (!drag.active)
        return;
    TwipOffset wanted {wholeTwips(x) - drag.grabX, wholeTwips(y) - drag.grabY};
    if (snapGrid && isGridStep(*snapGrid)) {
        const auto grabbed = std::find(drag.tags.begin(), drag.tags.end(), drag.grabbedTag);
        const TwipRect &origin
            = drag.origins[grabbed == drag.tags.end()
                               ? 0
                               : static_cast<std::size_t>(grabbed - drag.tags.begin())];
        const double left
            = snapCoordinate(origin.left + wanted.dx, gridStepTwips(surface.width, *snapGrid));
        const double top
            = snapCoordinate(origin.top + wanted.dy, gridStepTwips(surface.height, *snapGrid));
        wanted = {left - origin.left, top - origin.top};
    }
    drag.offset = limitGroupOffset(drag.box, wanted, surface);
    drag.tracked = true;
}

std::vector<TwipRect> groupOutline(const GroupDrag &drag)
{
    std::vector<TwipRect> outline = drag.origins;
    for (TwipRect &r : outline) {
        r.left += drag.offset.dx;
        r.top += drag.offset.dy;
    }
    return outline;
}

bool endGroupDrag(GroupDrag &drag, SurfaceRef s)
{
    const bool changed = drag.active && drag.tracked && moveControls(s, drag.tags, drag.offset);
    drag = GroupDrag {};
    return changed;
}

} // namespace kovrin
