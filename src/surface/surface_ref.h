#pragma once
// One design surface as the gestures and commands work on it: its dialog in the document, the
// window's outer size (the base of every fraction) and the view's interaction state.

#include "model/dialog_set.h"
#include "model/drawn_control.h"
#include "surface/surface_interaction.h"

#include <cstddef>

namespace kovrin {

struct SurfaceRef
{
    DialogSet &set;
    std::size_t dialogIndex;
    SurfaceSize size;
    SurfaceInteraction &interaction;

    const Dialog &dialog() const { return set.dialog(dialogIndex); }
    const DrawnControls &drawn() const { return set.drawnControls(dialogIndex); }
};

// Puts a drawn control at a rectangle and writes its record's X and Y (and Width and Height when
// withSize) rounded to 5 decimals. True when the drawn control or its record changed.
bool applyGeometry(SurfaceRef s, std::string_view tag, const TwipRect &rect, bool withSize);

} // namespace kovrin
