#include "model/dialog.h"

#include <algorithm>

namespace kovrin {

std::optional<std::size_t> Dialog::recordIndexByTag(std::string_view tag) const
{
    for (std::size_t i = 0; i < cControls.size(); ++i) {
        if (cControls[i].Tag == tag)
            return i;
    }
    return std::nullopt;
}

bool usesSafeZone(const Dialog &dialog)
{
    return dialog.Layout == DialogLayout::SafeZone
        || std::any_of(dialog.cControls.begin(), dialog.cControls.end(),
                       [](const ControlRecord &record) { return !record.Forms.allScreen(); });
}

SurfaceFrame surfaceFrameOf(const Dialog &dialog, const ReferenceScreen &screen)
{
    return usesSafeZone(dialog) ? safeZoneFrame(screen) : SurfaceFrame {};
}

} // namespace kovrin
