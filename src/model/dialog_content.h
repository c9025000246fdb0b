#pragma once
// What undo keeps of one dialog between two steps: its grid step, its layout, its other
// properties, its records and its drawn controls with their counters. The name is a step of its
// own; what a gesture leaves on the surface (drag, outline, focus, grid lines) is the view's and is
// not kept.

#include "model/control_record.h"
#include "model/drawn_controls.h"

#include <vector>

namespace kovrin {

struct DialogContent
{
    float GridSize = 0;
    DialogLayout Layout = DialogLayout::Screen;
    OtherProperties Others;
    std::vector<ControlRecord> cControls;
    DrawnControls drawn;
    bool operator==(const DialogContent &) const = default;
};

} // namespace kovrin
