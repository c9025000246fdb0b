#include "model/position_form.h"

#include "model/number_text.h"

namespace kovrin {

bool isOffset(PositionAxis axis)
{
    return axis == PositionAxis::X || axis == PositionAxis::Y;
}

bool isAcross(PositionAxis axis)
{
    return axis == PositionAxis::X || axis == PositionAxis::Width;
}

double safeZoneExtent(const ReferenceScreen &screen, PositionAxis axis)
{
    return isAcross(axis) ? screen.safezoneW() : screen.safezoneH();
}

double safeZoneOrigin(const ReferenceScreen &screen, PositionAxis axis)
{
    if (!isOffset(axis))
        return 0.0;
    return axis == PositionAxis::X ? screen.safezoneX() : screen.safezoneY();
}

double screenFromSafeZone(double fraction, PositionAxis axis, const ReferenceScreen &screen)
{
    return roundDecimals(fraction * safeZoneExtent(screen, axis) + safeZoneOrigin(screen, axis),
                         kFractionDecimals);
}

double safeZoneFromScreen(double value, PositionAxis axis, const ReferenceScreen &screen)
{
    // The safe zone is up to about four screen areas wide, so a fraction of it at 5 decimals can
    // land a few units of the 5th decimal off the screen value it came from. It takes the 6th
    // decimal only where it must, so that switching forms never moves a control.
    const double exact = (value - safeZoneOrigin(screen, axis)) / safeZoneExtent(screen, axis);
    const double target = roundDecimals(value, kFractionDecimals);
    double fraction = exact;
    for (int decimals = kFractionDecimals; decimals <= kFractionDecimals + kSafeZoneExtraDecimals;
         ++decimals) {
        fraction = roundDecimals(exact, decimals);
        // The record holds it as a 32-bit value, which must bring the value back too.
        if (screenFromSafeZone(fraction, axis, screen) == target
            && screenFromSafeZone(static_cast<float>(fraction), axis, screen) == target)
            break;
    }
    return fraction;
}

std::string safeZoneText(float fraction, PositionAxis axis)
{
    std::string out;
    appendSingleText(out, fraction, '.');
    out += isAcross(axis) ? " * safezoneW" : " * safezoneH";
    if (isOffset(axis))
        out += axis == PositionAxis::X ? " + safezoneX" : " + safezoneY";
    return out;
}

} // namespace kovrin
