#include "model/generated_class.h"

#include "model/ignoring_case.h"

#include <algorithm>
#include <iterator>

namespace kovrin {
namespace {

// In the order of CodeField.
constexpr std::string_view kFieldNames[] {"type",
                                          "idc",
                                          "x",
                                          "y",
                                          "w",
                                          "h",
                                          "style",
                                          "colorText",
                                          "colorBackground",
                                          "colorSelect",
                                          "colorSelectBackground",
                                          "colorActive",
                                          "font",
                                          "sizeEx",
                                          "text",
                                          "action",
                                          "default",
                                          "lineSpacing",
                                          "rowHeight",
                                          "wholeHeight",
                                          "size"};
static_assert(std::size(kFieldNames) == static_cast<std::size_t>(CodeField::Size) + 1);

using enum CodeField;
constexpr CodeField kInput[] = {ColorText, Font, SizeEx, ColorSelect};
constexpr CodeField kText[] = {LineSpacing, ColorText, ColorBackground, Font, SizeEx, Text};
constexpr CodeField kCombo[] = {ColorText,   ColorBackground,       Font,      SizeEx,
                                ColorSelect, ColorSelectBackground, RowHeight, WholeHeight};
constexpr CodeField kButton[] = {ColorText, Font, SizeEx, Text, Action};
constexpr CodeField kFrame[] = {ColorText, ColorBackground, SizeEx, Text};
constexpr CodeField kLink[] = {ColorText, Font, SizeEx, Text, ColorActive, Action};
constexpr CodeField kList[]
    = {ColorText, ColorBackground, Font, SizeEx, ColorSelect, ColorSelectBackground, RowHeight};
constexpr CodeField kPicture[] = {ColorText, ColorBackground, Font, SizeEx, Text};
constexpr CodeField kSlider[] = {ColorText, SizeEx};
constexpr CodeField kGroup[] = {ColorBackground};
constexpr CodeField kStructuredText[] = {ColorBackground, Size, Text};
constexpr CodeField kShortcutButton[] = {Font, SizeEx, Text, Action};
constexpr CodeField kMap[] = {ColorBackground, ColorText, Font, SizeEx};
// Rows of choices, trees and maps: their colours and font; their own values are other properties.
constexpr CodeField kChoices[] = {ColorText, ColorBackground, Font, SizeEx};

struct KindClass
{
    std::string_view base;
    std::span<const CodeField> sections;
};

KindClass classOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Input:
        return {"RscEdit", kInput};
    case ControlKind::Text:
        return {"RscText", kText};
    case ControlKind::Combo:
        return {"RscCombo", kCombo};
    case ControlKind::Button:
        return {"RscButton", kButton};
    case ControlKind::Frame:
        return {"RscText", kFrame};
    case ControlKind::Link:
        return {"RscActiveText", kLink};
    case ControlKind::List:
        return {"RscListBox", kList};
    case ControlKind::Picture:
        return {"RscText", kPicture};
    case ControlKind::Slider:
        return {"RscSliderH", kSlider};
    case ControlKind::Group:
        return {"KovrinControlsGroup", kGroup};
    case ControlKind::StructuredText:
        return {"KovrinStructuredText", kStructuredText};
    case ControlKind::ShortcutButton:
        return {"KovrinShortcutButton", kShortcutButton};
    case ControlKind::Map:
        return {"KovrinMap", kMap};
    case ControlKind::ColumnList:
        return {"KovrinColumnList", kList};
    case ControlKind::Progress:
        return {"KovrinProgress", {}};
    case ControlKind::CheckBox:
        return {"KovrinCheckBox", {}};
    case ControlKind::CheckBoxRow:
        return {"KovrinCheckBoxRow", kChoices};
    case ControlKind::ExtSlider:
        return {"KovrinXSlider", {}};
    case ControlKind::Tree:
        return {"KovrinTree", kChoices};
    case ControlKind::ToolboxRow:
        return {"KovrinToolbox", kChoices};
    case ControlKind::Generic:
        return {};
    }
    return {};
}

} // namespace

std::string_view codeFieldName(CodeField field)
{
    return kFieldNames[static_cast<std::size_t>(field)];
}

std::optional<CodeField> codeFieldOfName(std::string_view name)
{
    for (std::size_t i = 0; i < std::size(kFieldNames); ++i) {
        if (equalIgnoringCase(kFieldNames[i], name))
            return static_cast<CodeField>(i);
    }
    return std::nullopt;
}

std::string_view generatedBase(ControlKind kind)
{
    return classOf(kind).base;
}

bool isPreambleClass(std::string_view name)
{
    return std::any_of(kPreambleClasses.begin(), kPreambleClasses.end(),
                       [name](std::string_view each) { return equalIgnoringCase(each, name); });
}

bool isGeneratedBaseName(std::string_view name)
{
    return isPreambleClass(name)
        || std::any_of(kAllKinds.begin(), kAllKinds.end(), [name](ControlKind kind) {
               const std::string_view base = generatedBase(kind);
               return !base.empty() && equalIgnoringCase(base, name);
           });
}

bool isClassName(std::string_view name)
{
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    return !name.empty() && letter(name[0])
        && std::all_of(name.begin(), name.end(),
                       [&letter](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

std::span<const CodeField> sectionFields(ControlKind kind)
{
    return classOf(kind).sections;
}

bool writesLineSpacing(std::string_view style)
{
    return style.find("ST_MULTI") != std::string_view::npos;
}

bool writesField(const ClassShape &shape, CodeField field)
{
    if (!shape.kind)
        return true;
    if (shape.kind == ControlKind::Generic)
        return field == Idc || field == X || field == Y || field == W || field == H;
    if (field == Type)
        return !shape.gameBase;
    if (field == LineSpacing && !writesLineSpacing(shape.style))
        return false;
    // A group's class leaves its style to the base.
    if (field == Style && shape.kind == ControlKind::Group)
        return false;
    if (std::find(kHeadFields.begin(), kHeadFields.end(), field) != kHeadFields.end())
        return true;
    const auto sections = sectionFields(*shape.kind);
    return std::find(sections.begin(), sections.end(), field == Default ? Action : field)
        != sections.end();
}

bool writesFieldName(const ClassShape &shape, std::string_view name)
{
    const auto field = codeFieldOfName(name);
    return field && writesField(shape, *field);
}

} // namespace kovrin
