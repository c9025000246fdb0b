#include "surface/grid_lines.h"

#include "surface/grid_step.h"

#include <cmath>

namespace kovrin {
namespace {

// Positions 0, step, step + step, ... below the extent, summed in 32-bit floats.
template<typename MakeLine>
void addLines(std::vector<GridLine> &lines, double extent, float step, MakeLine makeLine)
{
    if (!(step > 0) || !std::isfinite(step))
        return;
    for (float at = 0; static_cast<double>(at) < extent; at += step)
        lines.push_back(makeLine(static_cast<double>(at)));
}

} // namespace

GridLines buildGridLines(float gridSize, SurfaceSize outer)
{
    GridLines grid;
    if (!isGridStep(gridSize))
        return grid;
    addLines(grid.lnH, outer.width, gridStepTwips(outer.width, gridSize), [&](double x) {
        return GridLine {x, 0, x, outer.height, true};
    });
    addLines(grid.lnV, outer.height, gridStepTwips(outer.height, gridSize), [&](double y) {
        return GridLine {0, y, outer.width, y, true};
    });
    return grid;
}

} // namespace kovrin
