#pragma once
// The control property record: every value of one control that the design file saves and the
// generated code emits. A plain value holder; range rules live in the editor.

#include "model/colour_value.h"
#include "model/control_forms.h"
#include "model/other_properties.h"
#include "model/shared_text.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace kovrin {

struct ControlRecord
{
    std::string Name;
    // The game's whole range; the design file's own field holds 16 bits, the rest goes in an
    // addition after field 36.
    std::int32_t IDC = 0;
    float Width = 0;
    float Height = 0;
    // Ahead of its place in the definition's order, where it fills the room Height leaves before
    // the next text, so that Forms takes the room FontSize left: a record keeps its size.
    float FontSize = 0;
    std::string Style;
    ColourValue ForeColor;
    ColourValue BackColor;
    std::string Font;
    // The forms of X, Y, Width, Height and FontSize beyond the screen fraction those hold.
    ControlForms Forms;
    SharedText Text; // shared with the caption of the control drawn from it
    ColourValue ActiveColor;
    ColourValue SelectionColor;
    ColourValue SelectionBGColor;
    std::string Action;
    std::int16_t Enter = 0;
    float RowHeight = 0;
    float WholeHeight = 0;
    std::string Tag; // pairs the record with its drawn control
    // The Tag of the controls group whose list holds the record; empty for the dialog's own list.
    // Inside a group X and Y are offsets from the group's top-left corner.
    std::string Group;
    std::string CtrlType; // the kind's code word; any text when read from a file
    float X = 0;
    float Y = 0;
    float LineSpacing = 0;
    // What the class sets beyond these fields, written back after them.
    OtherProperties Others;
    // The game's class the control derives from in place of Kovrin's base for its kind (the
    // generated code declares it); empty for Kovrin's.
    std::string Base;

    bool operator==(const ControlRecord &) const = default;
};

using tCTRLPPTY = ControlRecord;

// The bytes of all its texts, colour and expression texts included: what a record adds to a file or
// to code beyond its fixed part, so that both are sized before they are written.
std::size_t textBytes(const ControlRecord &record);

} // namespace kovrin
