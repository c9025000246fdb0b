#pragma once
// Where a drag under way would leave its control if the button came up now, and the landing on
// the grid that "Snap to grid while dragging" adds to a move or a resize.

#include "model/drawn_control.h"
#include "model/twip_rect.h"
#include "surface/drag.h"

#include <optional>
#include <string>

namespace kovrin {

// The rectangle the release would give; none while no move or resize has been tracked.
std::optional<TwipRect> rectOnRelease(const DragState &drag, const TwipRect &control,
                                      SurfaceSize surface);

// A move's result with its top-left corner on the nearest grid point (held inside the surface
// as a move is); a resize's with each edge it moves on the nearest grid line, keeping the
// smallest size a resize keeps. `handle` is the drag's handle.
TwipRect snapDraggedRect(const TwipRect &rect, const DragHandle &handle, SurfaceSize surface,
                         float gridSize);

} // namespace kovrin
