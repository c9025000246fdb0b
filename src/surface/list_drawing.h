#pragma once
// The order a surface paints and hits its drawn controls in. The dialog's own controls go back
// to front in the stacking order; each controls group's controls come right after their group,
// in their own stacking order, clipped to the group and to every group around it, so that a
// control inside a group is always in front of it.

#include "model/dialog.h"

#include <optional>
#include <vector>

namespace kovrin {

struct DrawingStep
{
    const DrawnControl *control = nullptr;
    std::optional<TwipRect> clip; // what the groups around it leave visible; none at the top
    const ControlRecord *record = nullptr; // the record it shows, in a design with groups
};

// Whether a controls group's background colour is painted: the game shows none for a colour
// without alpha, as a new group has.
bool showsGroupBackground(const ControlRecord &group);

// The shown drawn controls in painting order, back first. A control inside a hidden group is
// not shown. Without any group: the stacking order, unclipped.
std::vector<DrawingStep> drawingOrder(const Dialog &dialog);

// The part of a step's control the groups around it leave visible; none when nothing is left.
std::optional<TwipRect> visiblePart(const DrawingStep &step);

// The front-most shown control whose visible part holds the point, if any: a point on a group's
// background hits the group, one on the clipped-away part of a control inside it does not hit
// that control.
const DrawnControl *controlAtPoint(const Dialog &dialog, double x, double y);

} // namespace kovrin
