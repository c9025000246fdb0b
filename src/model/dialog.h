#pragma once
// One dialog of the set: its name, grid step, control records (the stacking order, back first)
// and their drawn controls.

#include "model/control_record.h"
#include "model/drawn_controls.h"
#include "model/other_properties.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

struct Dialog
{
    std::int16_t FrmIndex = 0; // unique in a run; how a closing dialog finds itself in the set
    std::string Tag; // the dialog's name and window title
    float GridSize = 0; // grid step as a fraction of the window; 0: no grid
    DialogLayout Layout = DialogLayout::Screen; // the form new controls take
    // What the dialog class sets beyond its lists (idd, movingEnable, onLoad, ...).
    OtherProperties Others;
    std::vector<ControlRecord> cControls;
    DrawnControls drawn;

    // The record lookup by tag: the first record whose Tag equals the text exactly (0-based).
    std::optional<std::size_t> recordIndexByTag(std::string_view tag) const;
};

// Whether the dialog lays itself out on the visible monitor: its layout is the safe zone, or a
// control holds a form other than a plain screen fraction.
bool usesSafeZone(const Dialog &dialog);
// What its surface shows on the reference screen: the safe zone when it uses it, else the
// definition's screen area.
SurfaceFrame surfaceFrameOf(const Dialog &dialog, const ReferenceScreen &screen);

} // namespace kovrin
