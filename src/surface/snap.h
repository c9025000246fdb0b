#pragma once
// Snapping a control to the grid and the keyboard step along it.

#include "model/drawn_control.h"
#include "model/twip_rect.h"
#include "surface/input_state.h"

namespace kovrin {

// The grid position nearest to value among 0, step, step + step, ... (sums of 32-bit floats);
// of two equally near the greater one; a negative value gives 0. A step that is not positive
// leaves the value as it is.
double snapCoordinate(double value, float step);

// The control's left and top snapped to the grid of step gridSize, then held inside the surface
// as a move is. Unchanged when the step makes no grid.
TwipRect snapRect(TwipRect rect, SurfaceSize surface, float gridSize);

// One keyboard step: Left and Right move the left by the horizontal grid step, Up and Down the
// top by the vertical one; not held inside the surface. Other keys move nothing.
TwipRect stepRect(TwipRect rect, SurfaceSize surface, float gridSize, NudgeKey key);

} // namespace kovrin
