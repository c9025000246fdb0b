#include "codegen/code_values.h"

#include "model/form_rules.h"
#include "model/ignoring_case.h"
#include "model/line_breaks.h"
#include "model/number_text.h"

#include <algorithm>
#include <charconv>

namespace kovrin {
namespace {

// The text appended from start on, with its line breaks made CRLF; a value rarely holds one.
void crlfFrom(std::string &out, std::size_t start)
{
    if (!hasLineBreak(std::string_view(out).substr(start)))
        return;
    const std::string held = out.substr(start);
    out.resize(start);
    appendWithCrlfLineBreaks(out, held);
}

} // namespace

void appendNumber(CodeOut &out, float value)
{
    appendSingleText(out.line(), value, '.');
}

void appendNumber(CodeOut &out, std::int32_t value)
{
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value);
    out += std::string_view(digits, end.ptr);
}

void appendStyle(CodeOut &out, std::string_view style)
{
    std::string &line = out.line();
    const std::size_t start = line.size();
    appendReplacedDecimal(line, style, '.');
    crlfFrom(line, start);
}

void appendColourList(CodeOut &out, const ColourValue &colour)
{
    if (!colour) {
        out += "0, 0, 0, 0";
        return;
    }
    bool first = true;
    for (const ColourComponent &component : *colour) {
        if (!first)
            out += ", ";
        first = false;
        std::string &line = out.line();
        const std::size_t start = line.size();
        appendComponentText(line, component, '.');
        if (std::holds_alternative<std::string>(component)) // a number has no line break
            crlfFrom(line, start);
    }
}

void appendRawText(CodeOut &out, std::string_view text)
{
    out.appendText(text, false);
}

void appendActionText(CodeOut &out, std::string_view action)
{
    out.appendText(action, true);
}

void appendLine(CodeOut &out, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        out += piece;
    endLine(out);
}

void endLine(CodeOut &out)
{
    out.endLine();
}

void appendFormValue(CodeOut &out, const ControlRecord &record, FormField field)
{
    const FieldForm &form = record.Forms[field];
    switch (form.form) {
    case PositionForm::Screen:
        appendNumber(out, screenValue(record, field));
        return;
    case PositionForm::SafeZone:
        out += safeZoneText(form.fraction, placedAxis(record, field));
        return;
    case PositionForm::Expression:
        appendRawText(out, form.expression);
        return;
    }
}

void appendOtherProperties(CodeOut &out, const OtherProperties &others,
                           std::span<const std::string_view> skipped)
{
    for (const OtherProperty &property : others.list()) {
        const bool skip = !isClassEntry(property)
            && std::any_of(skipped.begin(), skipped.end(), [&property](std::string_view name) {
                   return equalIgnoringCase(entryKey(property), name);
               });
        if (skip)
            continue;
        out += "  ";
        appendRawText(out, otherPropertyLine(property));
        out += ';';
        endLine(out);
    }
}

} // namespace kovrin
