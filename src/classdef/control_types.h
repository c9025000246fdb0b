#pragma once
// Which kind a control's type makes: the game's type numbers and the names of its type constants
// (CT_STATIC ... CT_LISTNBOX), which a mission usually defines itself but may leave to an include
// the import did not read. A type that makes no kind is a generic control's.

#include "classdef/class_tree.h"
#include "model/control_kind.h"

#include <optional>
#include <string_view>

namespace kovrin {

// CT_MAP: a map like the main one (CT_MAP_MAIN, the MAP kind's type), which Kovrin draws and
// writes as that kind, keeping this type among the control's other properties.
inline constexpr double kOlderMapType = 100;

// The number of a type constant of one of Kovrin's kinds, by its name ignoring case; none for
// any other name.
std::optional<double> typeConstant(std::string_view name);

// The type a value gives: its number, or the constant a bare name stands for when the file
// does not define it; NaN for none and for a type written as arithmetic (numbers rather than
// optionals, which an optimising compiler takes for values that may be read unset).
double typeNumber(const ClassValue &value);

// The kind of a type, none for a type Kovrin has no kind for. A static control (type 0) is a
// frame in the background list, a picture by its style's kind bits (0x30), else a text; the
// style is NaN when none is given.
std::optional<ControlKind> kindOfType(double type, bool background, double style);

} // namespace kovrin
