#pragma once
// How record values become text in the generated code: numbers always with ".", colours as a
// list of four, raw texts as held (only their line breaks made CRLF), and the one CRLF line end.
// Each is appended to the code being made, so that no value makes a text of its own.

#include "codegen/code_out.h"
#include "model/colour_value.h"
#include "model/control_record.h"
#include "model/other_properties.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace kovrin {

// A 32-bit field in its 7-digit text form with ".".
void appendNumber(CodeOut &out, float value);
// X, Y, Width, Height or FontSize in its form: a screen fraction as a number, a safe-zone one as
// "F * safezoneW + safezoneX" and the like, an expression as written.
void appendFormValue(CodeOut &out, const ControlRecord &record, FormField field);
// A whole number as plain decimal digits.
void appendNumber(CodeOut &out, std::int32_t value);
// The style text with every "." and "," made ".".
void appendStyle(CodeOut &out, std::string_view style);

// "r, g, b, a" with "." as separator; an unset colour reads as 0, 0, 0, 0.
void appendColourList(CodeOut &out, const ColourValue &colour);

// A text inserted as held; a line break inside it is written CRLF like every other line end.
void appendRawText(CodeOut &out, std::string_view text);
// An action text to stand between double quotes: each double quote doubled.
void appendActionText(CodeOut &out, std::string_view action);

// The properties Kovrin has no field for, one line each after two blanks, as the class's own
// lines stand; skipped: the ones written in place of a fixed line.
void appendOtherProperties(CodeOut &out, const OtherProperties &others,
                           std::span<const std::string_view> skipped = {});

// Appends the pieces and then CRLF.
void appendLine(CodeOut &out, std::initializer_list<std::string_view> pieces);
void endLine(CodeOut &out);

} // namespace kovrin
