#pragma once
// What the editor's fields hold, as plain values: the texts of the text fields, the selected
// entries of the two lists and the states of the check boxes. Opening fills them from a record;
// the check and the record writing read them.

#include "model/control_record.h"
#include "model/generated_class.h"
#include "props/colour_sample.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

struct EditorFields
{
    std::string name;
    std::string idc;
    std::string width;
    std::string height;
    std::optional<std::size_t> style; // entry of the kind's style choices; none selected
    bool multiline = false;
    bool shadow = false;
    std::string lineSpacing;
    std::optional<std::size_t> font; // entry of kFontNames; none selected
    std::string fontSize;
    std::string text; // line breaks as "\n", as a text widget gives them
    std::array<ColourTexts, 5> colours; // in the order of kColourGroups
    std::string action; // line breaks as "\n"
    bool enter = false;
    bool scrollBars = false; // a controls group's
    std::string rowHeight;
    std::string wholeHeight;
    std::string others; // the other properties, one "name = value" line each, joined by "\n"
    // The kind's own values (model/kind_properties.h), one text per entry of its table.
    std::vector<std::string> kindValues;
    std::string base; // the game's class the control derives from, shown but not edited
    // The forms the record holds its sizes in (X and Y have no field): a safe-zone field holds
    // its F, an expression field its text, which is neither typed nor checked as a number.
    std::array<PositionForm, kAllFormFields.size()> forms {};

    PositionForm formOf(FormField field) const { return forms[static_cast<std::size_t>(field)]; }
    bool operator==(const EditorFields &) const = default;
};

// The fields as opening fills them from a record: numbers in their locale text in full (the
// guard cuts only what the user types), sizes in their forms, colour numbers in their 15-digit form
// and colour texts as they are, absent colours as empty fields, line spacing only for a multi-line
// style.
EditorFields fieldsFromRecord(const ControlRecord &record, char separator);

// What decides which names the control's class writes itself, as the fields stand.
ClassShape classShape(const EditorFields &fields, std::optional<ControlKind> kind);

} // namespace kovrin
