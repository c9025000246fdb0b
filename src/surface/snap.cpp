#include "surface/snap.h"

#include "surface/grid_step.h"
#include "surface/move_limits.h"

#include <cmath>

namespace kovrin {
namespace {

// Beyond this many steps from 0 the walk along the grid would take too long (a control read
// from a file can stand far off the surface); the nearest position is then found by division.
constexpr double kLongestWalk = 1.0e6;

double nearestByDivision(double value, double step)
{
    const double below = std::floor(value / step) * step;
    const double above = below + step;
    return value - below < above - value ? below : above;
}

} // namespace

double snapCoordinate(double value, float step)
{
    if (!(step > 0))
        return value; // no grid to walk along
    if (std::isfinite(step) && value / step > kLongestWalk)
        return nearestByDivision(value, step);

    // Walk the grid positions while the distance does not grow.
    double best = 0;
    float candidate = 0;
    double previous = value;
    double distance = value;
    while (distance <= previous) {
        best = candidate;
        candidate += step;
        previous = distance;
        distance = std::abs(value - static_cast<double>(candidate));
    }
    return best;
}

TwipRect snapRect(TwipRect rect, SurfaceSize surface, float gridSize)
{
    if (!isGridStep(gridSize))
        return rect;
    rect.left = snapCoordinate(rect.left, gridStepTwips(surface.width, gridSize));
    rect.top = snapCoordinate(rect.top, gridStepTwips(surface.height, gridSize));
    return limitToSurface(rect, surface);
}

TwipRect stepRect(TwipRect rect, SurfaceSize surface, float gridSize, NudgeKey key)
{
    const double across = gridStepTwips(surface.width, gridSize);
    const double down = gridStepTwips(surface.height, gridSize);
    switch (key) {
    case NudgeKey::Left:
        rect.left -= across;
        break;
    case NudgeKey::Right:
        rect.left += across;
        break;
    case NudgeKey::Up:
        rect.top -= down;
        break;
    case NudgeKey::Down:
        rect.top += down;
        break;
    case NudgeKey::Other:
        break;
    }
    return rect;
}

} // namespace kovrin
