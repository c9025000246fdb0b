#pragma once
// How OK and Apply refresh the drawn control (SaveProperties, second half): its size from the
// width and height fields, and per kind its text and colours from the text field and the samples.

#include "model/colour_value.h"
#include "model/control_kind.h"
#include "model/control_record.h"
#include "model/drawn_control.h"

#include <string>

namespace kovrin {

struct DrawnRefresh
{
    bool text = false; // shown text or caption from "Text"
    bool textColour = false; // from the ForeColor sample
    bool backColour = false; // from the BackColor sample
    bool operator==(const DrawnRefresh &) const = default;
};

// What the editor gives a drawn control of the kind.
DrawnRefresh drawnRefreshOf(ControlKind kind);

struct EditorLook
{
    std::string widthText; // the fields as typed (a lone "-" counts as 0)
    std::string heightText;
    SharedText caption; // the record's Text as written
    Rgb8 foreSample;
    Rgb8 backSample;
    SharedText detail {}; // drawnDetail of the record as written
};

// A width or height the record holds as a safe-zone fraction or an expression: its field shows F
// or the text, so the look takes the screen value of the record as the set holds it.
void takeSizesOfForms(EditorLook &look, const ControlRecord &held);

// Sizes the control against the surface's outer size and frame and sets what its kind takes; its
// place, stacking and visibility are left alone.
void refreshDrawnControl(DrawnControl &control, ControlKind kind, const EditorLook &look,
                         SurfaceSize surface);

} // namespace kovrin
