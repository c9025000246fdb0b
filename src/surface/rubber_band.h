#pragma once
// The rubber band a drag on a surface's empty background draws: on release every drawn control
// it touches is picked, in place of the selection or, with Shift or Ctrl held, added to it.

#include "model/twip_rect.h"

namespace kovrin {

class Selection;
struct DrawnControls;

struct RubberBand
{
    bool active = false;
    double x0 = 0; // where the press was, on the surface
    double y0 = 0;
    double x1 = 0; // where the pointer is
    double y1 = 0;
    bool adds = false; // Shift or Ctrl at the press

    // The pointer left the press point: a band, not a click.
    bool drawn() const { return x0 != x1 || y0 != y1; }
    TwipRect rect() const;
};

void beginBand(RubberBand &band, double x, double y, bool adds);
void trackBand(RubberBand &band, double x, double y);

// The release: the touched controls picked; a click that drew no band lets go of the selection
// unless it adds. The band ends either way. True when the selection changed.
bool endBand(RubberBand &band, Selection &selection, const DrawnControls &surface);

} // namespace kovrin
