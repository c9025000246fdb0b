#include "props/field_table.h"

#include "model/ignoring_case.h"

namespace kovrin {
namespace {

// One row per KindField, one column per kind in the order of kAllKinds.
constexpr bool Y = true;
constexpr bool N = false;
constexpr bool kUsable[16][kAllKinds.size()] = {
    // INPUT, TEXT, COMBO, BUTTON, FRAME, LINK, LIST, PICTURE, SLIDER, GROUP,
    // STRUCTUREDTEXT, SHORTCUTBUTTON, MAP, COLUMNLIST, PROGRESS, CHECKBOX, CHECKBOXROW, XSLIDER,
    // TREE, TOOLBOXROW, GENERIC
    {N, Y, Y, N, Y, N, Y, Y, N, Y, Y, N, Y, Y, N, N, Y, N, Y, Y, N}, // BackColor
    {Y, Y, Y, Y, N, Y, Y, Y, N, N, N, Y, Y, Y, N, N, Y, N, Y, Y, N}, // Font
    {N, Y, N, Y, Y, Y, N, Y, N, N, Y, Y, N, N, N, N, N, N, N, N, N}, // Text
    {N, N, N, N, N, Y, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N}, // ActiveColor
    {N, N, N, Y, N, Y, N, N, N, N, N, Y, N, N, N, N, N, N, N, N, N}, // Action
    {N, N, N, Y, N, Y, N, N, N, N, N, Y, N, N, N, N, N, N, N, N, N}, // Enter
    {Y, N, Y, N, N, N, Y, N, N, N, N, N, N, Y, N, N, N, N, N, N, N}, // SelectColor
    {N, N, Y, N, N, N, Y, N, N, N, N, N, N, Y, N, N, N, N, N, N, N}, // SelectBGColor
    {N, N, Y, N, N, N, Y, N, N, N, N, N, N, Y, N, N, N, N, N, N, N}, // RowHeight
    {N, N, Y, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N}, // WholeHeight
    {N, Y, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N}, // Multiline
    {N, Y, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N}, // Shadow
    {N, N, N, N, N, N, N, N, N, Y, N, N, N, N, N, N, N, N, N, N, N}, // ScrollBars
    // A group's class writes no style, colour or size of its own; nor does a generic control,
    // nor the newer kinds whose classes leave them to their base.
    {Y, Y, Y, Y, Y, Y, Y, Y, Y, N, Y, Y, Y, Y, Y, Y, Y, Y, Y, Y, N}, // Style
    {Y, Y, Y, Y, Y, Y, Y, Y, Y, N, N, N, Y, Y, N, N, Y, N, Y, Y, N}, // ForeColor
    {Y, Y, Y, Y, Y, Y, Y, Y, Y, N, Y, Y, Y, Y, N, N, Y, N, Y, Y, N}, // FontSize
};

constexpr std::array<std::string_view, 3> kTextStyles {"ST_LEFT", "ST_CENTER", "ST_RIGHT"};
constexpr std::array<std::string_view, 1> kFrameStyles {"ST_FRAME"};
constexpr std::array<std::string_view, 1> kPictureStyles {"ST_PICTURE"};
constexpr std::array<std::string_view, 1> kSliderStyles {"ST_HPOS"};
constexpr std::array<std::string_view, 2> kExtSliderStyles {"SL_HORZ", "SL_VERT"};

} // namespace

bool isUsable(std::optional<ControlKind> kind, KindField field)
{
    if (!kind)
        return true;
    return kUsable[static_cast<std::size_t>(field)][kindIndex(*kind)];
}

std::string_view fontSizeLabel(std::optional<ControlKind> kind)
{
    return kind == ControlKind::StructuredText ? "Size" : "Font Size";
}

std::span<const std::string_view> styleChoices(std::optional<ControlKind> kind)
{
    if (!kind)
        return {};
    switch (*kind) {
    case ControlKind::Frame:
        return kFrameStyles;
    case ControlKind::Picture:
        return kPictureStyles;
    case ControlKind::Slider:
        return kSliderStyles;
    case ControlKind::ExtSlider:
        return kExtSliderStyles;
    default:
        return kTextStyles;
    }
}

std::optional<std::size_t> findStyleChoice(std::optional<ControlKind> kind, std::string_view base)
{
    const auto choices = styleChoices(kind);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i] == base)
            return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> findFontEntry(std::string_view font)
{
    for (std::size_t i = 0; i < kFontNames.size(); ++i) {
        if (equalIgnoringCase(kFontNames[i], font))
            return i;
    }
    return std::nullopt;
}

} // namespace kovrin
