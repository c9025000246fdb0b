#pragma once
// What the gestures of one open surface leave between two events: the grid lines, the drag and
// its outline, the context menu's target and the keyboard focus. View state, owned by the
// surface's view; the document never holds it and undo never keeps it.

#include "model/drawn_controls.h"
#include "surface/drag.h"
#include "surface/grid_lines.h"
#include "surface/menu_state.h"

#include <string>

namespace kovrin {

struct SurfaceInteraction
{
    GridLines grid; // lnH and lnV
    DragState drag; // the handle, GrabX, GrabY, DragX, DragY, ClickPending
    MovingFrame lnMoving; // the outline of a move or resize
    ControlMenuState menu; // CtrlToPos, CtrlIndexToPos, CtrlToPosMouseX, CtrlToPosMouseY
    std::string focusTag; // the drawn control with the keyboard focus; "" for none

    // Undo or redo put other drawn controls in place: the focus and the context menu let go of
    // a control no longer shown, and a drag under way is let go.
    void letGoAfterRestore(const DrawnControls &drawn);
};

} // namespace kovrin
