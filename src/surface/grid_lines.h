#pragma once
// The grid lines of a surface: lnH the vertical lines (constant x), lnV the horizontal ones
// (constant y), each at a multiple of the step reached by repeated addition. Kept as data in
// ascending order so that a painter finds the visible ones quickly.

#include "model/drawn_control.h"

#include <vector>

namespace kovrin {

struct GridLine
{
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    bool visible = true;
    bool operator==(const GridLine &) const = default;
};

struct GridLines
{
    std::vector<GridLine> lnH; // vertical lines, x ascending
    std::vector<GridLine> lnV; // horizontal lines, y ascending

    bool empty() const { return lnH.empty() && lnV.empty(); }
    void clear()
    {
        lnH.clear();
        lnV.clear();
    }
};

// The lines of a dialog with step gridSize on a window of the given outer size: vertical lines
// at 0, s, s + s, ... while below the width (s = width x step as a 32-bit float), likewise
// horizontal lines below the height. None for a step that makes no grid.
GridLines buildGridLines(float gridSize, SurfaceSize outer);

} // namespace kovrin
