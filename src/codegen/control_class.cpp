#include "codegen/control_class.h"

#include "codegen/code_values.h"
#include "codegen/group_class.h"
#include "model/control_kind.h"
#include "model/generated_class.h"

#include <span>
#include <string_view>
#include <type_traits>

namespace kovrin {
namespace {

using enum CodeField;

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

void appendSection(CodeOut &out, CodeField section, const ControlRecord &r)
{
    switch (section) {
    case LineSpacing:
        if (writesLineSpacing(r.Style))
            valueLine(out, "   linespacing = ", r.LineSpacing);
        return;
    case ColorText:
        valueLine(out, "  colorText[] = {", r.ForeColor, "};");
        return;
    case ColorBackground:
        valueLine(out, "  colorBackground[] = {", r.BackColor, "};");
        return;
    case ColorSelect:
        valueLine(out, "  colorSelect[] = {", r.SelectionColor, "};");
        return;
    case ColorSelectBackground:
        valueLine(out, "  colorSelectBackGround[] = {", r.SelectionBGColor, "};");
        return;
    case ColorActive:
        valueLine(out, "  colorActive[] = {", r.ActiveColor, "};");
        return;
    case Font:
        textLine(out, " font = \"", r.Font);
        return;
    case SizeEx:
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
    case Size:
        formLine(out, "  size = ", r, FormField::FontSize);
        return;
    // The head's fields, and those that come with another or through the base.
    case Type:
    case Idc:
    case X:
    case Y:
    case W:
    case H:
    case Style:
    case Default:
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
    out += " class ";
    appendRawText(out, r.Name);
    const std::string_view base = r.Base.empty() ? generatedBase(*kind) : std::string_view(r.Base);
    // A generic control without a base of the game's stands alone, as it came.
    if (!base.empty()) {
        out += " : ";
        out += base;
    }
    endLine(out);
    appendLine(out, {" {"});
    formLine(out, "  x = ", r, FormField::X);
    formLine(out, "  y = ", r, FormField::Y);
    valueLine(out, "  idc = ", r.IDC);
    formLine(out, "  w = ", r, FormField::Width);
    formLine(out, "  h = ", r, FormField::Height);
    // A generic control's style, like its type, is among what it keeps as it came.
    if (*kind != ControlKind::Generic) {
        out += "  style = ";
        appendStyle(out, r.Style);
        endLine(out);
    }
    for (CodeField section : sectionFields(*kind))
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
