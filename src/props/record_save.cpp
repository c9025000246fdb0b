#include "props/record_save.h"
#include "props/other_lines.h"

#include "model/form_rules.h"
#include "model/group_scroll_bars.h"
#include "model/kind_properties.h"
#include "model/line_breaks.h"
#include "model/number_text.h"
#include "props/colour_groups.h"
#include "props/field_table.h"
#include "props/style_text.h"

namespace kovrin {
namespace {

// The guard lets a lone "-" stand while the user types; it is stored as 0.
std::string componentToStore(const std::string &text)
{
    return text == "-" ? std::string("0") : text;
}

// What the user types stays within 16 bits; a wider value read from a file is kept until then.
std::int32_t idcOf(const std::string &text)
{
    return toInt16Clamped(parseTypedNumber(text).value_or(0.0));
}

float numberOf(const std::string &now, const std::string &opened, float current)
{
    return now == opened ? current : typedSingle(now);
}

// A size typed in the form its field shows: a screen fraction as it is, a safe-zone fraction as
// its F, whose screen value the set gives it as it takes the record. An expression is kept.
void typeSize(ControlRecord &r, FormField field, const std::string &now, const std::string &opened)
{
    if (now == opened)
        return;
    switch (r.Forms[field].form) {
    case PositionForm::Screen:
        screenValue(r, field) = typedSingle(now);
        break;
    case PositionForm::SafeZone:
        r.Forms.set(field, FieldForm {PositionForm::SafeZone, typedSingle(now), {}});
        break;
    case PositionForm::Expression:
        break;
    }
}

std::string textOf(const std::string &now, const std::string &opened, const std::string &current)
{
    return now == opened ? current : withCrlfLineBreaks(now);
}

std::string styleOf(const ControlRecord &current, const EditorFields &opened,
                    const EditorFields &now, std::optional<ControlKind> kind)
{
    if (now.style == opened.style && now.multiline == opened.multiline
        && now.shadow == opened.shadow)
        return current.Style;
    // With no entry selected (a base the list does not offer) the record's base is kept.
    const auto choices = styleChoices(kind);
    const std::string base = now.style && *now.style < choices.size()
        ? std::string(choices[*now.style])
        : parseStyle(current.Style).base;
    return buildStyle(base, now.multiline, now.shadow);
}

ColourValue colourOf(const ColourValue &current, const ColourTexts &opened, const ColourTexts &now)
{
    if (current && now == opened)
        return current;
    Rgba texts;
    for (std::size_t i = 0; i < 4; ++i)
        texts[i] = componentToStore(now[i]);
    return texts;
}

} // namespace

ControlRecord savedRecord(const ControlRecord &current, const EditorFields &opened,
                          const EditorFields &now, std::optional<ControlKind> kind)
{
    if (now == opened)
        return current;

    ControlRecord r = current;
    r.Name = now.name == opened.name ? current.Name : now.name;
    r.IDC = now.idc == opened.idc ? current.IDC : idcOf(now.idc);
    typeSize(r, FormField::Width, now.width, opened.width);
    typeSize(r, FormField::Height, now.height, opened.height);
    r.Style = styleOf(current, opened, now, kind);
    if (now.multiline) {
        r.LineSpacing = opened.multiline
            ? numberOf(now.lineSpacing, opened.lineSpacing, current.LineSpacing)
            : typedSingle(now.lineSpacing);
    }
    if (isUsable(kind, KindField::Font) && now.font != opened.font && now.font
        && *now.font < kFontNames.size())
        r.Font = std::string(kFontNames[*now.font]);
    typeSize(r, FormField::FontSize, now.fontSize, opened.fontSize);
    if (now.text != opened.text)
        r.Text = withCrlfLineBreaks(now.text); // unchanged, it stays shared with the caption
    for (ColourGroup group : kColourGroups) {
        const std::size_t g = groupIndex(group);
        recordColour(r, group)
            = colourOf(recordColour(current, group), opened.colours[g], now.colours[g]);
    }
    r.Action = textOf(now.action, opened.action, current.Action);
    if (isUsable(kind, KindField::Enter) && now.enter != opened.enter)
        r.Enter = now.enter ? 1 : 0;
    r.RowHeight = numberOf(now.rowHeight, opened.rowHeight, current.RowHeight);
    r.WholeHeight = numberOf(now.wholeHeight, opened.wholeHeight, current.WholeHeight);
    // The check has passed the lines; unchanged, they stay as kept.
    if (now.others != opened.others)
        r.Others = readOtherLines(now.others, OwnNames::Control, classShape(now, kind)).others;
    // After the other lines, which hold them too: a typed value wins over its line.
    if (kind) {
        const auto properties = kindProperties(*kind);
        for (std::size_t i = 0; i < properties.size() && i < now.kindValues.size(); ++i) {
            if (i >= opened.kindValues.size() || now.kindValues[i] != opened.kindValues[i])
                r.Others = withKindProperty(r.Others, properties[i], now.kindValues[i]);
        }
    }
    // After the other lines, which hold the classes that take the scroll bars away.
    if (kind && isUsable(kind, KindField::ScrollBars) && now.scrollBars != opened.scrollBars)
        setGroupScrollBars(r, now.scrollBars);
    return r;
}

} // namespace kovrin
