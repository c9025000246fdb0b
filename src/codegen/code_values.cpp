#include "codegen/code_values.h"

#include "model/form_rules.h"
#include "model/line_breaks.h"
#include "model/number_text.h"

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

void appendNumber(std::string &out, float value)
{
    appendSingleText(out, value, '.');
}

void appendNumber(std::string &out, std::int16_t value)
{
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, end.ptr);
}

void appendStyle(std::string &out, std::string_view style)
{
    const std::size_t start = out.size();
    appendReplacedDecimal(out, style, '.');
    crlfFrom(out, start);
}

void appendColourList(std::string &out, const ColourValue &colour)
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
        const std::size_t start = out.size();
        appendComponentText(out, component, '.');
        if (std::holds_alternative<std::string>(component)) // a number has no line break
            crlfFrom(out, start);
    }
}

void appendRawText(std::string &out, std::string_view text)
{
    appendWithCrlfLineBreaks(out, text);
}

void appendActionText(std::string &out, std::string_view action)
{
    const std::size_t start = out.size();
    appendRawText(out, action);
    if (out.find('"', start) == std::string::npos)
        return;
    const std::string raw = out.substr(start);
    out.resize(start);
    for (char c : raw) {
        out += c;
        if (c == '"')
            out += '"';
    }
}

void appendLine(std::string &out, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        out += piece;
    endLine(out);
}

void endLine(std::string &out)
{
    out += "\r\n";
}

void appendFormValue(std::string &out, const ControlRecord &record, FormField field)
{
    const FieldForm &form = record.Forms[field];
    switch (form.form) {
    case PositionForm::Screen:
        appendNumber(out, screenValue(record, field));
        return;
    case PositionForm::SafeZone:
        out += safeZoneText(form.fraction, axisOf(field));
        return;
    case PositionForm::Expression:
        appendRawText(out, form.expression);
        return;
    }
}

} // namespace kovrin
