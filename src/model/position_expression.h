#pragma once
// A position or size written as an expression of the game's script, as newer dialogs lay
// themselves out on the visible screen: its value on a reference screen, and whether it is
// exactly the safe-zone form of its axis, which the designer can edit as a fraction.

#include "model/position_form.h"
#include "model/reference_screen.h"
#include "model/status.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
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

// A value the game works out as it reads class definitions (__EVAL): a number or a text.
struct ScriptValue
{
    std::optional<double> number; // none for a text
    std::string text;

    bool operator==(const ScriptValue &) const = default;
};

// Values a script stored before (__EXEC), by the caseKey of their names: the game's variable
// names ignore case.
using ScriptVariables = std::map<std::string, ScriptValue>;

// Texts joined longer than this are refused, so that a text doubled again and again stops.
inline constexpr std::size_t kMaxScriptText = 100'000;

// The value of an expression of the game's script as it stands in class definitions: all that
// evaluatePosition knows, texts in double or single quotes (a whole value in quotes is a text)
// joined with +, and the variables given, after the screen's own names. Why there is none is
// said without a place: such a text is short.
Result<ScriptValue> evaluateScript(std::string_view text, const ReferenceScreen &screen,
                                   const ScriptVariables &variables);

// F of "F * safezoneW + safezoneX" (X), "F * safezoneH + safezoneY" (Y), "F * safezoneW"
// (Width) or "F * safezoneH" (Height), in any order of terms and of factors, any case, extra
// parentheses, quoted or not; F is a number with an optional sign, read as the 32-bit value of
// its text. None for anything else, which stays an expression.
std::optional<float> recognizeSafeZone(std::string_view text, PositionAxis axis);

} // namespace kovrin
