#include "codegen/control_class.h"

#include "codegen/code_values.h"
#include "model/control_kind.h"

#include <span>
#include <string_view>

namespace kovrin {
namespace {

enum class Section {
    LineSpacing,
    TextColour,
    BackColour,
    SelectColour,
    SelectBackground,
    ActiveColour,
    Font,
    Size,
    Text,
    Action,
    RowHeight,
    WholeHeight,
};

struct KindLayout
{
    std::string_view base;
    std::span<const Section> sections;
};

using enum Section;
constexpr Section kInput[] = {TextColour, Font, Size, SelectColour};
constexpr Section kText[] = {LineSpacing, TextColour, BackColour, Font, Size, Text};
constexpr Section kCombo[]
    = {TextColour, BackColour, Font, Size, SelectColour, SelectBackground, RowHeight, WholeHeight};
constexpr Section kButton[] = {TextColour, Font, Size, Text, Action};
constexpr Section kFrame[] = {TextColour, BackColour, Size, Text};
constexpr Section kLink[] = {TextColour, Font, Size, Text, ActiveColour, Action};
constexpr Section kList[]
    = {TextColour, BackColour, Font, Size, SelectColour, SelectBackground, RowHeight};
constexpr Section kPicture[] = {TextColour, BackColour, Font, Size, Text};
constexpr Section kSlider[] = {TextColour, Size};

KindLayout layoutOf(ControlKind kind)
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
    // Frames and pictures take their look from the style text, so they derive from RscText.
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
    }
    return {};
}

void appendSection(std::string &out, Section section, const ControlRecord &r)
{
    switch (section) {
    case LineSpacing:
        if (r.Style.find("ST_MULTI") != std::string::npos)
            appendLine(out, {"   linespacing = ", numberText(r.LineSpacing)});
        return;
    case TextColour:
        appendLine(out, {"  colorText[] = {", colourList(r.ForeColor), "};"});
        return;
    case BackColour:
        appendLine(out, {"  colorBackground[] = {", colourList(r.BackColor), "};"});
        return;
    case SelectColour:
        appendLine(out, {"  colorSelect[] = {", colourList(r.SelectionColor), "};"});
        return;
    case SelectBackground:
        appendLine(out, {"  colorSelectBackGround[] = {", colourList(r.SelectionBGColor), "};"});
        return;
    case ActiveColour:
        appendLine(out, {"  colorActive[] = {", colourList(r.ActiveColor), "};"});
        return;
    case Font:
        appendLine(out, {" font = \"", rawText(r.Font), "\""});
        return;
    case Size:
        appendLine(out, {"  SizeEX = ", numberText(r.FontSize)});
        return;
    case Text:
        appendLine(out, {" text = \"", rawText(r.Text), "\""});
        return;
    case Action:
        appendLine(out, {" action = \"", actionText(r.Action), "\""});
        appendLine(out, {" default = ", r.Enter == 1 ? "true" : "false"});
        return;
    case RowHeight:
        appendLine(out, {"  RowHeight = ", numberText(r.RowHeight)});
        return;
    case WholeHeight:
        appendLine(out, {" wholeHeight = ", numberText(r.WholeHeight)});
        return;
    }
}

// A comment must stay on its line whatever the file put into the name or the kind.
std::string oneLine(std::string_view text)
{
    std::string out(text);
    for (char &c : out) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return out;
}

} // namespace

bool hasControlClass(const ControlRecord &record)
{
    return kindFromWord(record.CtrlType).has_value();
}

std::string controlClassText(const ControlRecord &r)
{
    std::string out;
    const auto kind = kindFromWord(r.CtrlType);
    if (!kind) {
        appendLine(out,
                   {"  // control \"", oneLine(r.Name), "\" left out: unknown kind \"",
                    oneLine(r.CtrlType), "\""});
        return out;
    }
    const KindLayout layout = layoutOf(*kind);
    appendLine(out, {" class ", rawText(r.Name), " : ", layout.base});
    appendLine(out, {" {"});
    appendLine(out, {"  x = ", numberText(r.X)});
    appendLine(out, {"  y = ", numberText(r.Y)});
    appendLine(out, {"  idc = ", numberText(r.IDC)});
    appendLine(out, {"  w = ", numberText(r.Width)});
    appendLine(out, {"  h = ", numberText(r.Height)});
    appendLine(out, {"  style = ", styleText(r.Style)});
    for (Section section : layout.sections)
        appendSection(out, section, r);
    appendLine(out, {"  };"});
    return out;
}

} // namespace kovrin
