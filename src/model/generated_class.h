#pragma once
// What the generated class of each kind holds: the base it derives from, the classes the code's
// preamble defines, and which of the record's fields it writes under which names. The generator
// writes from this table and the import reads by it, so a value the class would not write is
// kept as code rather than read into a field that would drop it.

#include "model/control_kind.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kovrin {

// The values of a control class that Kovrin's record holds, by the name the class gives them.
enum class CodeField : std::uint8_t {
    Type, // implied by the base, never written
    Idc,
    X,
    Y,
    W,
    H,
    Style,
    ColorText,
    ColorBackground,
    ColorSelect,
    ColorSelectBackground,
    ColorActive,
    Font,
    SizeEx,
    Text,
    Action,
    Default, // Enter, written with the action
    LineSpacing,
    RowHeight,
    WholeHeight,
    Size, // the font size of structured text, which the game names "size"
};

// "type", "idc", "x", ..., "colorSelectBackground", ..., "sizeEx", "default", "lineSpacing".
std::string_view codeFieldName(CodeField field);
// The field of a name, compared ignoring case as the game does; none for any other name.
std::optional<CodeField> codeFieldOfName(std::string_view name);

// "RscEdit", "RscText", "RscCombo", "RscButton", "RscActiveText", "RscListBox", "RscSliderH",
// "KovrinControlsGroup", then "KovrinStructuredText" … "KovrinToolbox" for the newer kinds, whose
// classes the code defines only when a design uses them; empty for the generic control, which
// keeps the base it came with or none.
// Frames and pictures take their look from the style text, so they derive from RscText.
std::string_view generatedBase(ControlKind kind);

// The classes the preamble defines, in its order; a mission's class of such a name stands in the
// generated code's own.
inline constexpr std::array<std::string_view, 10> kPreambleClasses {
    "RscText", "RscPicture", "RscActiveText", "RscButton", "RscFrame",
    "RscEdit", "RscLB_C",    "RscListBox",    "RscCombo",  "RscSliderH"};
bool isPreambleClass(std::string_view name); // ignoring case
// A class the generated code defines itself, ignoring case: the preamble's, the group base and the
// newer kinds' bases. A control deriving from one needs no class of the game's, and the import
// takes its values as Kovrin's own rather than the control's.
bool isGeneratedBaseName(std::string_view name);

// Letters, digits and "_", not starting with a digit: a name the code can derive from.
bool isClassName(std::string_view name);

// The fields every class's head writes.
inline constexpr std::array<CodeField, 6> kHeadFields {
    CodeField::X, CodeField::Y, CodeField::Idc, CodeField::W, CodeField::H, CodeField::Style};
// The fields a kind writes after the head, in the order written.
std::span<const CodeField> sectionFields(ControlKind kind);

// The line spacing is written only for a style holding "ST_MULTI" (case matters).
bool writesLineSpacing(std::string_view style);

// What decides whether a control's class writes a field.
struct ClassShape
{
    // None: a CtrlType that is no kind, which claims every field. GENERIC claims only its place
    // and IDC; everything else stays as it came.
    std::optional<ControlKind> kind;
    std::string_view style;
    bool gameBase = false; // a base of the game stands in for Kovrin's: it implies no type
};
bool writesField(const ClassShape &shape, CodeField field);
// The same by the name a class gives the field; false for a name that is no field.
bool writesFieldName(const ClassShape &shape, std::string_view name);

} // namespace kovrin
