#pragma once
// Twips and pixels at the edge of the surface view: mouse points come in whole pixels and
// become whole multiples of 15 twips; painting rounds twips to the nearest pixel.

#include "model/drawn_control.h"
#include "model/twip_rect.h"

#include <QPointF>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace kovrin {

inline double pixelsToTwips(double pixels)
{
    return std::floor(pixels) * kTwipsPerPixel;
}

// Held within a range QRect can carry: a control read from a file may stand far off the surface.
inline int twipsToPixel(double twips)
{
    constexpr double far = 1.0e7;
    const double pixels = std::clamp(twips / kTwipsPerPixel, -far, far);
    return static_cast<int>(std::lround(std::isnan(pixels) ? 0.0 : pixels));
}

// The pixels a rectangle covers, at least one pixel wide and high.
inline QRect pixelRect(const TwipRect &r)
{
    const int left = twipsToPixel(r.left);
    const int top = twipsToPixel(r.top);
    const int right = std::max(twipsToPixel(r.right()), left + 1);
    const int bottom = std::max(twipsToPixel(r.bottom()), top + 1);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace kovrin
