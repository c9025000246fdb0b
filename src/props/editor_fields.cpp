#include "props/editor_fields.h"

#include "model/control_kind.h"
#include "model/group_scroll_bars.h"
#include "model/kind_properties.h"
#include "model/line_breaks.h"
#include "model/number_text.h"
#include "props/colour_groups.h"
#include "props/field_table.h"
#include "props/form_look.h"
#include "props/other_lines.h"
#include "props/style_text.h"

namespace kovrin {
namespace {

ColourTexts colourTexts(const ColourValue &colour, char separator)
{
    ColourTexts texts;
    if (!colour)
        return texts;
    for (std::size_t i = 0; i < 4; ++i) {
        const ColourComponent &component = (*colour)[i];
        if (const double *number = std::get_if<double>(&component))
            texts[i] = doubleText(*number, separator);
        else
            texts[i] = std::get<std::string>(component);
    }
    return texts;
}

} // namespace

EditorFields fieldsFromRecord(const ControlRecord &record, char separator)
{
    const auto kind = kindFromWord(record.CtrlType);
    const StyleParts style = parseStyle(record.Style);

    EditorFields f;
    f.name = record.Name;
    f.idc = std::to_string(record.IDC);
    f.width = formFieldText(record, FormField::Width, separator);
    f.height = formFieldText(record, FormField::Height, separator);
    f.style = findStyleChoice(kind, style.base);
    f.multiline = style.multiline;
    f.shadow = style.shadow;
    if (style.multiline)
        f.lineSpacing = singleText(record.LineSpacing, separator);
    if (!record.Font.empty())
        f.font = findFontEntry(record.Font);
    f.fontSize = formFieldText(record, FormField::FontSize, separator);
    f.text = withLfLineBreaks(record.Text);
    for (ColourGroup group : kColourGroups)
        f.colours[groupIndex(group)] = colourTexts(recordColour(record, group), separator);
    f.action = withLfLineBreaks(record.Action);
    f.enter = record.Enter == 1;
    f.scrollBars = kind && isUsable(kind, KindField::ScrollBars) && groupScrollBars(record);
    f.rowHeight = singleText(record.RowHeight, separator);
    f.wholeHeight = singleText(record.WholeHeight, separator);
    f.others = otherLinesText(record.Others);
    if (kind) {
        for (const KindProperty &property : kindProperties(*kind))
            f.kindValues.push_back(kindPropertyText(record.Others, property));
    }
    f.base = record.Base;
    for (FormField field : kAllFormFields)
        f.forms[static_cast<std::size_t>(field)] = record.Forms[field].form;
    return f;
}

ClassShape classShape(const EditorFields &fields, std::optional<ControlKind> kind)
{
    // The style the fields make holds ST_MULTI exactly when the box is ticked.
    return {kind, fields.multiline ? "ST_MULTI" : "", !fields.base.empty()};
}

} // namespace kovrin
