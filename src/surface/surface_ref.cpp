#include "surface/surface_ref.h"

#include "surface/move_limits.h"

namespace kovrin {

bool applyGeometry(SurfaceRef s, std::string_view tag, const TwipRect &rect, bool withSize)
{
    const Dialog &dialog = s.dialog();
    const DrawnControl *drawn = dialog.drawn.findByTag(tag);
    const auto recordIndex = dialog.recordIndexByTag(tag);
    if (!drawn && !recordIndex)
        return false;

    const RecordPlace place = placeOf(rect, s.size, withSize);
    bool changed = drawn && drawn->rect() != rect;
    if (recordIndex) {
        const ControlRecord &record = dialog.cControls[*recordIndex];
        changed = changed || record.X != place.X || record.Y != place.Y
            || (place.Width && record.Width != *place.Width)
            || (place.Height && record.Height != *place.Height);
    }
    if (changed)
        s.set.setControlGeometry(s.dialogIndex, tag, rect, place);
    return changed;
}

} // namespace kovrin
