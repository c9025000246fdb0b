#include "surface/grid_step.h"

namespace kovrin {

bool isGridStep(float gridSize)
{
    return gridSize >= kSmallestGridStep; // false for NaN too
}

float gridStepTwips(double extent, float gridSize)
{
    return static_cast<float>(extent * static_cast<double>(gridSize));
}

} // namespace kovrin
