#pragma once
// The editor's fields one at a time, as the Properties panel edits them: each text field's label,
// widget name, guard and the kind rule that makes it usable; where a typed text goes among the
// fields; and what one typed field makes of a record and its drawn control, through the editor's
// own check and record writing.

#include "model/control_kind.h"
#include "model/control_record.h"
#include "model/drawn_control.h"
#include "model/kind_properties.h"
#include "model/number_guard.h"
#include "props/colour_groups.h"
#include "props/editor_fields.h"
#include "props/field_table.h"
#include "props/panel_choice.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kovrin {

enum class PanelField {
    Name,
    Idc,
    Width,
    Height,
    FontSize,
    LineSpacing,
    Text,
    RowHeight,
    WholeHeight,
    Action,
    Colour, // one component of a colour group
    KindValue, // one of the kind's own values: the component is its entry in kindProperties
};

struct PanelFieldInfo
{
    PanelField field;
    std::string_view label; // as the editor labels it, and the name of its undo step
    std::string_view objectName; // the editor's widget name
    std::optional<NumberBounds> bounds; // the editor's guard; none for free text
    bool selectAll = false; // the whole text selected on focus, as in the editor
    std::optional<KindField> needs; // none: every kind
};

// The text fields other than the colours, in the editor's order.
std::span<const PanelFieldInfo> panelTextFields();
const PanelFieldInfo &panelFieldInfo(PanelField field);

// The position form a field may hold (Width, Height, Font Size); none for the others.
std::optional<FormField> formFieldOf(PanelField field);

// One text of the fields: a text field, a component (0 to 3) of a colour group, or an entry of
// the kind's own values.
struct FieldPlace
{
    PanelField field = PanelField::Name;
    ColourGroup group = ColourGroup::Fore;
    std::size_t component = 0;
};

std::string &fieldText(EditorFields &fields, const FieldPlace &place);
const std::string &fieldText(const EditorFields &fields, const FieldPlace &place);

// Whether the kind's editor lets the user type there; Line Spacing also needs Multiline checked,
// a kind's own value an entry of that kind's table.
bool isUsable(std::optional<ControlKind> kind, const EditorFields &fields, const FieldPlace &place);
// The same for the fields a record opens with.
bool isUsable(const ControlRecord &record, const FieldPlace &place);

// The undo step of a typed field: the field's label, the colour group's, or the label of the
// kind's own value.
std::string_view stepName(const FieldPlace &place, std::optional<ControlKind> kind = std::nullopt);

// The kind's own value a place stands for; none for another place or an entry the kind lacks.
const KindProperty *kindPropertyAt(std::optional<ControlKind> kind, const FieldPlace &place);

// The table of own values every one of the kinds offers (kinds sharing one table, such as the
// two rows, count as the same); empty when they differ, or when any has none.
std::span<const KindProperty>
sharedKindProperties(std::span<const std::optional<ControlKind>> kinds);

// The most entries any kind's table holds: the panel's rows for them.
std::size_t mostKindProperties();

// The text all the fields share at the place; none when they differ (or there are none).
std::optional<std::string> sharedText(std::span<const EditorFields> fields,
                                      const FieldPlace &place);

// A record with one text typed at the place, as OK would write it after the editor opened on it.
struct TypedRecord
{
    std::string problems; // the check's report ("- ...\r\n" lines); empty when it passed
    ControlRecord record; // as written when the check passed
    EditorFields fields; // the fields with the text in place
};
TypedRecord typeIntoRecord(const ControlRecord &record, const FieldPlace &place,
                           const std::string &text, char separator);
// The same for a picked colour: the group's red, green and blue at once, alpha as it was.
TypedRecord typeIntoRecord(const ControlRecord &record, ColourGroup group,
                           const std::array<std::string, 3> &redGreenBlue, char separator);
// The same for an entry of a list or a check box; a list that lacks the entry writes nothing.
TypedRecord chooseIntoRecord(const ControlRecord &record, PanelChoice choice, std::string_view text,
                             char separator);

// What the typed field gives the drawn control: its width, height, caption or one colour as OK
// would set them, each only when the field typed is its own, so a name typed in the panel does
// not move a control whose size the grid or a drag left between two fractions. A size in another
// form is taken from typed.record, which must then be the record as the set holds it.
void refreshTypedField(DrawnControl &control, ControlKind kind, const TypedRecord &typed,
                       const FieldPlace &place, SurfaceSize surface);

} // namespace kovrin
