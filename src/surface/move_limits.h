#pragma once
// What a move, a snap and the keyboard step share: the limits that keep a control on the
// surface, and the record's position and size as fractions rounded to 5 decimals.

#include "model/drawn_control.h"
#include "model/twip_rect.h"

namespace kovrin {

// A control pushed past the bottom is held this much higher than the edge test would put it.
inline constexpr double kBottomLimitLift = 200.0;

// In this order: a left below 0 becomes 0, a left past SW - width becomes SW - width, a top
// below 0 becomes 0, a top past SH - height becomes SH - height - 200.
TwipRect limitToSurface(TwipRect rect, SurfaceSize surface);

// round(twips / base, 5), halves to even, as a 32-bit float.
float roundedFraction(double twips, double base);

// X and Y (and Width and Height when withSize) of a rectangle on a surface: the screen fractions
// it stands for, rounded like roundedFraction.
RecordPlace placeOf(const TwipRect &rect, SurfaceSize surface, bool withSize);

} // namespace kovrin
