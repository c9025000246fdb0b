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

RecordPlace placeOf(const TwipRect &rect, SurfaceSize surface, bool withSize)
{
    RecordPlace place;
    place.X = roundedFraction(rect.left, surface.width);
    place.Y = roundedFraction(rect.top, surface.height);
    if (withSize) {
        place.Width = roundedFraction(rect.width, surface.width);
        place.Height = roundedFraction(rect.height, surface.height);
    }
    return place;
}

} // namespace kovrin
