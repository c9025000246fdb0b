#include "classdef/control_types.h"

#include "classdef/control_import.h"
#include "model/ignoring_case.h"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace kovrin {
namespace {

// The constants of the types Kovrin has a kind for; their numbers are the kinds' own.
constexpr std::array<std::pair<std::string_view, ControlKind>, 18> kTypeNames {{
    {"CT_STATIC", ControlKind::Text},
    {"CT_BUTTON", ControlKind::Button},
    {"CT_EDIT", ControlKind::Input},
    {"CT_SLIDER", ControlKind::Slider},
    {"CT_COMBO", ControlKind::Combo},
    {"CT_LISTBOX", ControlKind::List},
    {"CT_TOOLBOX", ControlKind::ToolboxRow},
    {"CT_CHECKBOXES", ControlKind::CheckBoxRow},
    {"CT_PROGRESS", ControlKind::Progress},
    {"CT_ACTIVETEXT", ControlKind::Link},
    {"CT_TREE", ControlKind::Tree},
    {"CT_STRUCTURED_TEXT", ControlKind::StructuredText},
    {"CT_CONTROLS_GROUP", ControlKind::Group},
    {"CT_SHORTCUTBUTTON", ControlKind::ShortcutButton},
    {"CT_XSLIDER", ControlKind::ExtSlider},
    {"CT_CHECKBOX", ControlKind::CheckBox},
    {"CT_MAP_MAIN", ControlKind::Map},
    {"CT_LISTNBOX", ControlKind::ColumnList},
}};
constexpr std::string_view kOlderMapName = "CT_MAP";

bool isArithmetic(std::string_view text)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    return text.find_first_of("+-*/%^() \t") != std::string_view::npos;
}

} // namespace

std::optional<double> typeConstant(std::string_view name)
{
    if (equalIgnoringCase(name, kOlderMapName))
        return kOlderMapType;
    for (const auto &[constant, kind] : kTypeNames) {
        if (equalIgnoringCase(constant, name))
            return gameType(kind);
    }
    return std::nullopt;
}

double typeNumber(const ClassValue &value)
{
    // A type written as arithmetic ("CT_STATIC + 1", or "0 + 1" once the constant is defined) is
    // a generic control's, kept as written, so that its code reads back as the same control.
    if (value.kind == ClassValue::Kind::Number && isArithmetic(value.text))
        return std::numeric_limits<double>::quiet_NaN();
    if (const auto number = numberOf(value))
        return *number;
    if (value.kind == ClassValue::Kind::Bare) {
        if (const auto constant = typeConstant(value.text))
            return *constant;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

std::optional<ControlKind> kindOfType(double type, bool background, double style)
{
    if (type == 0) {
        if (background)
            return ControlKind::Frame;
        const bool picture = styleKindBits(style) == 0x30;
        return picture ? ControlKind::Picture : ControlKind::Text;
    }
    if (type == kOlderMapType)
        return ControlKind::Map;
    for (ControlKind kind : kAllKinds) {
        const auto number = gameType(kind);
        if (number && *number == type)
            return kind;
    }
    return std::nullopt;
}

} // namespace kovrin
