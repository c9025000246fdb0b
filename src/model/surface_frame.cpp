#include "model/surface_frame.h"

namespace kovrin {
namespace {

const FrameAxis &frameAxis(const SurfaceSize &surface, PositionAxis axis)
{
    return isAcross(axis) ? surface.frame.across : surface.frame.down;
}

double base(const SurfaceSize &surface, PositionAxis axis)
{
    return isAcross(axis) ? surface.width : surface.height;
}

} // namespace

SurfaceFrame safeZoneFrame(const ReferenceScreen &screen)
{
    return {SurfaceArea::SafeZone,
            {screen.safezoneX(), screen.safezoneW()},
            {screen.safezoneY(), screen.safezoneH()}};
}

double twipsFromScreen(double fraction, PositionAxis axis, const SurfaceSize &surface)
{
    const FrameAxis &frame = frameAxis(surface, axis);
    const double onFrame = isOffset(axis) ? fraction - frame.origin : fraction;
    // On the screen area (origin 0, extent 1) this is fraction * base to the last bit.
    return onFrame / frame.extent * base(surface, axis);
}

double surfaceShare(double twips, PositionAxis axis, const SurfaceSize &surface)
{
    return twips / base(surface, axis);
}

double screenFromTwips(double twips, PositionAxis axis, const SurfaceSize &surface)
{
    const FrameAxis &frame = frameAxis(surface, axis);
    const double spanned = surfaceShare(twips, axis, surface) * frame.extent;
    // A zero origin is not added: it would turn a share of -0 into +0, and the screen area gives
    // exactly the definition's twips / base.
    return !isOffset(axis) || frame.origin == 0 ? spanned : spanned + frame.origin;
}

TwipRect screenAreaRect(const SurfaceSize &surface)
{
    return {twipsFromScreen(0, PositionAxis::X, surface),
            twipsFromScreen(0, PositionAxis::Y, surface),
            twipsFromScreen(1, PositionAxis::Width, surface),
            twipsFromScreen(1, PositionAxis::Height, surface)};
}

} // namespace kovrin
