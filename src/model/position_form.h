#pragma once
// The forms a control's position and size take in the class definition: a plain fraction of the
// screen area, a fraction of the safe zone ("F * safezoneW + safezoneX"), or an expression of
// the author's own that is kept as written. A value moves between the first two on a reference
// screen, the screen fraction always at the decimals the design file keeps.

#include "model/reference_screen.h"

#include <string>

namespace kovrin {

enum class PositionForm { Screen, SafeZone, Expression };

// Which measure of the safe zone a field follows. The font size follows the height.
enum class PositionAxis { X, Y, Width, Height };

// X and Y are offsets from the safe zone's corner; Width and Height are lengths only.
bool isOffset(PositionAxis axis);
// X and Width follow the width of the screen, Y and Height its height.
bool isAcross(PositionAxis axis);

// The safe zone's extent and origin along the axis (origin 0 for a length).
double safeZoneExtent(const ReferenceScreen &screen, PositionAxis axis);
double safeZoneOrigin(const ReferenceScreen &screen, PositionAxis axis);

// The decimals a safe-zone fraction may add to kFractionDecimals: one is enough for a safe zone
// under ten screen areas across (the widest reference screen is under four).
inline constexpr int kSafeZoneExtraDecimals = 1;

// screen = F * extent + origin, rounded to kFractionDecimals.
double screenFromSafeZone(double fraction, PositionAxis axis, const ReferenceScreen &screen);
// F = (screen - origin) / extent at kFractionDecimals, or one decimal more where that is what
// brings the same screen value back.
double safeZoneFromScreen(double value, PositionAxis axis, const ReferenceScreen &screen);

// The definition's text of a safe-zone value: "0.25 * safezoneW + safezoneX" for X,
// "0.5 * safezoneH" for a height; the fraction in the definition's number text.
std::string safeZoneText(float fraction, PositionAxis axis);

} // namespace kovrin
