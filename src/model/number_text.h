#pragma once
// The text forms of numbers: how a value is shown in a field, written to the design file and to
// the generated code, and how typed or stored text is read back. The decimal separator is always a
// parameter; the core never asks the system for it.

#include <optional>
#include <string>
#include <string_view>

namespace kovrin {

// A 32-bit value as text: 7 significant digits, rounded from the exact binary value with ties to
// even, trailing zeros dropped, "0" before the separator below 1, never an exponent, "-0" as "0".
std::string singleText(float value, char separator);

// A 64-bit value as text: the same form with 15 significant digits.
std::string doubleText(double value, char separator);

// A value with a fixed number of decimals ("0.25000" for 0.25 and 5), rounded from the exact
// binary value with ties to even; "-0" and a negative value that rounds to zero show no sign.
std::string fixedText(double value, int decimals, char separator);

// The same texts, appended to out (no text of their own is made).
void appendSingleText(std::string &out, float value, char separator);
void appendDoubleText(std::string &out, double value, char separator);

// Reads a number typed by the user: optional sign, digits with at most one decimal separator
// ("." and "," both count), optional exponent. No blanks, no group separators.
std::optional<double> parseTypedNumber(std::string_view text);
// Whether parseTypedNumber takes the text as a number, without working out its value.
bool isTypedNumber(std::string_view text);
// Whether a number field holds no number yet: nothing, or only what starts one (a lone "-", a
// separator). The checks before a value is taken count such a field as empty.
bool holdsNoDigit(std::string_view text);

// Reads an unquoted number item of the design file: optional sign, digits with an optional point
// and decimals (or a point and decimals), optional exponent.
std::optional<double> parseFileNumber(std::string_view text);
// Reads a number as the class definitions write it: parseFileNumber's forms or hexadecimal
// ("0x1F"). None for a spelling that is no number ("1.2.3", "0x").
std::optional<double> parseDefinitionNumber(std::string_view spelling);

// Every "." and then every "," of a text replaced by the separator.
std::string replaceDecimal(std::string_view text, char separator);
// The same, appended to out.
void appendReplacedDecimal(std::string &out, std::string_view text, char separator);

// A typed number as the nearest 32-bit value; text that is no number (a lone "-") reads as 0.
float typedSingle(std::string_view text);

// Rounds to the nearest whole number, an exact half going to the even neighbour.
double roundHalfEven(double value);

// Rounds to a number of decimals on the decimal scale, halves to even (0.123455 -> 0.12346 is
// decided on value * 10^decimals).
double roundDecimals(double value, int decimals);

// The decimals a control's position and size keep as fractions of the screen area: a move, a
// snap and a change of position form all round to them.
inline constexpr int kFractionDecimals = 5;

// A real value held at the nearest 16-bit signed integer, halves to even.
short toInt16Clamped(double value, bool *clamped = nullptr);

} // namespace kovrin
