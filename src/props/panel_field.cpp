#include "props/panel_field.h"

#include "model/drawn_detail.h"
#include "props/colour_sample.h"
#include "props/drawn_refresh.h"
#include "props/property_check.h"
#include "props/record_save.h"
#include "props/style_text.h"

#include <algorithm>
#include <array>

namespace kovrin {
namespace {

constexpr std::array<PanelFieldInfo, 10> kTextFields {{
    {PanelField::Name, "Name", "txt_name", std::nullopt, false, std::nullopt},
    {PanelField::Idc, "IDc", "txt_IDc", kIdcBounds, false, std::nullopt},
    {PanelField::Width, "Width", "txt_width", kFractionBounds, true, std::nullopt},
    {PanelField::Height, "Height", "txt_height", kFractionBounds, true, std::nullopt},
    {PanelField::FontSize, "Font Size", "txt_fontsize", kFractionBounds, true, KindField::FontSize},
    {PanelField::LineSpacing, "Line Spacing", "txt_linespacing", kLineSpacingBounds, false,
     KindField::Multiline},
    {PanelField::Text, "Text", "txt_text", std::nullopt, false, KindField::Text},
    {PanelField::RowHeight, "Row Height", "txt_rowheight", kFractionBounds, true,
     KindField::RowHeight},
    {PanelField::WholeHeight, "Whole Height", "txt_wholeheight", kFractionBounds, true,
     KindField::WholeHeight},
    {PanelField::Action, "Action", "txt_action", std::nullopt, false, KindField::Action},
}};

// A kind's own value; the fields of a record of another kind have none there.
std::string &kindValueAt(EditorFields &f, std::size_t entry)
{
    if (f.kindValues.size() <= entry)
        f.kindValues.resize(entry + 1);
    return f.kindValues[entry];
}

const std::string &kindValueAt(const EditorFields &f, std::size_t entry)
{
    static const std::string none;
    return entry < f.kindValues.size() ? f.kindValues[entry] : none;
}

template<typename Fields> auto &textAt(Fields &f, const FieldPlace &place)
{
    switch (place.field) {
    case PanelField::Name:
        return f.name;
    case PanelField::Idc:
        return f.idc;
    case PanelField::Width:
        return f.width;
    case PanelField::Height:
        return f.height;
    case PanelField::FontSize:
        return f.fontSize;
    case PanelField::LineSpacing:
        return f.lineSpacing;
    case PanelField::Text:
        return f.text;
    case PanelField::RowHeight:
        return f.rowHeight;
    case PanelField::WholeHeight:
        return f.wholeHeight;
    case PanelField::Action:
        return f.action;
    case PanelField::KindValue:
        return kindValueAt(f, place.component);
    case PanelField::Colour:
        break;
    }
    return f.colours[groupIndex(place.group)][place.component % 4];
}

} // namespace

std::span<const PanelFieldInfo> panelTextFields()
{
    return kTextFields;
}

const PanelFieldInfo &panelFieldInfo(PanelField field)
{
    const auto found = std::ranges::find(kTextFields, field, &PanelFieldInfo::field);
    return found != kTextFields.end() ? *found : kTextFields.front();
}

std::optional<FormField> formFieldOf(PanelField field)
{
    switch (field) {
    case PanelField::Width:
        return FormField::Width;
    case PanelField::Height:
        return FormField::Height;
    case PanelField::FontSize:
        return FormField::FontSize;
    default:
        return std::nullopt;
    }
}

std::string &fieldText(EditorFields &fields, const FieldPlace &place)
{
    return textAt(fields, place);
}

const std::string &fieldText(const EditorFields &fields, const FieldPlace &place)
{
    return textAt(fields, place);
}

namespace {

bool isUsable(std::optional<ControlKind> kind, bool multiline, const FieldPlace &place)
{
    if (place.field == PanelField::Colour)
        return isUsable(kind, place.group);
    if (place.field == PanelField::KindValue)
        return kindPropertyAt(kind, place) != nullptr;
    if (place.field == PanelField::LineSpacing && !multiline)
        return false;
    const auto needs = panelFieldInfo(place.field).needs;
    return !needs || isUsable(kind, *needs);
}

} // namespace

bool isUsable(std::optional<ControlKind> kind, const EditorFields &fields, const FieldPlace &place)
{
    return isUsable(kind, fields.multiline, place);
}

bool isUsable(const ControlRecord &record, const FieldPlace &place)
{
    return isUsable(kindFromWord(record.CtrlType), parseStyle(record.Style).multiline, place);
}

std::string_view stepName(const FieldPlace &place, std::optional<ControlKind> kind)
{
    if (place.field == PanelField::KindValue) {
        const KindProperty *property = kindPropertyAt(kind, place);
        return property ? property->label : std::string_view("Value");
    }
    return place.field == PanelField::Colour ? colourGroupInfo(place.group).label
                                             : panelFieldInfo(place.field).label;
}

const KindProperty *kindPropertyAt(std::optional<ControlKind> kind, const FieldPlace &place)
{
    if (place.field != PanelField::KindValue || !kind)
        return nullptr;
    const auto properties = kindProperties(*kind);
    return place.component < properties.size() ? &properties[place.component] : nullptr;
}

std::span<const KindProperty>
sharedKindProperties(std::span<const std::optional<ControlKind>> kinds)
{
    if (kinds.empty() || !kinds.front())
        return {};
    const auto first = kindProperties(*kinds.front());
    for (const auto &kind : kinds.subspan(1)) {
        if (!kind || kindProperties(*kind).data() != first.data())
            return {};
    }
    return first;
}

std::size_t mostKindProperties()
{
    std::size_t most = 0;
    for (ControlKind kind : kAllKinds)
        most = std::max(most, kindProperties(kind).size());
    return most;
}

std::optional<std::string> sharedText(std::span<const EditorFields> fields, const FieldPlace &place)
{
    if (fields.empty())
        return std::nullopt;
    const std::string &first = fieldText(fields.front(), place);
    for (const EditorFields &f : fields.subspan(1)) {
        if (fieldText(f, place) != first)
            return std::nullopt;
    }
    return first;
}

namespace {

// The record as OK writes it after the edit, made on the fields as opening filled them.
template<typename Edit>
TypedRecord editedRecord(const ControlRecord &record, char separator, const Edit &edit)
{
    const auto kind = kindFromWord(record.CtrlType);
    const EditorFields opened = fieldsFromRecord(record, separator);
    TypedRecord typed {{}, record, opened};
    if (!edit(typed.fields))
        return typed;
    typed.problems = checkFields(typed.fields, kind);
    if (typed.problems.empty())
        typed.record = savedRecord(record, opened, typed.fields, kind);
    return typed;
}

} // namespace

TypedRecord typeIntoRecord(const ControlRecord &record, const FieldPlace &place,
                           const std::string &text, char separator)
{
    return editedRecord(record, separator, [&](EditorFields &fields) {
        fieldText(fields, place) = text;
        return true;
    });
}

TypedRecord typeIntoRecord(const ControlRecord &record, ColourGroup group,
                           const std::array<std::string, 3> &redGreenBlue, char separator)
{
    return editedRecord(record, separator, [&](EditorFields &fields) {
        std::ranges::copy(redGreenBlue, fields.colours[groupIndex(group)].begin());
        return true;
    });
}

TypedRecord chooseIntoRecord(const ControlRecord &record, PanelChoice choice, std::string_view text,
                             char separator)
{
    return editedRecord(record, separator, [&](EditorFields &fields) {
        return chooseText(fields, record, choice, text, separator);
    });
}

void refreshTypedField(DrawnControl &control, ControlKind kind, const TypedRecord &typed,
                       const FieldPlace &place, SurfaceSize surface)
{
    const DrawnControl before = control;
    const auto &colours = typed.fields.colours;
    EditorLook look {typed.fields.width,
                     typed.fields.height,
                     typed.record.Text,
                     sampleColour(colours[groupIndex(ColourGroup::Fore)]),
                     sampleColour(colours[groupIndex(ColourGroup::Back)]),
                     drawnDetail(kind, typed.record)};
    takeSizesOfForms(look, typed.record);
    refreshDrawnControl(control, kind, look, surface);
    const auto typedColour = [&place](ColourGroup group) {
        return place.field == PanelField::Colour && place.group == group;
    };
    if (place.field != PanelField::Width)
        control.width = before.width;
    if (place.field != PanelField::Height)
        control.height = before.height;
    if (place.field != PanelField::Text)
        control.caption = before.caption;
    if (!typedColour(ColourGroup::Fore))
        control.textColour = before.textColour;
    if (!typedColour(ColourGroup::Back))
        control.backColour = before.backColour;
}

} // namespace kovrin
