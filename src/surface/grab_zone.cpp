#include "surface/grab_zone.h"

#include <cmath>

namespace kovrin {

GrabZone grabZoneAt(double width, double height, double x, double y)
{
    return GrabZone {x < kGrabBand, std::abs(width - x) < kGrabBand, y < kGrabBand,
                     std::abs(height - y) < kGrabBand};
}

DragHandle handleAt(double width, double height, double x, double y)
{
    const GrabZone zone = grabZoneAt(width, height, x, y);
    const auto vertical = [&zone](Edge side) -> DragHandle {
        if (zone.upper)
            return {Edge::Upper, side};
        if (zone.lower)
            return {Edge::Lower, side};
        return {side};
    };
    if (zone.left)
        return vertical(Edge::Left);
    if (zone.right)
        return vertical(Edge::Right);
    if (zone.upper)
        return {Edge::Upper};
    if (zone.lower)
        return {Edge::Lower};
    return {};
}

PointerShape hoverPointer(double width, double height, double x, double y)
{
    const GrabZone zone = grabZoneAt(width, height, x, y);
    if (zone.left) {
        if (zone.upper)
            return PointerShape::SizeNWSE;
        return zone.lower ? PointerShape::SizeNESW : PointerShape::SizeWE;
    }
    if (zone.right) {
        if (zone.upper)
            return PointerShape::SizeNESW;
        return zone.lower ? PointerShape::SizeNWSE : PointerShape::SizeWE;
    }
    if (zone.upper || zone.lower)
        return PointerShape::SizeNS;
    return PointerShape::Arrow;
}

} // namespace kovrin
