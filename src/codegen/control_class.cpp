#include "codegen/control_class.h"

#include "codegen/code_values.h"
#include "codegen/group_class.h"
#include "model/control_kind.h"

#include <span>
#include <string_view>
#include <type_traits>

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
    case ControlKind::Group: // written by group_class.cpp
        break;
    }
    return {};
}

// One line: head, the value, tail, CRLF.
template<typename Value>
void valueLine(CodeOut &out, std::string_view head, const Value &value, std::string_view tail = {})
{
    out += head;
    if constexpr (std::is_same_v<Value, ColourValue>)
        appendColourList(out, value);
    else
        appendNumber(out, value);
    out += tail;
    endLine(out);
}

void formLine(CodeOut &out, std::string_view head, const ControlRecord &r, FormField field)
{
    out += head;
    appendFormValue(out, r, field);
    endLine(out);
}

void textLine(CodeOut &out, std::string_view head, std::string_view text)
{
    out += head;
    appendRawText(out, text);
    out += '"';
    endLine(out);
}

void appendSection(CodeOut &out, Section section, const ControlRecord &r)
{
    switch (section) {
    case LineSpacing:
        if (r.Style.find("ST_MULTI") != std::string::npos)
            valueLine(out, "   linespacing = ", r.LineSpacing);
        return;
    case TextColour:
        valueLine(out, "  colorText[] = {", r.ForeColor, "};");
        return;
    case BackColour:
        valueLine(out, "  colorBackground[] = {", r.BackColor, "};");
        return;
    case SelectColour:
        valueLine(out, "  colorSelect[] = {", r.SelectionColor, "};");
        return;
    case SelectBackground:
        valueLine(out, "  colorSelectBackGround[] = {", r.SelectionBGColor, "};");
        return;
    case ActiveColour:
        valueLine(out, "  colorActive[] = {", r.ActiveColor, "};");
        return;
    case Font:
        textLine(out, " font = \"", r.Font);
        return;
    case Size:
        formLine(out, "  SizeEX = ", r, FormField::FontSize);
        return;
    case Text:
        textLine(out, " text = \"", r.Text);
        return;
    case Action:
        out += " action = \"";
        appendActionText(out, r.Action);
        out += '"';
        endLine(out);
        appendLine(out, {" default = ", r.Enter == 1 ? "true" : "false"});
        return;
    case RowHeight:
        valueLine(out, "  RowHeight = ", r.RowHeight);
        return;
    case WholeHeight:
        valueLine(out, " wholeHeight = ", r.WholeHeight);
        return;
    }
}

// A comment must stay on its line whatever the file put into the name or the kind.
void appendOneLine(CodeOut &out, std::string_view text)
{
    for (char c : text)
        out += (c == '\r' || c == '\n') ? ' ' : c;
}

} // namespace

bool hasControlClass(const ControlRecord &record)
{
    return kindFromWord(record.CtrlType).has_value();
}

void appendControlClass(CodeOut &out, const ControlRecord &r)
{
    const auto kind = kindFromWord(r.CtrlType);
    if (!kind) {
        out += "  // control \"";
        appendOneLine(out, r.Name);
        out += "\" left out: unknown kind \"";
        appendOneLine(out, r.CtrlType);
        out += '"';
        endLine(out);
        return;
    }
    if (*kind == ControlKind::Group) {
        appendEmptyGroupClass(out, r);
        return;
    }
    const KindLayout layout = layoutOf(*kind);
    out += " class ";
    appendRawText(out, r.Name);
    appendLine(out, {" : ", layout.base});
    appendLine(out, {" {"});
    formLine(out, "  x = ", r, FormField::X);
    formLine(out, "  y = ", r, FormField::Y);
    valueLine(out, "  idc = ", r.IDC);
    formLine(out, "  w = ", r, FormField::Width);
    formLine(out, "  h = ", r, FormField::Height);
    out += "  style = ";
    appendStyle(out, r.Style);
    endLine(out);
    for (Section section : layout.sections)
        appendSection(out, section, r);
    appendOtherProperties(out, r.Others);
    appendLine(out, {"  };"});
}

std::string controlClassText(const ControlRecord &record)
{
    std::string text;
    TextSink sink(text);
    CodeOut out(sink);
    appendControlClass(out, record);
    out.flush();
    return text;
}

} // namespace kovrin
