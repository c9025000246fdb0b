#pragma once
// What the selection adds to the gestures of one open surface: the picked controls, the rubber
// band being drawn and the drag of the picked controls. View state, never recorded for undo.

#include "surface/group_move.h"
#include "surface/rubber_band.h"
#include "surface/selection.h"

namespace kovrin {

struct SelectionInteraction
{
    Selection picked;
    RubberBand band;
    GroupDrag group;
};

} // namespace kovrin
