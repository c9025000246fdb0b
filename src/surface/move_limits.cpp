#include "surface/move_limits.h"

#include "model/number_text.h"

namespace kovrin {

TwipRect limitToSurface(TwipRect rect, SurfaceSize surface)
{
    if (rect.left < 0)
        rect.left = 0;
    if (rect.left > surface.width - rect.width)
        rect.left = surface.width - rect.width;
    if (rect.top < 0)
        rect.top = 0;
    if (rect.top > surface.height - rect.height)
        rect.top = surface.height - rect.height - kBottomLimitLift;
    return rect;
}

float roundedFraction(double twips, double base)
{
    return static_cast<float>(roundDecimals(twips / base, kFractionDecimals));
}

namespace {

float roundedScreenValue(double twips, PositionAxis axis, const SurfaceSize &surface)
{
    return static_cast<float>(
        roundDecimals(screenFromTwips(twips, axis, surface), kFractionDecimals));
}

} // namespace

RecordPlace placeOf(const TwipRect &rect, SurfaceSize surface, bool withSize)
{
    RecordPlace place;
    place.X = roundedScreenValue(rect.left, PositionAxis::X, surface);
    place.Y = roundedScreenValue(rect.top, PositionAxis::Y, surface);
    if (withSize) {
        place.Width = roundedScreenValue(rect.width, PositionAxis::Width, surface);
        place.Height = roundedScreenValue(rect.height, PositionAxis::Height, surface);
    }
    return place;
}

} // namespace kovrin
