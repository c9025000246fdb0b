#include "surface/drag_preview.h"

#include "surface/grid_step.h"
#include "surface/move_limits.h"
#include "surface/snap.h"

#include <algorithm>

namespace kovrin {
namespace {

// The moved edge of [start, end] on the grid; the other edge stays, and the extent stays at least
// the smallest size.
void snapEdges(double &start, double &extent, bool movesStart, bool movesEnd, float step)
{
    const double end = start + extent;
    if (movesStart) {
        start = std::min(snapCoordinate(start, step), end - kMinimumControlSize);
        extent = end - start;
    }
    if (movesEnd)
        extent = std::max(snapCoordinate(end, step) - start, kMinimumControlSize);
}

} // namespace

std::optional<TwipRect> rectOnRelease(const DragState &drag, const TwipRect &control,
                                      SurfaceSize surface)
{
    if (!drag.tracked)
        return std::nullopt;
    if (!drag.handle.isMove())
        return resizedRect(drag, control);
    TwipRect moved = control;
    moved.left += drag.DragX - drag.GrabX;
    moved.top += drag.DragY - drag.GrabY;
    return limitToSurface(moved, surface);
}

TwipRect snapDraggedRect(const TwipRect &rect, const DragHandle &handle, SurfaceSize surface,
                         float gridSize)
{
    if (!isGridStep(gridSize))
        return rect;
    if (handle.isMove())
        return snapRect(rect, surface, gridSize);
    TwipRect snapped = rect;
    snapEdges(snapped.left, snapped.width, handle.moves(Edge::Left), handle.moves(Edge::Right),
              gridStepTwips(surface.width, gridSize));
    snapEdges(snapped.top, snapped.height, handle.moves(Edge::Upper), handle.moves(Edge::Lower),
              gridStepTwips(surface.height, gridSize));
    return snapped;
}

} // namespace kovrin
