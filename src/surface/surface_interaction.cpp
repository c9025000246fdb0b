#include "surface/surface_interaction.h"

namespace kovrin {

void SurfaceInteraction::letGoAfterRestore(const DrawnControls &drawn)
{
    // A drag under way would end on a control that is not where it was grabbed.
    if (!drawn.isShown(focusTag))
        focusTag.clear();
    if (!drawn.isShown(menu.CtrlToPos)) {
        menu.CtrlToPos.clear();
        menu.CtrlIndexToPos = -1;
    }
    drag.tracked = false;
    showMovingFrame(lnMoving, false);
}

} // namespace kovrin
