#include "surface/grab_zone.h"

#include <cmath>

namespace kovrin {

GrabZone grabZoneAt(double width, double height, double x, double y)
{
    return GrabZone {x < kGrabBand, std::abs(width - x) < kGrabBand, y < kGrabBand,
                     std::abs(height - y) < kGrabBand};
}

std::string handleAt(double width, double height, double x, double y)
{
    const GrabZone zone = grabZoneAt(width, height, x, y);
    if (zone.left)
        return zone.upper ? "UL" : zone.lower ? "DL" : "L";
    if (zone.right)
        return zone.upper ? "UR" : zone.lower ? "DR" : "R";
    if (zone.upper)
        return "U";
    if (zone.lower)
        return "D";
    return "";
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
