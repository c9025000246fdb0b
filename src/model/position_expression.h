#pragma once
// A position or size written as an expression of the game's script, as newer dialogs lay
// themselves out on the visible screen: its value on a reference screen, and whether it is
// exactly the safe-zone form of its axis, which the designer can edit as a fraction.

#include "model/position_form.h"
#include "model/reference_screen.h"
#include "model/status.h"

#include <optional>
#include <string_view>

namespace kovrin {

// The value of the expression on the screen, or why there is none, with the line and column
// within the text: "1:14: unknown name "safezoneQ"". It knows numbers (decimal, exponent,
// hexadecimal), + - * / with signs and parentheses, min and max, comparisons, select on arrays
// and on [a, b] by a condition, the screen's safezoneX/Y/W/H (and the X/W of all monitors, the
// same on one), pixelW/H, pixelGrid and getResolution, and a stored setting read with
// getVariable [name, default], which the game answers with the default on a fresh profile.
// A value beyond the 32-bit range a position is held in is refused.
Result<double> evaluatePosition(std::string_view text, const ReferenceScreen &screen);

// F of "F * safezoneW + safezoneX" (X), "F * safezoneH + safezoneY" (Y), "F * safezoneW"
// (Width) or "F * safezoneH" (Height), in any order of terms and of factors, any case, extra
// parentheses, quoted or not; F is a number with an optional sign, read as the 32-bit value of
// its text. None for anything else, which stays an expression.
std::optional<float> recognizeSafeZone(std::string_view text, PositionAxis axis);

} // namespace kovrin
